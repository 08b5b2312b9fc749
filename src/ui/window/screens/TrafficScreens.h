#pragma once

class QDir;
class QWidget;

namespace qx {
class Form1;
}

namespace qx::screens {

// The traffic monitor over the start of a serial read-all (its replies parsed by the link and
// the parser, a bare "1" dropped, a reply over its range check): traffic-monitor.png.
bool saveTrafficMonitor(Form1& form, QWidget* parent, const QDir& out);

}  // namespace qx::screens
