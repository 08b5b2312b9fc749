#pragma once

#include <QWidget>

#include "shell/Form1.h"
#include "ui/window/Form1Window.h"
#include "window/NullPlatform.h"

namespace qx::windowtest {

// The window logic on null devices and its window, as main puts them together.
struct WindowRig {
    NullPlatform devices;
    Form1 form{devices.platform};
    Form1Window window{form};

    Controls& controls() { return form.controls(); }

    template <typename W = QWidget>
    W* widget(const QString& name) {
        return qobject_cast<W*>(window.control(name));
    }
};

}  // namespace qx::windowtest
