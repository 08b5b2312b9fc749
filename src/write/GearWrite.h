#pragma once

namespace qx {

class Form1;

// "書き込み" (Command52) on the motor gear page: both axes' steps per degree, direction and
// microsteps go to the controller in one timed sequence with read-backs around each axis, then
// the controller may restart, the link closes and the window ends disconnected.
//
// A direction that is not a number, or steps or microsteps holding a character the command cannot
// carry, refuses the whole write before anything happens: those fields are marked and nothing is
// sent. A field spoiled during the waits skips only its own axis' command; its field is marked at
// the end.
void writeMotorGear(Form1& form);

}  // namespace qx
