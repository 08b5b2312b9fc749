#pragma once

#include <QString>
#include <vector>

#include "ui/window/EventHooks.h"

namespace qx {

class Form1;

// One line of the window's event table: which event of which control runs which handler of
// Form1. An element of a control array names the element ("Command5(7)") and passes its index
// to the array's one handler.
struct EventRoute {
    QString control;
    ControlEvent event = ControlEvent::Click;
    void (Form1::*handler)() = nullptr;
    void (Form1::*indexHandler)(int) = nullptr;
    int index = 0;

    void run(Form1& form) const;
};

// Every event of the window that reaches a handler, in one table.
std::vector<EventRoute> form1EventRoutes();

}  // namespace qx
