#pragma once

namespace qx {

class Form1;

// "コントローラ書込": recalculates the gear table, stores it as the user preset when "その他" is
// the chosen family, and, with the serial port open, sends the two directions the lamps show and
// runs the nine gear SET buttons, each followed by its wait; then tells the operator, sends
// ":$PP#" and closes the port. A calculation that stops ends it before anything is stored or
// sent, and the caption says so. Serial only.
void writeControllerModel(Form1& form);

}  // namespace qx
