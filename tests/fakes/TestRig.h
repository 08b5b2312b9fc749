#pragma once

#include <QTemporaryDir>
#include <memory>

#include "fakes/EventLog.h"
#include "fakes/FakeDevices.h"
#include "fakes/ScriptedFileDialogs.h"
#include "fakes/VirtualScheduler.h"
#include "shell/Form1.h"
#include "sim/Controller.h"

namespace qx::test {

// A window logic on the virtual clock with every platform facility faked, its settings in a
// fresh temporary folder. With a simulator attached, what the window writes to the serial port
// or the TCP link reaches a simulated controller whose answers arrive at their virtual times.
class TestRig {
public:
    TestRig();
    ~TestRig();

    // Routes both links to a simulated controller.
    sim::Controller& attachSimulator();

    QString settingsFile(const char* name) const;

    VirtualScheduler clock;
    EventLog log{clock};
    FakeSerialPort serial{log};
    FakeTcpClient tcp{clock, log};
    FakeClock pcClock;
    ScriptedMessageBoxes messages{log};
    RecordingSound sound{log};
    FakePinger pinger{log};
    FakeDesktop desktop{log};
    FakeFolders folders;
    ScriptedFileDialogs files{log};
    QTemporaryDir settingsDir;
    Platform platform{clock, pcClock, serial,  tcp,     messages,
                      sound, pinger,  desktop, folders, files};
    std::unique_ptr<Form1> form;
    std::unique_ptr<sim::Controller> controller;

    Controls& controls() { return form->controls(); }
};

}  // namespace qx::test
