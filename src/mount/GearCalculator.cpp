#include "mount/GearCalculator.h"

#include <cmath>

#include "read/Conversions.h"

namespace qx {

namespace {

constexpr double kDegreesPerTurn = 360;
constexpr double kMicrosecondsPerSecond = 1000000;
constexpr double kSolarDaySeconds = 86400;
constexpr double kSiderealDaySeconds = 86164;

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// a / b, failing where b is 0 or the quotient is not a finite number.
std::optional<double> divided(std::optional<double> a, std::optional<double> b) {
    if (!a || !b || *b == 0) return std::nullopt;
    return finite(*a / *b);
}

std::optional<double> product(std::span<const double> values) {
    double p = 1;
    for (double v : values) p *= v;
    return finite(p);
}

std::optional<double> whole(std::optional<double> value) {
    if (!value) return std::nullopt;
    return std::floor(*value);
}

}  // namespace

std::optional<double> evaluateGearFormula(GearFormula formula, std::span<const double> values) {
    switch (formula) {
        case GearFormula::StepsPerDegree:
            return whole(divided(product(values), kDegreesPerTurn));
        case GearFormula::StepsPerWormTurn:
            return whole(product(values));
        case GearFormula::SlewRate:
            return divided(1.0, divided(product(values), kMicrosecondsPerSecond));
        case GearFormula::SiderealMultiple:
            return whole(divided(values[0], kDegreesPerTurn / kSolarDaySeconds));
    }
    return std::nullopt;
}

QString gearResultText(double value) {
    QString text = numberText(value);  // ".5": the controller's form has no zero before the point
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QLatin1String("-.")))
        text.insert(1, QLatin1Char('0'));
    return text;
}

std::optional<QString> siderealMultipleText(const QString& slewSpeed) {
    const std::optional<double> multiple =
        whole(divided(kSiderealDaySeconds, divided(kDegreesPerTurn, leadingValue(slewSpeed))));
    if (!multiple) return std::nullopt;
    const QString text = numberText(*multiple);
    return *multiple < 0 ? text : QLatin1Char(' ') + text;
}

}  // namespace qx
