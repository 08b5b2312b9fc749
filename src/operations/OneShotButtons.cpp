#include "operations/OneShotButtons.h"

#include <array>
#include <functional>

#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"

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
constexpr std::array kButtons{
    //           control      send    command      then     index read-back                  poll     lamps
    OneShotButton{"Command1",  Serial, ":TA#",      nullptr, 0,  {},                       Restart, {"Shape1", "Shape2"}},
    OneShotButton{"Command2",  Serial, ":TB#",      nullptr, 0,  {},                       Restart, {"Shape2", "Shape1"}},
    OneShotButton{"Command3",  Serial, ":TC#",      nullptr, 0,  {},                       Restart, {"Shape3", "Shape4"}},
    OneShotButton{"Command4",  Serial, ":TD#",      nullptr, 0,  {},                       Restart, {"Shape4", "Shape3"}},
    OneShotButton{"Command10", Link,   ":Te#",      nullptr, 0,  {},                       Restart, {}},
    OneShotButton{"Command9",  Link,   ":Td#",      nullptr, 0,  {},                       Restart, {}},
    OneShotButton{"Command27", Link,   ":TQ#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command49", Link,   ":TK#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command26", Link,   ":TL#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command25", Link,   ":TS#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command24", Link,   ":T0#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command43", Link,   ":R0#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command42", Link,   ":R1#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command41", Link,   ":R2#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command40", Link,   ":R3#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command47", Link,   ":R5#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command46", Link,   ":R6#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command45", Link,   ":R7#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command50", Link,   ":R8#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command30", Serial, ":=SD#",     ":RG#",  0,  {},                       Keep,    {}},
    OneShotButton{"Command31", Serial, ":RC#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command32", Serial, ":RM#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command33", Serial, ":RS#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command23", Link,   ":T+#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command22", Link,   ":T-#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command54", Link,   ":TR#",      nullptr, 0,  {},                       Keep,    {}},
    OneShotButton{"Command8",  Serial, ":TV#",      nullptr, 0,  {},                       Keep,    {"Shape5", "Shape6"}},
    OneShotButton{"Command7",  Serial, ":TW#",      nullptr, 0,  {},                       Keep,    {"Shape6", "Shape5"}},
    OneShotButton{"Command21", Serial, ":TX#",      nullptr, 26, {3000, ":GXEI#", 3000},   Restart, {}},
    OneShotButton{"Command20", Serial, ":TY#",      nullptr, 26, {3000, ":GXEI#", 3000},   Restart, {}},
    OneShotButton{"Command15", Serial, ":SX95,1#",  nullptr, 27, {3000, ":GX95#", 0},      Stop,    {}},
    OneShotButton{"Command16", Serial, ":SX95,0#",  nullptr, 27, {2000, ":GX95#", 0},      Stop,    {}},
    OneShotButton{"Command17", Link,   ":SX98,1#",  nullptr, 28, {},                       Stop,    {"Shape11", "Shape12"}},
    OneShotButton{"Command18", Link,   ":SX98,0#",  nullptr, 28, {},                       Stop,    {"Shape12", "Shape11"}},
    OneShotButton{"Command13", Link,   ":SX97,1#",  nullptr, 29, {2000, ":GXEP#", 0},      Stop,    {}},
    OneShotButton{"Command14", Link,   ":SX97,0#",  nullptr, 29, {3000, ":GXEP#", 0},      Stop,    {}},
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
