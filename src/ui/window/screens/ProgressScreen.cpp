#include "ui/window/screens/ProgressScreen.h"

#include <QDir>
#include <QRect>

#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "ui/layout/Form1Layout.h"
#include "ui/window/Form1Window.h"
#include "ui/window/SequenceProgressBar.h"
#include "write/SettingsBackup.h"

namespace qx::screens {

namespace {

// From the bottom of the page frame to the bottom of the window.
constexpr int kLowerStripTop = 696;

}  // namespace

bool saveProgressStrip(Form1& form, Form1Window& window, const QDir& out) {
    // As a read-all leaves the window while it runs: settings locked, backup withdrawn.
    AllDispOFF(form.controls());
    offerBackupAndRestore(form.controls(), false);
    // "Set" and 30 queries of the first pass behind; 10 queries of 100 ms and 4 of 1000 ms ahead.
    SequenceProgressBar& bar = window.sequenceProgress();
    bar.started(QStringLiteral("設定の読み込み（シリアル）"), 46, 9000);
    bar.stepReached(31, 46, 5000);
    const QRect strip(0, kLowerStripTop, kForm1Width, kForm1Height - kLowerStripTop);
    const bool saved = window.grab(strip).save(out.filePath(QStringLiteral("progress.png")));
    bar.finished();
    return saved;
}

}  // namespace qx::screens
