#include "mount/GearCalculation.h"

#include <QStringList>
#include <vector>

#include "mount/GearCalculator.h"
#include "read/Conversions.h"
#include "shell/Form1.h"

namespace qx {

namespace {

// Why a step could not be computed, shown on the input to blame.
const QString kEmptyReason = QStringLiteral("未入力のため計算できません");
const QString kZeroReason = QStringLiteral("0 または数値でないため計算できません");
const QString kTooLargeReason = QStringLiteral("値が大きすぎて計算できません");

bool isCalculatorReason(const QString& mark) {
    return mark == kEmptyReason || mark == kZeroReason || mark == kTooLargeReason;
}

const GearStep* stepWriting(const QString& field) {
    for (const GearStep& step : kGearSteps)
        if (field == QLatin1String(step.result)) return &step;
    return nullptr;
}

QStringList inputsOf(const GearStep& step) {
    QStringList inputs;
    for (const char* input : step.inputs)
        if (input) inputs << QLatin1String(input);
    return inputs;
}

// The marks of an earlier calculation go; those of other checks (a refused SET) stay.
void clearCalculatorMarks(Controls& controls) {
    for (const GearStep& step : kGearSteps) {
        const QStringList fields = inputsOf(step) << QLatin1String(step.result);
        for (const QString& field : fields)
            if (isCalculatorReason(controls.mark(field))) controls.setMark(field, QString());
    }
}

QStringList zeroInputs(const Controls& controls, const GearStep& step) {
    QStringList zeros;
    for (const QString& input : inputsOf(step))
        if (leadingValue(controls.text(input)) == 0) zeros << input;
    return zeros;
}

// A field that reads as 0 is marked; a result of an earlier step is traced back to its own inputs
// that read as 0, and is marked itself only where none does (a product below one degree's worth).
void markZero(Controls& controls, const QString& field) {
    if (const GearStep* source = stepWriting(field)) {
        const QStringList zeros = zeroInputs(controls, *source);
        for (const QString& zero : zeros) markZero(controls, zero);
        if (!zeros.isEmpty()) return;
    }
    const bool empty = trimmedText(controls.text(field)).isEmpty();
    controls.setMark(field, empty ? kEmptyReason : kZeroReason);
}

// A step fails by a division by zero (an input reads as 0) or else by an overflow.
void markFailedStep(Controls& controls, const GearStep& step) {
    const QStringList zeros = zeroInputs(controls, step);
    for (const QString& zero : zeros) markZero(controls, zero);
    if (!zeros.isEmpty()) return;
    for (const QString& input : inputsOf(step)) controls.setMark(input, kTooLargeReason);
}

void calculateWithDefault(Form1& form, const char* coefficientDefault) {
    Controls& c = form.controls();
    const QString coefficient = QStringLiteral("Text1(22)");
    if (c.text(coefficient).isEmpty()) c.setText(coefficient, QLatin1String(coefficientDefault));
    calculateGear(c);
}

}  // namespace

bool calculateGear(Controls& controls) {
    clearCalculatorMarks(controls);
    controls.setText(QStringLiteral("Text1(1)"), QString());
    controls.setText(QStringLiteral("Text1(2)"), QString());
    for (const GearStep& step : kGearSteps) {
        std::vector<double> values;
        for (const QString& input : inputsOf(step))
            values.push_back(leadingValue(controls.text(input)));
        const std::optional<double> result = evaluateGearFormula(step.formula, values);
        if (!result) {
            markFailedStep(controls, step);
            return false;
        }
        controls.setText(QLatin1String(step.result), gearResultText(*result));
    }
    return true;
}

void calculateGearFromButton(Form1& form) {
    calculateWithDefault(form, "200");
}

void calculateGearFromPanel(Form1& form) {
    calculateWithDefault(form, "400");
}

void hideManualCalculation(Form1& form) {
    form.controls().setVisible(QStringLiteral("Command38"), false);
}

void followSlewSpeed(Controls& controls) {
    QObject::connect(&controls, &Controls::changed, &controls, [&controls](const QString& name) {
        if (!name.startsWith(QLatin1String("Text1("))) return;
        const QString speed = controls.text(QStringLiteral("Text1(49)"));
        if (speed.isEmpty()) return;
        if (const std::optional<QString> multiple = siderealMultipleText(speed))
            controls.setText(QStringLiteral("Text12"), *multiple);
    });
}

}  // namespace qx
