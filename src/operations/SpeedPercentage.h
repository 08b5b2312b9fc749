#pragma once

#include <QString>
#include <optional>

namespace qx {

class Form1;

// The slew-speed percentage of button Command48(index): ":SX93,K#" for 50% (index 0) ...
// ":SX93,A#" for 100% (index 10), ":SX93,L#" for 150% ... ":SX93,Q#" for 400% (index 16).
std::optional<QString> speedPercentageCommand(int index);

// A percentage button: its command, 1000 ms, then the slew speed read back into Text1(49).
void setSpeedPercentage(Form1& form, int index);

}  // namespace qx
