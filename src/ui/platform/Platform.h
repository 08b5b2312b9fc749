#pragma once

#include "ui/platform/Clock.h"
#include "ui/platform/Desktop.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/Folders.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Network.h"
#include "ui/platform/Scheduler.h"
#include "ui/platform/SerialPort.h"
#include "ui/platform/Sound.h"
#include "ui/platform/TcpClient.h"

namespace qx {

// Every facility of the operating system that the handlers use. The window gets the Qt
// implementations (ui/qt); tests get the doubles of tests/fakes.
struct Platform {
    Scheduler& scheduler;
    Clock& clock;
    SerialPort& serial;
    TcpClient& tcp;
    MessageBoxes& messages;
    Sound& sound;
    Pinger& pinger;
    Desktop& desktop;
    Folders& folders;
    FileDialogs& files;
};

}  // namespace qx
