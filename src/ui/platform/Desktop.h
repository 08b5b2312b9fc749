#pragma once

#include <QString>

namespace qx {

// Opening things outside the program: the controller's web page, the system's device list.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool openDeviceList() = 0;
    // Ends the process now (after the window's own shutdown steps have run).
    virtual void endProgram() = 0;
};

}  // namespace qx
