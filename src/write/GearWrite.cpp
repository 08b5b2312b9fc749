#include "write/GearWrite.h"

#include <array>
#include <vector>

#include "link/LanLink.h"
#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "shell/ProgressSteps.h"
#include "write/AxisSettings.h"
#include "write/ControllerReset.h"

namespace qx {

namespace {

struct Waits {
    int serialMs;
    int lanMs;
};

struct GearStep {
    enum class Kind {
        Command,       // `command`, then `after`
        ReadBack,      // the read-back queries, `after` following the last of them
        AxisSettings,  // the axis-settings command of `axis`, built from its fields as they are now
    };
    Kind kind;
    const char* command = nullptr;
    const GearAxis* axis = nullptr;
    Waits after{};
};

using K = GearStep::Kind;

// What the controller holds for the mount mode, both axes and the steps per worm turn.
constexpr std::array kReadBackQueries{":GXEm#", ":GXA1#", ":GXE7#", ":GXA2#"};
constexpr Waits kWithinReadBack{30, 500};  // after each read-back query but the last

// clang-format off
constexpr std::array<GearStep, 10> kGearSteps{{
    {K::Command,      ":Pd#",     nullptr,   {1000, 1000}},
    {K::Command,      ":SXAC,0#", nullptr,   {1000, 1000}},
    {K::ReadBack,     nullptr,    nullptr,   {1000, 500}},
    {K::AxisSettings, nullptr,    &kRaAxis,  {1000, 2000}},
    {K::Command,      ":SXE7,1#", nullptr,   {1000, 1000}},
    {K::ReadBack,     nullptr,    nullptr,   {0, 500}},  // on serial the next group follows at once
    {K::ReadBack,     nullptr,    nullptr,   {1000, 500}},
    {K::AxisSettings, nullptr,    &kDecAxis, {1000, 2000}},
    {K::Command,      ":SXE7,1#", nullptr,   {1000, 1000}},
    {K::ReadBack,     nullptr,    nullptr,   {2000, 2000}},
}};
// clang-format on

// The LAN link is given six seconds after the start sound before it connects anew.
constexpr int kLanPauseBeforeConnectMs = 6000;
// Between the restart question and the closing of the link.
constexpr int kPauseBeforeCloseMs = 1000;

const QString kWritePanel = QStringLiteral("Picture7");  // "書き込み中"

int waitMs(Waits waits, bool serial) {
    return serial ? waits.serialMs : waits.lanMs;
}

// A step's waits: those between its read-back queries and the one after it.
int stepMs(const GearStep& step, bool serial) {
    const int within = step.kind == K::ReadBack
                           ? int(kReadBackQueries.size() - 1) * waitMs(kWithinReadBack, serial)
                           : 0;
    return within + waitMs(step.after, serial);
}

// The steps: the LAN's pause and connect, the table, the restart question with the pause before
// the link closes, and the disconnect with its blink.
StepPlan gearWritePlan(bool serial) {
    StepPlan plan = serial ? StepPlan{} : oneStep(kLanPauseBeforeConnectMs);
    for (const GearStep& step : kGearSteps) plan = plan + oneStep(stepMs(step, serial));
    return plan + oneStep(kPauseBeforeCloseMs) + oneStep(Form1::kBlinkLengthMs);
}

AxisTexts textsOf(const Controls& controls, const GearAxis& axis) {
    return {controls.text(QLatin1String(axis.steps)), controls.text(QLatin1String(axis.direction)),
            controls.text(QLatin1String(axis.microsteps))};
}

void mark(Controls& controls, const std::vector<FieldRefusal>& refusals,
          const QString& prefix = {}) {
    for (const FieldRefusal& refusal : refusals)
        controls.setMark(refusal.field, prefix + refusal.reason);
}

// Marks the fields that keep the write from starting; true when there is one.
bool refusedBeforeStart(Controls& controls) {
    std::vector<FieldRefusal> refusals;
    for (const GearAxis* axis : {&kRaAxis, &kDecAxis}) {
        const std::vector<FieldRefusal> own = axisRefusals(*axis, textsOf(controls, *axis));
        refusals.insert(refusals.end(), own.begin(), own.end());
    }
    mark(controls, refusals);
    return !refusals.empty();
}

// One run of the sequence over the link chosen at its start.
struct GearRun {
    Form1& form;
    LinkSend send;
    std::vector<FieldRefusal> skipped;  // fields spoiled during the waits: their axis was not sent

    void wait(Waits waits) { form.Wait(waitMs(waits, send.serial())); }

    // A skipped send still takes its wait.
    void perform(const GearStep& step) {
        switch (step.kind) {
            case K::Command:
                send(QLatin1String(step.command));
                break;
            case K::ReadBack:
                for (std::size_t i = 0; i < kReadBackQueries.size(); ++i) {
                    if (i > 0) wait(kWithinReadBack);
                    send(QLatin1String(kReadBackQueries[i]));
                }
                break;
            case K::AxisSettings:
                sendAxisSettings(*step.axis);
                break;
        }
        wait(step.after);
    }

    // Built only when it can go out, from the fields as they are then.
    void sendAxisSettings(const GearAxis& axis) {
        if (!send.ready()) return;
        const AxisTexts texts = textsOf(form.controls(), axis);
        if (const std::optional<QString> command = axisSettingsCommand(axis, texts)) {
            send(*command);
        } else {
            const std::vector<FieldRefusal> own = axisRefusals(axis, texts);
            skipped.insert(skipped.end(), own.begin(), own.end());
        }
    }

    void closeLink() {
        if (send.serial())
            form.comm().COMM1close();
        else
            form.frmTerm().NETOffLine1();
    }
};

}  // namespace

void writeMotorGear(Form1& form) {
    const QString name = QStringLiteral("モーターギア書き込み");
    const LongSequence sequence(form, name);
    if (sequence.refused()) return;
    Controls& controls = form.controls();
    if (refusedBeforeStart(controls)) return;
    AllDispOFF(controls);
    form.PlaySound(QStringLiteral("kakikomistart.mp3"));
    GearRun run{form, LinkSend::chosen(form), {}};
    const bool serial = run.send.serial();
    ProgressSteps progress(form, name, gearWritePlan(serial));
    if (!serial) {
        form.Wait(kLanPauseBeforeConnectMs);
        run.send.connect();
        progress.stepDoneAsPlanned(kLanPauseBeforeConnectMs);
    }
    controls.setVisible(kWritePanel, true);
    for (const GearStep& step : kGearSteps) {
        run.perform(step);
        progress.stepDoneAsPlanned(stepMs(step, serial));
    }
    form.PlaySound(QStringLiteral("kakikomiend.mp3"));
    if (restartConfirmed(form)) run.send(QStringLiteral(":Pz#"));  // Cancel: no restart
    form.Wait(kPauseBeforeCloseMs);
    run.closeLink();
    progress.stepDoneAsPlanned(kPauseBeforeCloseMs);
    emptyGearFields(form);
    controls.setVisible(kWritePanel, false);
    form.Command12_Click();
    progress.stepDoneAsPlanned(Form1::kBlinkLengthMs);
    // Emptied now, these fields still say why their axis was not written, until the next read.
    mark(controls, run.skipped, QStringLiteral("書き込まれませんでした："));
}

}  // namespace qx
