#pragma once

#include <QString>

namespace qx {

class Form1;

// How a click talks to the controller over the link the operator chose (Option7 or Option8).
// Serial: a command goes out only while the port is open. LAN: the connection is opened anew once
// per click (NETconnect1), and a command goes out only while it stands (state 7). A command that
// finds its link not ready is skipped without a word. The choice is made once per click, then
// every send of that click uses it.
class LinkSend {
public:
    // The chosen link, not connected yet: for sequences that connect later.
    static LinkSend chosen(Form1& form);
    // The chosen link, connected first when it is the LAN: the start of most clicks.
    static LinkSend forClick(Form1& form);

    bool serial() const { return serial_; }
    bool ready() const;  // port open, or state 7
    void connect() const;  // NETconnect1 on the LAN; nothing on the serial link
    void operator()(const QString& command) const;  // the guarded send of the chosen link

private:
    LinkSend(Form1& form, bool serial) : form_(&form), serial_(serial) {}

    Form1* form_;
    bool serial_;
};

}  // namespace qx
