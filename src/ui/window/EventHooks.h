#pragma once

#include <functional>

class QWidget;

namespace qx {

// The events of a control that the window logic handles.
enum class ControlEvent {
    Click,      // buttons, option buttons, labels, pictures
    Select,     // a list entry chosen in a combo box
    LostFocus,  // the control loses the keyboard focus to another control of the window
    KeyDown,    // a key is pressed in the control (before the control handles the key)
};

// Runs action whenever the event happens on the widget. Returns false when the widget has no
// such event (a click on a text box, a selection in a button).
bool hookEvent(QWidget* widget, ControlEvent event, std::function<void()> action);

}  // namespace qx
