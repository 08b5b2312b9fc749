#include "mount/ModelWrite.h"

#include <array>

#include "link/SerialLink.h"
#include "mount/FamilyPresets.h"
#include "mount/GearCalculation.h"
#include "mount/MotorDirection.h"
#include "mount/UserPresetFile.h"
#include "operations/OneShotButtons.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "shell/ProgressSteps.h"
#include "ui/platform/MessageBoxes.h"

namespace qx {

namespace {

const QString kButton = QStringLiteral("Command19");
const QString kCalculatingCaption = QStringLiteral("書込中");
const QString kDoneCaption = QStringLiteral("コントローラー書込");
// The calculation stopped: nothing was written; the marked inputs say why.
const QString kStoppedCaption = QStringLiteral("書込中止（計算不可）");
// The port closed during the write (the device went away, or "切断"): the later settings were
// not sent, so the write is not reported as finished.
const QString kPortLostCaption = QStringLiteral("書込中断（ポート切断）");
const QString kDoneMessage = QStringLiteral("書き込みが終了しました。");
const QString kApplicationTitle = QStringLiteral("QuorvelX");
const QString kEndCommand = QStringLiteral(":$PP#");

constexpr int kAfterRaDirectionMs = 300;
constexpr int kAfterDecDirectionMs = 500;
constexpr int kAfterSettingMs = 500;

struct GearSetting {
    const char* caption;
    int setButton;  // Command6(index)
};

// MaxRate, steps per degree and per worm turn of both axes, then the four microsteps.
constexpr std::array<GearSetting, 9> kGearSettings = {{
    {"書込中.", 0},
    {"書込中..", 1},
    {"書込中...", 2},
    {"書込中....", 3},
    {"書込中.....", 4},
    {"書込中.....", 21},
    {"書込中......", 22},
    {"書込中......", 23},
    {"書込中.......", 24},
}};

// The steps: both directions, the gear settings, and the end (the box, ":$PP#" and the close).
StepPlan modelWritePlan() {
    StepPlan plan = oneStep(kAfterRaDirectionMs) + oneStep(kAfterDecDirectionMs);
    for (std::size_t i = 0; i < kGearSettings.size(); ++i) plan = plan + oneStep(kAfterSettingMs);
    return plan + oneStep(0);
}

void sendDirections(Form1& form, ProgressSteps& progress) {
    const Controls& c = form.controls();
    form.comm().send(QLatin1String(directionButton(raDirectionShown(c)).command));
    form.Wait(kAfterRaDirectionMs);
    progress.stepDoneAsPlanned(kAfterRaDirectionMs);
    form.comm().send(QLatin1String(directionButton(decDirectionShown(c)).command));
    form.Wait(kAfterDecDirectionMs);
    progress.stepDoneAsPlanned(kAfterDecDirectionMs);
}

void writeGearSettings(Form1& form, ProgressSteps& progress) {
    for (const GearSetting& setting : kGearSettings) {
        form.controls().setText(kButton, QString::fromUtf8(setting.caption));
        form.Command6_Click(setting.setButton);
        form.Wait(kAfterSettingMs);
        progress.stepDoneAsPlanned(kAfterSettingMs);
    }
}

}  // namespace

void writeControllerModel(Form1& form) {
    const QString name = QStringLiteral("コントローラー書込");
    const LongSequence sequence(form, name);
    if (sequence.refused()) return;
    Controls& c = form.controls();
    c.setText(kButton, kCalculatingCaption);
    if (!calculateGear(c)) {
        c.setText(kButton, kStoppedCaption);
        return;
    }
    if (otherFamilyChosen(c)) Save_Set(form);
    if (!form.comm().portOpen()) {
        c.setText(kButton, kDoneCaption);
        return;
    }
    ProgressSteps progress(form, name, modelWritePlan());
    sendDirections(form, progress);
    writeGearSettings(form, progress);
    if (!form.comm().portOpen()) {
        c.setText(kButton, kPortLostCaption);
        return;
    }
    c.setText(kButton, kDoneCaption);
    form.platform().messages.show(kDoneMessage, kApplicationTitle, MessageBoxes::Buttons::Ok);
    form.comm().send(kEndCommand);  // only if the port is still open after the box
    form.comm().COMM1close();
    progress.stepDoneAsPlanned(0);
}

}  // namespace qx
