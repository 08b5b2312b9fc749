#include "sim/FaultOption.h"

#include <QRegularExpression>
#include <array>

namespace qx::sim {

namespace {

struct KindName {
    const char* name;
    Fault::Kind kind;
};

constexpr std::array kKindNames{
    KindName{"noanswer", Fault::Kind::NoAnswer}, KindName{"late", Fault::Kind::Late},
    KindName{"split", Fault::Kind::Split},       KindName{"garbage", Fault::Kind::Garbage},
    KindName{"drop", Fault::Kind::Drop},         KindName{"ignore", Fault::Kind::Ignore},
};

std::optional<Fault::Kind> kindNamed(const QString& name) {
    for (const KindName& entry : kKindNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) return entry.kind;
    }
    return std::nullopt;
}

// The argument as milliseconds; an absent one gives the default.
std::optional<int> millisecondsOr(const QString& argument, bool present, int fallback) {
    if (!present) return fallback;
    bool ok = false;
    const int ms = argument.toInt(&ok);
    return ok && ms >= 0 ? std::optional<int>(ms) : std::nullopt;
}

}  // namespace

std::optional<std::pair<QString, Fault>> parseFaultOption(const QString& option) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)=(noanswer|late|split|garbage|drop|ignore)(?::(.*?))?(?:@(\\d+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(option);
    if (!match.hasMatch()) return std::nullopt;

    Fault fault;
    fault.kind = *kindNamed(match.captured(2));
    const QString argument = match.captured(3);
    const bool hasArgument = match.capturedStart(3) >= 0;
    if (match.capturedStart(4) >= 0) fault.times = match.captured(4).toInt();

    QString timing = argument;
    if (fault.kind == Fault::Kind::Split && argument.contains(u',')) {
        bool ok = false;
        fault.firstPieceBytes = argument.section(u',', 1).toInt(&ok);
        if (!ok || fault.firstPieceBytes <= 0) return std::nullopt;
        timing = argument.section(u',', 0, 0);
    }
    if (fault.kind == Fault::Kind::Late || fault.kind == Fault::Kind::Split) {
        const std::optional<int> ms =
            millisecondsOr(timing, hasArgument, fault.kind == Fault::Kind::Late ? 1000 : 5);
        if (!ms) return std::nullopt;
        (fault.kind == Fault::Kind::Late ? fault.delayMs : fault.gapMs) = *ms;
    }
    if (fault.kind == Fault::Kind::Garbage)
        fault.text = hasArgument ? argument.toLatin1() : QByteArrayLiteral("garbage#");
    return std::make_pair(match.captured(1), fault);
}

}  // namespace qx::sim
