#pragma once

namespace qx {

class Form1;

// A click on the SET button Command6(index): the poll stops, replies go to the catch-all index,
// the link is chosen (and connected on the LAN), then the button's action runs. Indexes 0..26
// write one setting; 27 is the factory reset and 28 the restart of the controller; any other
// index does nothing more.
void runSetButton(Form1& form, int index);

}  // namespace qx
