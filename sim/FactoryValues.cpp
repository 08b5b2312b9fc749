#include "sim/FactoryValues.h"

#include <array>

namespace qx::sim {

namespace {

struct FactoryValue {
    const char* query;
    const char* value;
};

// clang-format off
constexpr std::array kFactoryValues{
    FactoryValue{":GVP#",  "Kestrana"},
    FactoryValue{":GXE1#", "800"},                     // maximum slew rate
    FactoryValue{":GXE4#", "12800"},                   // RA steps per degree
    FactoryValue{":GXE5#", "12800"},                   // DEC steps per degree
    FactoryValue{":GXE7#", "32000"},                   // steps per worm turn
    FactoryValue{":GXEE#", "32000"},                   // DEC worm to steps
    FactoryValue{":Gg#",   "-139*45"},                 // longitude, east negative
    FactoryValue{":Gt#",   "+35*40"},                  // latitude
    FactoryValue{":GG#",   "-09"},                     // hours to add to local time for UT
    FactoryValue{":%BR#",  "005"},                     // RA backlash
    FactoryValue{":%BD#",  "010"},                     // DEC backlash
    FactoryValue{":GXEA#", "15"},                      // meridian limit west
    FactoryValue{":GXE9#", "-15"},                     // meridian limit east
    FactoryValue{":Go#",   "+85*"},                    // overhead limit
    FactoryValue{":Gh#",   "-10*"},                    // horizon limit
    FactoryValue{":GXEF#", "1"},                       // RA direction +
    FactoryValue{":GXEG#", "1"},                       // DEC direction +
    FactoryValue{":GXEH#", "1"},                       // meridian limit stop on
    FactoryValue{":G1#",   "+35"},                     // home altitude
    FactoryValue{":G2#",   "180"},                     // home azimuth
    FactoryValue{":GXEL#", "6"},                       // Wi-Fi channel
    FactoryValue{":GXEM#", "Kestrana-AP"},             // access-point SSID
    FactoryValue{":GXEN#", "12345678"},                // access-point password
    FactoryValue{":GXEI#", "1"},                       // goto meridian auto flip on
    FactoryValue{":GX95#", "0"},                       // sidereal meridian auto flip off
    FactoryValue{":GXEQ#", "1"},                       // pause at meridian flip on
    FactoryValue{":GXEP#", "1"},                       // beep on
    FactoryValue{":GXES#", "home-wifi"},               // station SSID
    FactoryValue{":GXET#", "password1"},               // station password
    FactoryValue{":GXEa#", "128"},                     // RA microsteps, tracking
    FactoryValue{":GXEb#", "16"},                      // RA microsteps, slewing
    FactoryValue{":GXEc#", "128"},                     // DEC microsteps, tracking
    FactoryValue{":GXEd#", "8"},                       // DEC microsteps, slewing
    FactoryValue{":GXEe#", "3"},                       // acceleration grade
    FactoryValue{":GXEf#", "3"},                       // deceleration grade
    FactoryValue{":GXEm#", "1"},                       // mount mode: German
    FactoryValue{":GX97#", "2.0"},                     // slew speed, degrees per second
    FactoryValue{":GXEU#", "Kestrana-k192.168.4.1"},   // model word and address
    FactoryValue{":GXA1#", "12800,-1x,-180,180,16.0"}, // RA axis
    FactoryValue{":GXA2#", "12800,-2x,-180,180,16.0"}, // DEC axis
};
// clang-format on

}  // namespace

QHash<QString, QString> factoryQueryValues() {
    QHash<QString, QString> values;
    for (const FactoryValue& entry : kFactoryValues)
        values.insert(QString::fromLatin1(entry.query), QString::fromLatin1(entry.value));
    return values;
}

}  // namespace qx::sim
