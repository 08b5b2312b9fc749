#pragma once

#include <QWidget>

#include "ui/Controls.h"

namespace qx {

// Creates the widget that shows one control of the layout, as a child of parent (a page is added
// to its tab control). The widget carries the control's name as its objectName and its
// accessibleDescription, so that tests and assistive tools can address it. Its state (text,
// checked, colour, visibility) is left to the binding.
QWidget* createControlWidget(const ControlDesign& design, QWidget* parent);

}  // namespace qx
