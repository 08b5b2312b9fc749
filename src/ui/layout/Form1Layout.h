#pragma once

#include <vector>

#include "ui/Controls.h"

namespace qx {

inline constexpr int kForm1Width = 826;
inline constexpr int kForm1Height = 770;
inline const char* const kForm1Title = " QuorvelX ｾｯﾃｲ ver10.3.2";

// Every control of the main window with its container, place, design caption or text, list,
// designed visibility and colour. Parents come before their children.
std::vector<ControlDesign> form1Layout();

}  // namespace qx
