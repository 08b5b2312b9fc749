#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "ui/window/EventHooks.h"

namespace qx {

class Form1;

// One line of the window's event table: which event of which control runs which action on the
// window's logic. An element of a control array names the element ("Command5(7)") and its action
// hands that index to the array's one handler.
struct EventRoute {
    QString control;
    ControlEvent event = ControlEvent::Click;
    std::function<void(Form1&)> run;
};

// Every event of the window that reaches a handler, in one table.
std::vector<EventRoute> form1EventRoutes();

}  // namespace qx
