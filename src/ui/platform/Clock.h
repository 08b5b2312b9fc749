#pragma once

namespace qx {

struct SystemTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The PC's calendar clock. Biases follow the convention UT = local time + bias, in minutes
// (Japan: -540; New York in winter: 300, in summer: 240).
class Clock {
public:
    virtual ~Clock() = default;
    virtual SystemTime localTime() const = 0;
    virtual SystemTime universalTime() const = 0;
    virtual int standardBiasMinutes() const = 0;  // the zone's bias without daylight saving
    virtual int currentBiasMinutes() const = 0;  // the bias in force now (daylight saving included)
};

}  // namespace qx
