#include "write/AxisSettings.h"

#include "read/Conversions.h"
#include "write/SetCommands.h"

namespace qx {

namespace {

// The controller's direction coding is the page's 1/0 shifted down by two.
constexpr qint64 kDirectionOffset = 2;

const QString kNotADirection = QStringLiteral("回転方向は数値で入れてください（1：正転、0：逆転）");

void refuseUnsendable(std::vector<FieldRefusal>& out, const char* field, const QString& text) {
    if (const std::optional<QString> reason = unsendableCharacter(text))
        out.push_back({QLatin1String(field), *reason});
}

}  // namespace

std::optional<QString> directionItem(const QString& directionText) {
    const std::optional<qint64> whole = wholeValue(directionText);
    if (!whole) return std::nullopt;
    const qint64 coded = *whole - kDirectionOffset;
    return (coded >= 0 ? QStringLiteral(" ") : QString()) + numberText(coded);
}

std::vector<FieldRefusal> axisRefusals(const GearAxis& axis, const AxisTexts& texts) {
    std::vector<FieldRefusal> out;
    refuseUnsendable(out, axis.steps, texts.steps);
    if (!directionItem(texts.direction))
        out.push_back({QLatin1String(axis.direction), kNotADirection});
    refuseUnsendable(out, axis.microsteps, texts.microsteps);
    return out;
}

std::optional<QString> axisSettingsCommand(const GearAxis& axis, const AxisTexts& texts) {
    if (!axisRefusals(axis, texts).empty()) return std::nullopt;
    const QString command = QStringLiteral(":SXA%1,").arg(axis.number) + texts.steps +
                            QLatin1Char(',') + *directionItem(texts.direction) +
                            QStringLiteral(",-180,180,") + texts.microsteps +
                            QStringLiteral(",-1,-1,-1,-1,-1#");
    return trimmedText(command);
}

}  // namespace qx
