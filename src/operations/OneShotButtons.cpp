#include "operations/OneShotButtons.h"

#include <functional>

#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

constexpr int kPollIntervalMs = 1000;

constexpr SendForm Serial = SendForm::SerialOnly;
constexpr SendForm Link = SendForm::Link;
constexpr Poll Keep = Poll::Untouched;
constexpr Poll Stop = Poll::Stop;
constexpr Poll Restart = Poll::StopAndRestart;

// The motor ON button (Command10) lights no lamp: the direction lamps are the RA and DEC direction
// that the controller model write sends, and starting the motor does not choose a direction.
// The pause-at-flip pair is coloured here because its state is never read back.
// clang-format off
constexpr OneShotButton kButtons[] = {
    // control    send    command     idx read-back               poll     lamps (lit, unlit)
    {"Command1",  Serial, ":TA#",     0,  {},                     Restart, {"Shape1", "Shape2"}},
    {"Command2",  Serial, ":TB#",     0,  {},                     Restart, {"Shape2", "Shape1"}},
    {"Command3",  Serial, ":TC#",     0,  {},                     Restart, {"Shape3", "Shape4"}},
    {"Command4",  Serial, ":TD#",     0,  {},                     Restart, {"Shape4", "Shape3"}},
    {"Command10", Link,   ":Te#",     0,  {},                     Restart, {}},
    {"Command9",  Link,   ":Td#",     0,  {},                     Restart, {}},
    {"Command27", Link,   ":TQ#",     0,  {},                     Keep,    {}},
    {"Command49", Link,   ":TK#",     0,  {},                     Keep,    {}},
    {"Command26", Link,   ":TL#",     0,  {},                     Keep,    {}},
    {"Command25", Link,   ":TS#",     0,  {},                     Keep,    {}},
    {"Command24", Link,   ":T0#",     0,  {},                     Keep,    {}},
    {"Command43", Link,   ":R0#",     0,  {},                     Keep,    {}},
    {"Command42", Link,   ":R1#",     0,  {},                     Keep,    {}},
    {"Command41", Link,   ":R2#",     0,  {},                     Keep,    {}},
    {"Command40", Link,   ":R3#",     0,  {},                     Keep,    {}},
    {"Command47", Link,   ":R5#",     0,  {},                     Keep,    {}},
    {"Command46", Link,   ":R6#",     0,  {},                     Keep,    {}},
    {"Command45", Link,   ":R7#",     0,  {},                     Keep,    {}},
    {"Command50", Link,   ":R8#",     0,  {},                     Keep,    {}},
    {"Command30", Serial, ":=SD#",    0,  {},                     Keep,    {}, ":RG#"},
    {"Command31", Serial, ":RC#",     0,  {},                     Keep,    {}},
    {"Command32", Serial, ":RM#",     0,  {},                     Keep,    {}},
    {"Command33", Serial, ":RS#",     0,  {},                     Keep,    {}},
    {"Command23", Link,   ":T+#",     0,  {},                     Keep,    {}},
    {"Command22", Link,   ":T-#",     0,  {},                     Keep,    {}},
    {"Command54", Link,   ":TR#",     0,  {},                     Keep,    {}},
    {"Command8",  Serial, ":TV#",     0,  {},                     Keep,    {"Shape5", "Shape6"}},
    {"Command7",  Serial, ":TW#",     0,  {},                     Keep,    {"Shape6", "Shape5"}},
    {"Command21", Serial, ":TX#",     26, {3000, ":GXEI#", 3000}, Restart, {}},
    {"Command20", Serial, ":TY#",     26, {3000, ":GXEI#", 3000}, Restart, {}},
    {"Command15", Serial, ":SX95,1#", 27, {3000, ":GX95#"},       Stop,    {}},
    {"Command16", Serial, ":SX95,0#", 27, {2000, ":GX95#"},       Stop,    {}},
    {"Command17", Link,   ":SX98,1#", 28, {},                     Stop,    {"Shape11", "Shape12"}},
    {"Command18", Link,   ":SX98,0#", 28, {},                     Stop,    {"Shape12", "Shape11"}},
    {"Command13", Link,   ":SX97,1#", 29, {2000, ":GXEP#"},       Stop,    {}},
    {"Command14", Link,   ":SX97,0#", 29, {3000, ":GXEP#"},       Stop,    {}},
};
// clang-format on

// The send of one click: the chosen link (connected first on the LAN), or the serial port alone.
std::function<void(const QString&)> senderFor(Form1& form, SendForm send) {
    if (send == SendForm::Link) return LinkSend::forClick(form);
    return [&form](const QString& command) { form.comm().send(command); };
}

}  // namespace

std::span<const OneShotButton> oneShotButtons() {
    return kButtons;
}

void pressOneShotButton(Form1& form, const OneShotButton& button) {
    // Only a button that reads its state back waits.
    const LongSequence sequence(form, QStringLiteral("読み返し"),
                                button.readBack.query ? LongSequence::Start::UnlessOneRuns
                                                      : LongSequence::Start::NotASequence);
    if (sequence.refused()) return;
    if (button.queryIndex != 0) QueryIndex = button.queryIndex;
    if (button.poll != Poll::Untouched) form.setTimer1Interval(0);
    const std::function<void(const QString&)> send = senderFor(form, button.send);
    send(QLatin1String(button.command));
    if (button.thenCommand) send(QLatin1String(button.thenCommand));
    if (const ReadBack& readBack = button.readBack; readBack.query) {
        form.Wait(readBack.waitBeforeMs);
        send(QLatin1String(readBack.query));
        if (readBack.waitAfterMs > 0) form.Wait(readBack.waitAfterMs);
    }
    if (button.lamps.lit) {
        form.controls().setBackColor(QLatin1String(button.lamps.lit), kLampLit);
        form.controls().setBackColor(QLatin1String(button.lamps.unlit), kLampUnlit);
    }
    if (button.poll == Poll::StopAndRestart) form.setTimer1Interval(kPollIntervalMs);
}

void pressOneShotButton(Form1& form, const QString& control) {
    for (const OneShotButton& button : kButtons)
        if (control == QLatin1String(button.control)) pressOneShotButton(form, button);
}

void showFineTrimPanel(Form1& form, int /*heading*/) {
    form.controls().setVisible(QStringLiteral("Picture9"), true);
}

}  // namespace qx
