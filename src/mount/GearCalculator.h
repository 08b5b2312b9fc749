#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace qx {

// How one result of the gear table is derived from the numbers it reads.
enum class GearFormula {
    StepsPerDegree,    // Int(steps × microsteps × reduction × teeth / 360)
    StepsPerWormTurn,  // Int(steps × microsteps × reduction)
    SlewRate,          // 1 / (steps per degree × MaxRate / 1000000): MaxRate is µs per step
    SiderealMultiple,  // Int(degrees per second / (360 / 86400))
};

// One step of the calculation: the field it writes, the fields it reads (in the order they are
// multiplied; unused places are null) and its formula.
struct GearStep {
    const char* result;
    std::array<const char*, 4> inputs;
    GearFormula formula;
};

// The steps in the order they run. A step reads what the steps before it wrote: the slew rate
// reads the steps per degree back from Text1(1), the multiple reads the rate back from Text10.
// clang-format off
inline constexpr std::array<GearStep, 6> kGearSteps = {{
    {"Text1(1)", {"Text2", "Text3", "Text4", "Text5"}, GearFormula::StepsPerDegree},
    {"Text1(2)", {"Text6", "Text7", "Text8", "Text9"}, GearFormula::StepsPerDegree},
    {"Text1(3)", {"Text2", "Text3", "Text4", nullptr}, GearFormula::StepsPerWormTurn},
    {"Text1(4)", {"Text6", "Text7", "Text8", nullptr}, GearFormula::StepsPerWormTurn},
    {"Text10",   {"Text1(1)", "Text1(0)", nullptr, nullptr}, GearFormula::SlewRate},
    {"Text11",   {"Text10", nullptr, nullptr, nullptr}, GearFormula::SiderealMultiple},
}};
// clang-format on

// The result of a formula over its inputs' numbers, in double precision, multiplied left to right.
// nullopt where the formula divides by zero, overflows or gives an undefined value.
std::optional<double> evaluateGearFormula(GearFormula formula, std::span<const double> values);

// How a result is written into its field: at most 15 significant digits, "." as decimal point,
// no blanks ("2.29885057471264", "0.5", "1450").
QString gearResultText(double value);

// The slew speed beside the speed buttons (degrees per second) as a multiple of the sidereal rate,
// with a sidereal day of 86164 s: Int(86164 / (360 / v)), one blank before a result that is not
// negative (" 478" for 2). nullopt when it cannot be computed (a speed that reads as 0).
std::optional<QString> siderealMultipleText(const QString& slewSpeed);

}  // namespace qx
