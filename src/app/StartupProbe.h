#pragma once

class QWidget;

namespace qx {

// For the start-up benchmark: when the environment variable QUORVELX_STARTUP_PROBE is set, prints
// one line to standard output as soon as the window has been painted and the event loop has
// nothing left to do:
//   startup-probe <monotonic clock in ns> <peak resident set in kB>
// The clock is the system's monotonic one, so that the process that started the program can tell
// how long the start took. Without the variable nothing happens.
void armStartupProbe(QWidget& window);

}  // namespace qx
