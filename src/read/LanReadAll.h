#pragma once

namespace qx {

class Form1;

// The "接続" button of the LAN link: one ping of the address, then connect and read every
// setting over TCP. A failed ping, or a connection that does not stand within the link's
// connect limit, ends the click with the window not connected and nothing sent.
void readAllOverLan(Form1& form);

}  // namespace qx
