#pragma once

#include <QWidget>

#include "fakes/TestRig.h"
#include "ui/window/Form1Window.h"

namespace qx::windowtest {

// The window logic on the virtual clock with fake devices (no serial port opens), and its
// window, as main puts them together.
struct WindowRig {
    WindowRig() { fakes.serial.availablePorts.clear(); }

    test::TestRig fakes;
    Form1Window window{*fakes.form};

    Controls& controls() { return fakes.controls(); }

    template <typename W = QWidget>
    W* widget(const QString& name) {
        return qobject_cast<W*>(window.control(name));
    }
};

}  // namespace qx::windowtest
