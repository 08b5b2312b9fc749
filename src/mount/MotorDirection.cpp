#include "mount/MotorDirection.h"

#include <array>

#include "operations/OneShotButtons.h"
#include "ui/Controls.h"

namespace qx {

namespace {

// In the order of MotorDirection.
constexpr std::array kDirectionButtons = {"Command1", "Command2", "Command3", "Command4"};

bool lit(const Controls& controls, const char* lamp) {
    return controls.backColor(QLatin1String(lamp)) == kLampLit;
}

const OneShotButton& rowOf(const char* control) {
    for (const OneShotButton& button : oneShotButtons())
        if (qstrcmp(button.control, control) == 0) return button;
    qFatal("no one-shot button %s", control);  // the table has the four direction buttons
}

}  // namespace

const OneShotButton& directionButton(MotorDirection direction) {
    return rowOf(kDirectionButtons[static_cast<int>(direction)]);
}

void showDirection(Controls& controls, MotorDirection direction) {
    const LampChoice& lamps = directionButton(direction).lamps;
    controls.setBackColor(QLatin1String(lamps.lit), kLampLit);
    controls.setBackColor(QLatin1String(lamps.unlit), kLampUnlit);
}

MotorDirection raDirectionShown(const Controls& controls) {
    return lit(controls, "Shape1") ? MotorDirection::RaPlus : MotorDirection::RaMinus;
}

MotorDirection decDirectionShown(const Controls& controls) {
    return lit(controls, "Shape3") ? MotorDirection::DecPlus : MotorDirection::DecMinus;
}

}  // namespace qx
