#include "sim/SetCommands.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace qx::sim {

namespace {

using E = SetEffect;

// Each prefix starts only its own commands (":SG" and ":Sg" differ by case), so the first match is
// the only one.
// clang-format off
const std::array kSetRules{
    SetRule{":PA",     E::Store,          ":GXE1#"},
    SetRule{":PB",     E::StepsPerDegree, ":GXE4#", ":GXA1#"},
    SetRule{":PC",     E::StepsPerDegree, ":GXE5#", ":GXA2#"},
    SetRule{":PD",     E::Store,          ":GXE7#"},
    SetRule{":PE",     E::Store,          ":GXEE#"},
    SetRule{":PF",     E::Store,          ":G1#"},
    SetRule{":PG",     E::Store,          ":G2#"},
    SetRule{":PH",     E::Store,          ":GXEL#"},
    SetRule{":Pm",     E::Store,          ":GXEM#"},
    SetRule{":Pn",     E::Store,          ":GXEN#"},
    SetRule{":Pp",     E::Store,          ":GXES#"},
    SetRule{":Pq",     E::Store,          ":GXET#"},
    SetRule{":Pd#",    E::FactoryDefaults},
    SetRule{":$PJ",    E::Store,          ":GXEa#"},
    SetRule{":$PK",    E::Store,          ":GXEb#"},
    SetRule{":$PL",    E::Store,          ":GXEc#"},
    SetRule{":$PM",    E::Store,          ":GXEd#"},
    SetRule{":$PN",    E::Store,          ":GXEe#"},
    SetRule{":$PO",    E::Store,          ":GXEf#"},
    SetRule{":$BR",    E::Store,          ":%BR#"},
    SetRule{":$BD",    E::Store,          ":%BD#"},
    SetRule{":Sg",     E::Store,          ":Gg#",  nullptr, nullptr, true},
    SetRule{":St",     E::Store,          ":Gt#",  nullptr, nullptr, true},
    SetRule{":SG",     E::UtcOffset,      ":GG#",  nullptr, nullptr, true},
    SetRule{":So",     E::Limit,          ":Go#",  nullptr, nullptr, true},
    SetRule{":Sh",     E::Limit,          ":Gh#",  nullptr, nullptr, true},
    SetRule{":SC",     E::ClockDate,      nullptr, nullptr, nullptr, true},
    SetRule{":SL",     E::ClockTime,      nullptr, nullptr, nullptr, true},
    SetRule{":SXEA,",  E::Store,          ":GXEA#"},
    SetRule{":SXE9,",  E::Store,          ":GXE9#"},
    SetRule{":SXEM,",  E::Store,          ":GXEm#"},
    SetRule{":SX95,",  E::Store,          ":GX95#"},
    SetRule{":SX97,",  E::Store,          ":GXEP#"},
    SetRule{":SX98,",  E::Store,          ":GXEQ#"},
    SetRule{":SX93,",  E::SlewSpeed,      ":GX97#"},
    SetRule{":SXA1,",  E::AxisSettings,   ":GXA1#", ":GXE4#"},
    SetRule{":SXA2,",  E::AxisSettings,   ":GXA2#", ":GXE5#"},
    SetRule{":TA#",    E::StoreFixed,     ":GXEF#", nullptr, "1"},
    SetRule{":TB#",    E::StoreFixed,     ":GXEF#", nullptr, "0"},
    SetRule{":TC#",    E::StoreFixed,     ":GXEG#", nullptr, "1"},
    SetRule{":TD#",    E::StoreFixed,     ":GXEG#", nullptr, "0"},
    SetRule{":TV#",    E::StoreFixed,     ":GXEH#", nullptr, "1"},
    SetRule{":TW#",    E::StoreFixed,     ":GXEH#", nullptr, "0"},
    SetRule{":TX#",    E::StoreFixed,     ":GXEI#", nullptr, "1"},
    SetRule{":TY#",    E::StoreFixed,     ":GXEI#", nullptr, "0"},
    SetRule{":TH#",    E::HomeToPole},
};

struct SpeedLetter {
    char letter;
    int percent;
};

// The percentage buttons: "A" is 100%, down to "K" at 50%; "L" is 150%, up to "Q" at 400%.
constexpr std::array kSpeedLetters{
    SpeedLetter{'K', 50},  SpeedLetter{'J', 55},  SpeedLetter{'I', 60},  SpeedLetter{'H', 65},
    SpeedLetter{'G', 70},  SpeedLetter{'F', 75},  SpeedLetter{'E', 80},  SpeedLetter{'D', 85},
    SpeedLetter{'C', 90},  SpeedLetter{'B', 95},  SpeedLetter{'A', 100}, SpeedLetter{'L', 150},
    SpeedLetter{'M', 200}, SpeedLetter{'N', 250}, SpeedLetter{'O', 300}, SpeedLetter{'P', 350},
    SpeedLetter{'Q', 400},
};
// clang-format on

// Slew speed at 100%, degrees per second.
constexpr double kBaseSlewSpeed = 2.0;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

const SetRule* findSetRule(const QString& command) {
    for (const SetRule& rule : kSetRules) {
        if (command.startsWith(QLatin1String(rule.prefix))) return &rule;
    }
    return nullptr;
}

std::optional<QString> utcOffsetReply(const QString& argument) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*([+-]?)\s*(\d+)(?:\.(\d+))?)"));
    const QRegularExpressionMatch match = pattern.match(argument);
    if (!match.hasMatch()) return std::nullopt;
    const QString sign =
        match.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QStringLiteral("+");
    QString reply = sign + twoDigits(match.captured(2).toInt());
    const QString fraction = match.captured(3);
    if (!fraction.isEmpty() && fraction.toInt() != 0) reply += QLatin1Char('.') + fraction.left(1);
    return reply;
}

