#include "read/LanReadAll.h"

#include "link/LanLink.h"
#include "read/Conversions.h"
#include "read/ReadAll.h"
#include "read/ReadAllTables.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "shell/Utilities.h"

namespace qx {

namespace {

constexpr int kPauseBeforeEndMs = 250;  // between the completion sound and ":Pe#"

void showNotConnected(Controls& controls) {
    controls.setEnabled(QStringLiteral("Command61"), true);
    controls.setEnabled(QStringLiteral("Command12"), false);
}

}  // namespace

void readAllOverLan(Form1& form) {
    const QString name = QStringLiteral("設定の読み込み（LAN）");
    const LongSequence sequence(form, name);
    if (sequence.refused()) return;
    // Steps: the ping and the connect (one step, of no known length), the first pass, the retry
    // passes as they become known, the end with its pause and ":Pe#".
    const StepPlan end = oneStep(kPauseBeforeEndMs);
    ProgressSteps progress(form, name, oneStep(0) + firstPassPlan(kLanVersionWaitMs) + end);
    Controls& controls = form.controls();
    const std::optional<bool> answered =
        pingAnswered(form.platform().pinger, trimmedText(controls.text(QStringLiteral("Text13"))));
    if (!answered) return;
    if (!*answered) {
        showNotConnected(controls);
        controls.setText(QStringLiteral("Command60"), QStringLiteral("NG"));
        form.PlaySound(QStringLiteral("IPno.mp3"));
        return;
    }

    AllDispOFF(controls);
    FrmTerm& term = form.frmTerm();
    term.NETconnect1();
    // The address answers but port 9999 does not: twenty seconds of queries into a closed
    // connection would tell the operator nothing.
    if (!term.connected()) {
        AllDispON(controls);
        showNotConnected(controls);
        form.PlaySound(QStringLiteral("IPno.mp3"));
        return;
    }
    // From here on the fields change: until the read completes they hold no backup.
    form.showSettingsRead(false);
    progress.stepDone(firstPassPlan(kLanVersionWaitMs) + end);
    paintDirectionLampsNotRead(controls);

    auto send = [&term](const QString& command) { term.NET_TX(command); };
    runFirstPass(form, send, kLanVersionWaitMs, progress, end);
    runRetryPasses(form, send, progress, end);

    form.PlaySound(QStringLiteral("yomikomiend.mp3"));
    form.Wait(kPauseBeforeEndMs);
    send(QStringLiteral(":Pe#"));
    progress.stepDone({});
    AllDispON(controls);
    form.showSettingsRead(true);
}

}  // namespace qx
