#include "mount/MotorDirection.h"

#include <array>

#include "link/SerialLink.h"
#include "shell/Form1.h"
#include "ui/Controls.h"

namespace qx {

namespace {

// In the order of MotorDirection: Command1..Command4 and their lamps.
constexpr int kPollIntervalMs = 1000;

constexpr std::array<DirectionButton, 4> kDirectionButtons = {{
    {":TA#", "Shape1", "Shape2"},
    {":TB#", "Shape2", "Shape1"},
    {":TC#", "Shape3", "Shape4"},
    {":TD#", "Shape4", "Shape3"},
}};

bool lit(const Controls& controls, const char* lamp) {
    return controls.backColor(QLatin1String(lamp)) == kLampLit;
}

}  // namespace

const DirectionButton& directionButton(MotorDirection direction) {
    return kDirectionButtons[static_cast<int>(direction)];
}

void showDirection(Controls& controls, MotorDirection direction) {
    const DirectionButton& button = directionButton(direction);
    controls.setBackColor(QLatin1String(button.litLamp), kLampLit);
    controls.setBackColor(QLatin1String(button.unlitLamp), kLampUnlit);
}

void turnMotorDirection(Form1& form, MotorDirection direction) {
    form.setTimer1Interval(0);
    form.comm().send(QLatin1String(directionButton(direction).command));
    showDirection(form.controls(), direction);
    form.setTimer1Interval(kPollIntervalMs);
}

MotorDirection raDirectionShown(const Controls& controls) {
    return lit(controls, "Shape1") ? MotorDirection::RaPlus : MotorDirection::RaMinus;
}

MotorDirection decDirectionShown(const Controls& controls) {
    return lit(controls, "Shape3") ? MotorDirection::DecPlus : MotorDirection::DecMinus;
}

}  // namespace qx
