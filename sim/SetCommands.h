#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace qx::sim {

// What a set command does to the controller's answers.
enum class SetEffect {
    Store,            // `query` answers the argument as received
    StoreFixed,       // `query` answers `fixed` (switches such as ":TA#")
    UtcOffset,        // `query` answers the offset in the controller's "-09" form
    Limit,            // `query` answers the signed degrees followed by "*"
    StepsPerDegree,   // `query` answers the argument; it is also the first field of `linkedQuery`
    AxisSettings,     // `query` answers the composite axis form; `linkedQuery` the steps
    SlewSpeed,        // `query` answers the slew speed of a percentage letter
    ClockDate,        // the controller's date is set
    ClockTime,        // the controller's time is set
    HomeToPole,       // the home position becomes the pole
    FactoryDefaults,  // every answer returns to its factory value
};

struct SetRule {
    const char* prefix;  // the command starts with it; the rest up to "#" is the argument
    SetEffect effect;
    const char* query = nullptr;
    const char* linkedQuery = nullptr;
    const char* fixed = nullptr;
    bool answersOne = false;  // LX200 set commands acknowledge with a bare "1"
};

// The rule of a set command, or nullptr when the controller does not know the command.
const SetRule* findSetRule(const QString& command);

// "-9.00" or "-9" -> "-09"; "+5.5" -> "+05.5".
std::optional<QString> utcOffsetReply(const QString& argument);
// "85" -> "+85*"; "-10" -> "-10*".
std::optional<QString> limitReply(const QString& argument);
// "A" (100%) -> "2.0" degrees per second; "K" (50%) -> "1.0"; "Q" (400%) -> "8.0".
std::optional<QString> slewSpeedReply(const QString& letter);
// "12800,-1,-180,180,16,-1,-1,-1,-1,-1" -> "12800,-1x,-180,180,16.0".
std::optional<QString> axisReply(const QString& arguments);
// The composite axis reply with its first field (steps per degree) replaced.
QString withFirstField(const QString& composite, const QString& first);
// "+35*40" -> "+35": the home altitude of a polar-north home at that latitude.
QString poleAltitude(const QString& latitude);

// "03/05/24" (month/day/two-digit year of this century).
std::optional<QDate> parseControllerDate(const QString& text);
// "21:07:05".
std::optional<QTime> parseControllerTime(const QString& text);

}  // namespace qx::sim
