#pragma once

#include <span>

namespace qx {

class Form1;

// German equatorial, fork or alt-azimuth operation; the controller takes it after a power cycle.
struct MountModeButton {
    const char* control;
    const char* serialPrelude;  // sent over serial only, 100 ms before the mode
    const char* mode;
};

std::span<const MountModeButton> mountModeButtons();

// Serial: prelude, 100 ms, mode, then the port is closed, whether or not anything went out.
// LAN: the mode alone, and the connection stays open. The mode lamps follow the controller's
// answer to the mode query, not this button.
void setMountMode(Form1& form, const MountModeButton& button);

}  // namespace qx
