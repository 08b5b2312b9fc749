#pragma once

namespace qx {

class Form1;
class LinkSend;

// A click on the SET button Command6(index): the poll stops, replies go to the catch-all index,
// the link is chosen (and connected on the LAN), then the button's action runs. Indexes 0..26
// write one setting; 27 is the factory reset and 28 the restart of the controller; any other
// index does nothing more.
void runSetButton(Form1& form, int index);

// The action of SET button `index` (0..26) for its field's current text, sent by `send`: the
// command, the reject command, nothing, or a mark on the field that says why not.
void writeSetting(Form1& form, const LinkSend& send, int index);

}  // namespace qx