std::optional<QString> limitReply(const QString& argument) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*([+-]?)(\d+))"));
    const QRegularExpressionMatch match = pattern.match(argument);
    if (!match.hasMatch()) return std::nullopt;
    const QString sign = match.captured(1).isEmpty() ? QStringLiteral("+") : match.captured(1);
    return sign + twoDigits(match.captured(2).toInt()) + QLatin1Char('*');
}

std::optional<QString> slewSpeedReply(const QString& letter) {
    if (letter.size() != 1) return std::nullopt;
    for (const SpeedLetter& speed : kSpeedLetters) {
        if (letter.at(0) == QLatin1Char(speed.letter))
            return QString::number(kBaseSlewSpeed * speed.percent / 100.0, 'f', 1);
    }
    return std::nullopt;
}

std::optional<QString> axisReply(const QString& arguments) {
    const QStringList fields = arguments.split(QLatin1Char(','));
    if (fields.size() < 5) return std::nullopt;
    const std::optional<int> steps = wholeNumber(fields[0]);
    const std::optional<int> direction = wholeNumber(fields[1]);
    bool microOk = false;
    const QString micro = fields[4].trimmed();
    micro.toDouble(&microOk);
    if (!steps || !direction || !microOk) return std::nullopt;
    const QString microWithDecimal = micro.contains(QLatin1Char('.')) ? micro : micro + ".0";
    return QStringList{QString::number(*steps), QString::number(*direction) + QLatin1Char('x'),
                       fields[2].trimmed(), fields[3].trimmed(), microWithDecimal}
        .join(QLatin1Char(','));
}

QString withFirstField(const QString& composite, const QString& first) {
    const qsizetype comma = composite.indexOf(QLatin1Char(','));
    return comma < 0 ? first : first + composite.mid(comma);
}

QString poleAltitude(const QString& latitude) {
    return limitReply(latitude).value_or(QStringLiteral("+35*")).chopped(1);
}

std::optional<QDate> parseControllerDate(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d\d)/(\d\d)/(\d\d)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(2000 + match.captured(3).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> parseControllerTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d\d):(\d\d):(\d\d)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

}  // namespace qx::sim
