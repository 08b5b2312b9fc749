#pragma once

namespace qx {

class Controls;
class Form1;

// The motor turning direction of one axis, as the four direction buttons choose it. The lit lamp
// of each pair is the stored choice: the model write and the user preset read it back.
enum class MotorDirection { RaPlus, RaMinus, DecPlus, DecMinus };

struct DirectionButton {
    const char* command;    // what the controller is sent
    const char* litLamp;    // the lamp of this direction
    const char* unlitLamp;  // the other lamp of its axis
};

const DirectionButton& directionButton(MotorDirection direction);

// Lights the lamp of the direction and unlights the other lamp of its axis, in that order.
void showDirection(Controls& controls, MotorDirection direction);

// A direction button (Command1..Command4): with the poll paused, the direction command is sent
// when the serial port is open, and the lamps show the choice in any case.
void turnMotorDirection(Form1& form, MotorDirection direction);

// The direction of an axis as its lamps show it: "+" when the plus lamp is lit, "−" otherwise.
MotorDirection raDirectionShown(const Controls& controls);
MotorDirection decDirectionShown(const Controls& controls);

}  // namespace qx
