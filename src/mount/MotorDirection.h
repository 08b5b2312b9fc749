#pragma once

namespace qx {

class Controls;
struct OneShotButton;

// The motor turning direction of one axis, as the four direction buttons choose it. The lit lamp
// of each pair is the stored choice: the model write and the user preset read it back.
enum class MotorDirection { RaPlus, RaMinus, DecPlus, DecMinus };

// The direction's button (Command1..Command4): its command and its lamp pair.
const OneShotButton& directionButton(MotorDirection direction);

// Lights the lamp of the direction and unlights the other lamp of its axis, in that order.
void showDirection(Controls& controls, MotorDirection direction);

// The direction of an axis as its lamps show it: "+" when the plus lamp is lit, "−" otherwise.
MotorDirection raDirectionShown(const Controls& controls);
MotorDirection decDirectionShown(const Controls& controls);

}  // namespace qx
