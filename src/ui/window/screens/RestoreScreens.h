#pragma once

class QDir;
class QWidget;

namespace qx {
class Form1;
}

namespace qx::screens {

// The restore window over the window's sample values, from a backup that differs in a few
// settings and holds one value its SET would refuse: restore.png as it opens (passwords masked),
// restore-done.png after "書き込み" (one row not verified).
bool saveRestoreWindows(Form1& form, QWidget* parent, const QDir& out);

}  // namespace qx::screens
