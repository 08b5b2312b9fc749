#pragma once

#include "ui/platform/Clock.h"

namespace qx {

// The PC's clock and time zone as Qt sees them (QDateTime, QTimeZone::systemTimeZone()).
class QtClock : public Clock {
public:
    SystemTime localTime() const override;
    SystemTime universalTime() const override;
    int standardBiasMinutes() const override;
    int currentBiasMinutes() const override;
};

}  // namespace qx
