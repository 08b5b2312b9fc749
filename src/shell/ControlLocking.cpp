#include "shell/ControlLocking.h"

#include <initializer_list>

#include "ui/Controls.h"

namespace qx {

namespace {

void addElements(QStringList& out, const char* array, std::initializer_list<int> indexes) {
    for (int i : indexes) out << element(array, i);
}

void addRange(QStringList& out, const char* array, int first, int last) {
    for (int i = first; i <= last; ++i) out << element(array, i);
}

void addSingles(QStringList& out, std::initializer_list<const char*> names) {
    for (const char* name : names) out << QLatin1String(name);
}

void setAllEnabled(Controls& controls, bool enabled) {
    for (const QString& name : settingsControls()) controls.setEnabled(name, enabled);
}

}  // namespace

QStringList settingsControls() {
    QStringList out;
    addElements(out, "Command5", {1, 2, 8, 9, 16, 17, 18, 19});
    addElements(out, "Command6", {9, 10});
    addRange(out, "Command48", 0, 16);
    addSingles(out, {"Command34"});
    addElements(out, "Command6", {11, 12, 13});
    addElements(out, "Command5", {5, 6, 7, 10, 11, 12, 13, 14, 15});
    addElements(out, "Command6", {5, 6, 7, 8});
    addSingles(out, {"Command29", "Command13", "Command14", "Command15", "Command16", "Command17",
                     "Command18", "Command53", "Command55", "Command56", "Command9",  "Command10",
                     "Command27", "Command49", "Command24", "Command25", "Command26", "Command40",
                     "Command41", "Command42", "Command43", "Command45", "Command50", "Command46",
                     "Command47", "Command51", "Command57", "Command59", "Command58", "Command35",
                     "Command36"});
    addElements(out, "Command6", {16, 17, 18, 19, 20, 27, 28});
    addSingles(out, {"Command52"});
    return out;
}

void AllDispOFF(Controls& controls) {
    setAllEnabled(controls, false);
}

void AllDispON(Controls& controls) {
    setAllEnabled(controls, true);
}

}  // namespace qx
