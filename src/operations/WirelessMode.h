#pragma once

#include <span>

namespace qx {

class Form1;

// The wireless mode the controller starts in: access point or station.
struct WirelessModeButton {
    const char* control;
    const char* mode;
};

std::span<const WirelessModeButton> wirelessModeButtons();

// The mode, ":Pe#" and ":Pz#", a second apart; then the link is closed and, a second later, the
// window disconnects, so that the operator restarts the controller and connects again.
void setWirelessMode(Form1& form, const WirelessModeButton& button);

}  // namespace qx
