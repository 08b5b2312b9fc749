#include "mount/GearTable.h"

#include "ui/Controls.h"

namespace qx {

void writeGearTable(Controls& controls, const GearTexts& gear) {
    for (size_t i = 0; i < gear.size(); ++i)
        controls.setText(QLatin1String(kGearFields[i]), QLatin1String(gear[i]));
}

}  // namespace qx
