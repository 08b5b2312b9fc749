#pragma once

class QDir;

namespace qx {
class Form1;
class Form1Window;
}  // namespace qx

namespace qx::screens {

// progress.png: the lower strip of the window part-way through a serial read-all, the settings
// locked and the progress bar showing the read's step and time left.
bool saveProgressStrip(Form1& form, Form1Window& window, const QDir& out);

}  // namespace qx::screens
