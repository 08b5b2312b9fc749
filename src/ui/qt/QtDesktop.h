#pragma once

#include <memory>

#include "ui/platform/Desktop.h"

namespace qx {

class QtScheduler;
class SerialPortsWindow;

// The browser, the system's device list and the end of the program.
class QtDesktop : public Desktop {
public:
    explicit QtDesktop(const QtScheduler& scheduler);
    ~QtDesktop() override;

    bool openUrl(const QString& url) override;
    // Windows: the device manager console. Elsewhere the tool's own list of serial ports.
    bool openDeviceList() override;
    // From the main event loop: leaves it, and main returns. From inside a wait: a nested event
    // loop cannot be unwound from there, so the process ends at once (the settings files are
    // already saved when this is called).
    void endProgram() override;

private:
    const QtScheduler& scheduler_;
    std::unique_ptr<SerialPortsWindow> serialPorts_;
};

}  // namespace qx
