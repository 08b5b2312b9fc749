#pragma once

#include <QStringList>

namespace qx {

class Controls;

// The settings controls that are locked while the window has not read the controller yet, and
// during reads and writes: 83 controls, in the order they are switched.
QStringList settingsControls();

void AllDispOFF(Controls& controls);
void AllDispON(Controls& controls);

}  // namespace qx
