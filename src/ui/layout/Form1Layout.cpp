#include "ui/layout/Form1Layout.h"

namespace qx {

// Placeholder until the full layout lands.
std::vector<ControlSpec> form1Layout() {
    std::vector<ControlSpec> v;
    ControlSpec s;
    s.name = QStringLiteral("Command11");
    s.kind = ControlKind::Button;
    s.text = QStringLiteral("接続");
    v.push_back(s);
    return v;
}

}  // namespace qx
