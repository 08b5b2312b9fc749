#include "mount/FamilyPresets.h"

#include <array>

#include "mount/GearTable.h"
#include "mount/MotorDirection.h"
#include "mount/UserPresetFile.h"
#include "shell/Form1.h"

namespace qx {

namespace {

using D = MotorDirection;

struct FamilyPreset {
    const char* maxRate;  // also the coefficient Text1(22)
    GearTexts gear;
    D ra;
    D dec;
};

// Option1(0..4); family 3 ("その他") has no row of its own.
// clang-format off
constexpr std::array<FamilyPreset, 5> kFamilies = {{
    {"150", {"200", "8", "4", "180", "200", "8", "4", "180"}, D::RaMinus, D::DecMinus},
    {"300", {"200", "8", "2.2666", "144", "200", "8", "2.2666", "144"}, D::RaMinus, D::DecPlus},
    {"200", {"200", "8", "3", "240", "200", "8", "3", "144"}, D::RaPlus, D::DecPlus},
    {},
    {"400", {"200", "8", "3.3333", "144", "200", "8", "3.3333", "144"}, D::RaPlus, D::DecPlus},
}};
// clang-format on
constexpr int kOtherFamily = 3;

// The microstep selectors of a family, normal running and slewing for RA, then for DEC: plain
// texts, without the leading blank of the list entries.
constexpr std::array<std::pair<const char*, const char*>, 4> kFamilyMicrosteps = {
    {{"Combo4", "8"}, {"Combo5", "1"}, {"Combo6", "8"}, {"Combo7", "1"}}};

// A preset's writes are not edits; only the operator's key or choice counts as one.
void markEditedByHand(Form1& form) {
    form.GearFieldsEdited = true;
    applyFamilyPreset(form, kOtherFamily);
}

void microstepChosen(Form1& form, const char* combo, const char* field) {
    Controls& c = form.controls();
    c.setText(QLatin1String(field), c.text(QLatin1String(combo)));
    markEditedByHand(form);
}

}  // namespace

void applyFamilyPreset(Form1& form, int index) {
    if (index < 0 || index >= int(kFamilies.size())) return;
    Controls& c = form.controls();
    c.setChecked(element("Option1", index), true);
    if (index == kOtherFamily) {
        if (!form.GearFieldsEdited) Load_Set(form);  // hand-made values stay
        return;
    }
    const FamilyPreset& family = kFamilies[index];
    c.setText(QStringLiteral("Text1(0)"), QLatin1String(family.maxRate));
    c.setText(QStringLiteral("Text1(22)"), QLatin1String(family.maxRate));
    for (const auto& [combo, microsteps] : kFamilyMicrosteps)
        c.setText(QLatin1String(combo), QLatin1String(microsteps));
    writeGearTable(c, family.gear);
    showDirection(c, family.ra);
    showDirection(c, family.dec);
}

bool otherFamilyChosen(const Controls& controls) {
    return controls.checked(element("Option1", kOtherFamily));
}

void gearFieldKeyDown(Form1& form) {
    markEditedByHand(form);
}

void raMicrostepChosen(Form1& form) {
    microstepChosen(form, "Combo4", "Text3");
}

void decMicrostepChosen(Form1& form) {
    microstepChosen(form, "Combo6", "Text7");
}

}  // namespace qx
