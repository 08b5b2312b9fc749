#include "ui/window/Form1Events.h"

#include "shell/Form1.h"
#include "ui/Controls.h"

namespace qx {

namespace {

using On = ControlEvent;

// The elements first..last of a control array, each handing its own index to the handler.
void addArray(std::vector<EventRoute>& routes, const char* array, int first, int last, On event,
              void (Form1::*handler)(int)) {
    for (int i = first; i <= last; ++i)
        routes.push_back({element(array, i), event, nullptr, handler, i});
}

}  // namespace

void EventRoute::run(Form1& form) const {
    if (handler)
        (form.*handler)();
    else if (indexHandler)
        (form.*indexHandler)(index);
}

std::vector<EventRoute> form1EventRoutes() {
    std::vector<EventRoute> routes = {
        // Connection and link choice.
        {"Command11", On::Click, &Form1::Command11_Click},
        {"Command12", On::Click, &Form1::Command12_Click},
        {"Option7", On::Click, &Form1::Option7_Click},
        {"Option8", On::Click, &Form1::Option8_Click},
        {"Combo1", On::LostFocus, &Form1::Combo1_LostFocus},
        {"Command60", On::Click, &Form1::Command60_Click},
        // Time and site.
        {"Command34", On::Click, &Form1::Command34_Click},
    };
    // Caption buttons: a click re-reads the field behind the caption.
    addArray(routes, "Command5", 0, 19, On::Click, &Form1::Command5_Click);
    return routes;
}

}  // namespace qx
