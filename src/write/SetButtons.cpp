#include "write/SetButtons.h"

#include "link/LinkSend.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "write/ControllerReset.h"
#include "write/SetCommands.h"

namespace qx {

namespace {

constexpr int kFactoryReset = 27;
constexpr int kRestart = 28;

// The microstep selectors that are also the gear calculator's microstep inputs.
struct CalculatorCopy {
    int index;
    const char* from;
    const char* to;
};
constexpr CalculatorCopy kCalculatorCopies[] = {{21, "Combo4", "Text3"}, {23, "Combo6", "Text7"}};

void copyToCalculator(Controls& controls, int index) {
    for (const CalculatorCopy& copy : kCalculatorCopies) {
        if (copy.index == index)
            controls.setText(QLatin1String(copy.to), controls.text(QLatin1String(copy.from)));
    }
}

}  // namespace

void writeSetting(Form1& form, const LinkSend& send, int index) {
    Controls& controls = form.controls();
    copyToCalculator(controls, index);  // also when the link is not ready
    const QString field = QLatin1String(setButtonField(index));
    const SetCommand command = buildSetCommand(index, controls.text(field));
    switch (command.kind) {
        case SetCommand::Kind::Send:
        case SetCommand::Kind::Reject:
            send(command.command);
            break;
        case SetCommand::Kind::Refused:
            controls.setMark(field, command.reason);
            break;
        case SetCommand::Kind::Nothing:
            break;
    }
}

void runSetButton(Form1& form, int index) {
    // The factory reset and the restart wait; a setting goes out at once.
    const bool reset = index == kFactoryReset;
    const LongSequence sequence(form,
                                reset ? QStringLiteral("工場出荷時設定") : QStringLiteral("再起動"),
                                reset || index == kRestart ? LongSequence::Start::UnlessOneRuns
                                                           : LongSequence::Start::NotASequence);
    if (sequence.refused()) return;
    form.setTimer1Interval(0);  // the poll stays stopped until the next read
    QueryIndex = kCatchAllIndex;
    const LinkSend send = LinkSend::forClick(form);
    if (index >= kFirstSetting && index <= kLastSetting)
        writeSetting(form, send, index);
    else if (index == kFactoryReset)
        factoryReset(form, send);
    else if (index == kRestart)
        restartController(form, send);
}

}  // namespace qx
