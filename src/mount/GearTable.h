#pragma once

#include <array>

namespace qx {

class Controls;

// The gear table's fields: the RA axis (motor steps per revolution, microsteps, intermediate
// reduction, worm-wheel teeth) in Text2..Text5, then the DEC axis in Text6..Text9.
inline constexpr std::array kGearFields = {"Text2", "Text3", "Text4", "Text5",
                                           "Text6", "Text7", "Text8", "Text9"};

// The texts of a preset for Text2..Text9.
using GearTexts = std::array<const char*, kGearFields.size()>;

// Writes the texts unchanged, Text2 first.
void writeGearTable(Controls& controls, const GearTexts& gear);

}  // namespace qx
