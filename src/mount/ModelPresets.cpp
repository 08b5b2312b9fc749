#include "mount/ModelPresets.h"

#include <algorithm>
#include <array>

#include "mount/GearTable.h"
#include "mount/ModelWrite.h"
#include "mount/MotorDirection.h"
#include "mount/UserPresetFile.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

using D = MotorDirection;

struct ModelPreset {
    const char* entry;  // the text of the Combo2 entry
    GearTexts gear;
    const char* maxRate;
    D ra;  // the direction buttons, RA first
    D dec;
};

// The models differ from the families of the same mounts in MaxRate and directions.
// clang-format off
constexpr std::array<ModelPreset, 4> kModels = {{
    {"AP",  {"200", "8", "2.26666666666666", "144", "200", "8", "2.26666666666666", "144"}, "400",
     D::RaMinus, D::DecPlus},
    {"GP",  {"200", "8", "3.33333333333333", "144", "200", "8", "3.33333333333333", "144"}, "400",
     D::RaMinus, D::DecMinus},
    {"EQ5", {"200", "8", "3.33333333333333", "144", "200", "8", "3.33333333333333", "144"}, "400",
     D::RaMinus, D::DecMinus},
    {"NJP", {"200", "8", "3", "240", "200", "8", "3", "144"}, "400", D::RaPlus, D::DecMinus},
}};
// clang-format on
const QString kUserModel = QStringLiteral("USER");

// The direction buttons Command1..Command4, in the order of MotorDirection.
constexpr std::array<void (Form1::*)(), 4> kDirectionButtons = {
    &Form1::Command1_Click, &Form1::Command2_Click, &Form1::Command3_Click, &Form1::Command4_Click};

void clickDirection(Form1& form, D direction) {
    (form.*kDirectionButtons[static_cast<int>(direction)])();
}

}  // namespace

void applyModelPreset(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("機種の選択と書込"));
    if (sequence.refused()) return;
    Controls& c = form.controls();
    const QString entry = c.text(QStringLiteral("Combo2"));
    if (entry == kUserModel) {
        Load_Set(form);  // the user's table and directions; MaxRate stays
    } else {
        const auto model =
            std::find_if(kModels.cbegin(), kModels.cend(),
                         [&](const ModelPreset& m) { return entry == QLatin1String(m.entry); });
        if (model == kModels.cend()) return;  // a typed text that names no model
        writeGearTable(c, model->gear);
        c.setText(QStringLiteral("Text1(0)"), QLatin1String(model->maxRate));
        // The direction buttons restart the one-second poll when clicked by hand. Here they only
        // choose the directions the model write sends: a poll started by them would go on after
        // the write, reconnecting and sending over the LAN every second, or moving QueryIndex
        // under a later read-all. The poll stays as it was.
        const int poll = form.timer1Interval();
        clickDirection(form, model->ra);
        clickDirection(form, model->dec);
        form.setTimer1Interval(poll);
    }
    writeControllerModel(form);
}

}  // namespace qx
