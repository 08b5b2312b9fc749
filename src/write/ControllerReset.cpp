#include "write/ControllerReset.h"

#include <array>

#include "link/LanLink.h"
#include "link/LinkSend.h"
#include "shell/Form1.h"
#include "shell/ProgressSteps.h"
#include "ui/platform/MessageBoxes.h"

namespace qx {

namespace {

struct ResetStep {
    const char* command;
    int serialWaitMs;
    int lanWaitMs;
};

// The factory reset: defaults, then each axis reset and read back; the LAN needs longer waits.
// clang-format off
constexpr std::array<ResetStep, 12> kFactoryResetSteps{{
    {":Pd#", 1000, 2000},     {":SXA1,R#", 1000, 2000}, {":GXEM#", 10, 200},
    {":GXA1#", 10, 200},      {":GXE7#", 10, 200},      {":GXA2#", 2000, 2000},
    {":SXA2,R#", 1000, 2000}, {":GXEM#", 10, 200},      {":GXA1#", 10, 200},
    {":GXE7#", 10, 200},      {":GXA2#", 2000, 2000},   {":Pz#", 0, 1000},
}};
// clang-format on

int waitMs(const ResetStep& step, bool serial) {
    return serial ? step.serialWaitMs : step.lanWaitMs;
}

// The steps: the LAN's connect (of no known length), the table, and the disconnect with its blink.
StepPlan factoryResetPlan(bool serial) {
    StepPlan plan = serial ? StepPlan{} : oneStep(0);
    for (const ResetStep& step : kFactoryResetSteps) plan = plan + oneStep(waitMs(step, serial));
    return plan + oneStep(Form1::kBlinkLengthMs);
}

constexpr std::array kGearFields = {"Text1(1)",   "Text1(2)",   "Text1(100)",
                                    "Text1(101)", "Text1(102)", "Text1(103)"};

bool confirmed(Form1& form, const char* text, const char* title) {
    return form.platform().messages.show(QString::fromUtf8(text), QString::fromUtf8(title),
                                         MessageBoxes::Buttons::OkCancel) ==
           MessageBoxes::Answer::Ok;
}

// The controller restarts: the window goes to its disconnected state, and the LAN link closes.
void endDisconnected(Form1& form, const LinkSend& send) {
    form.Command12_Click();
    if (!send.serial()) form.frmTerm().NETOffLine1();
}

}  // namespace

bool restartConfirmed(Form1& form) {
    return confirmed(form, "コントローラーを再起動しますか？", "再起動");
}

void emptyGearFields(Form1& form) {
    for (const char* field : kGearFields) form.controls().setText(QLatin1String(field), QString());
}

void factoryReset(Form1& form, const LinkSend& send) {
    if (!confirmed(form, "工場設定値に戻しますか？", "工場出荷設定")) return;
    const bool serial = send.serial();
    ProgressSteps progress(form, QStringLiteral("工場出荷時設定"), factoryResetPlan(serial));
    send.connect();  // the LAN connects once more
    if (!serial) progress.stepDoneAsPlanned(0);
    Controls& controls = form.controls();
    controls.setVisible(QStringLiteral("Picture7"), true);
    for (const ResetStep& step : kFactoryResetSteps) {
        send(QLatin1String(step.command));  // a skipped send still waits
        form.Wait(waitMs(step, serial));
        progress.stepDoneAsPlanned(waitMs(step, serial));
    }
    emptyGearFields(form);
    controls.setVisible(QStringLiteral("Picture7"), false);
    endDisconnected(form, send);
    progress.stepDoneAsPlanned(Form1::kBlinkLengthMs);
}

void restartController(Form1& form, const LinkSend& send) {
    if (!restartConfirmed(form)) return;
    send(QStringLiteral(":Pz#"));
    endDisconnected(form, send);
}

}  // namespace qx
