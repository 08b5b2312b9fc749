#pragma once

#include "ui/platform/Platform.h"
#include "ui/qt/QtClock.h"
#include "ui/qt/QtDesktop.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtFolders.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtPinger.h"
#include "ui/qt/QtScheduler.h"
#include "ui/qt/QtSerialPort.h"
#include "ui/qt/QtSound.h"
#include "ui/qt/QtTcpClient.h"

namespace qx {

// The real platform: one Qt implementation of each facility, for the program and for the
// end-to-end tests. Create it after the QApplication.
class QtPlatform {
public:
    QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& platform() { return platform_; }

    QtScheduler& scheduler() { return scheduler_; }
    QtSerialPort& serial() { return serial_; }
    QtTcpClient& tcp() { return tcp_; }
    QtSound& sound() { return sound_; }
    QtPinger& pinger() { return pinger_; }
    QtFolders& folders() { return folders_; }

private:
    QtScheduler scheduler_;
    QtClock clock_;
    QtSerialPort serial_;
    QtTcpClient tcp_;
    QtMessageBoxes messages_;
    QtSound sound_;
    QtPinger pinger_;
    QtDesktop desktop_;
    QtFolders folders_;
    QtFileDialogs files_;
    Platform platform_;
};

}  // namespace qx
