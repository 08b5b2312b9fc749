#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace qx {

// The three fields of one motor axis on the motor gear page.
struct GearAxis {
    int number;              // 1 for RA, 2 for DEC: ":SXA1," or ":SXA2,"
    const char* steps;       // steps per degree, sent as typed
    const char* direction;   // 1 clockwise, 0 counter-clockwise; sent as its whole value - 2
    const char* microsteps;  // sent as typed
};
inline constexpr GearAxis kRaAxis{1, "Text1(1)", "Text1(100)", "Text1(101)"};
inline constexpr GearAxis kDecAxis{2, "Text1(2)", "Text1(102)", "Text1(103)"};

// The texts of an axis' fields as they stand.
struct AxisTexts {
    QString steps;
    QString direction;
    QString microsteps;
};

// A field whose text cannot go into the axis-settings command, and why.
struct FieldRefusal {
    QString field;
    QString reason;
};

// The direction as the controller takes it: the whole value minus 2, with one leading blank when
// that is 0 or more ("1" gives "-1", "0" gives "-2", "2" gives " 0"). Nothing when the text is
// not a number.
std::optional<QString> directionItem(const QString& directionText);

// The fields of the axis that keep its command from being built: a direction that is not a
// number, steps or microsteps holding a character the command cannot carry. Empty when the
// command can be built.
std::vector<FieldRefusal> axisRefusals(const GearAxis& axis, const AxisTexts& texts);

// ":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#" for RA steps 12800, direction "1", microsteps
// "16"; nothing when a field is refused.
std::optional<QString> axisSettingsCommand(const GearAxis& axis, const AxisTexts& texts);

}  // namespace qx
