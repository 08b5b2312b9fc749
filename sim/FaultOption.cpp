#include "sim/FaultOption.h"

#include <QRegularExpression>
#include <array>

namespace qx::sim {

namespace {

using K = Fault::Kind;

// A kind's name and, for the kinds that take a number, its default.
struct KindName {
    const char* name;
    K kind;
    int defaultNumber = 0;
};

constexpr std::array kKindNames{
    KindName{"noanswer", K::NoAnswer}, KindName{"late", K::Late, 1000},
    KindName{"split", K::Split, 5},    KindName{"garbage", K::Garbage},
    KindName{"drop", K::Drop},         KindName{"ignore", K::Ignore},
    KindName{"reset", K::Reset},       KindName{"trickle", K::Trickle, 100},
    KindName{"binary", K::Binary, 64}, KindName{"flood", K::Flood, 1 << 20},
    KindName{"stream", K::Stream, 5},  KindName{"usb", K::Usb, 16},
};

const KindName* kindNamed(const QString& name) {
    for (const KindName& entry : kKindNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) return &entry;
    }
    return nullptr;
}

// A whole number of 0 or more; an absent one gives the default.
std::optional<int> numberOr(const QString& text, bool present, int fallback) {
    if (!present) return fallback;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= 0 ? std::optional<int>(number) : std::nullopt;
}

// The number after the "," of "MS,N", when there is one; at least `minimum`.
std::optional<int> secondNumber(const QString& argument, int fallback, int minimum) {
    if (!argument.contains(u',')) return fallback;
    bool ok = false;
    const int number = argument.section(u',', 1).toInt(&ok);
    return ok && number >= minimum ? std::optional<int>(number) : std::nullopt;
}

}  // namespace

std::optional<std::pair<QString, Fault>> parseFaultOption(const QString& option) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)=([a-z]+)(?::(.*?))?(?:@(\\d+|onward))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(option);
    if (!match.hasMatch()) return std::nullopt;
    const KindName* kind = kindNamed(match.captured(2));
    if (!kind) return std::nullopt;

    Fault fault;
    fault.kind = kind->kind;
    const QString argument = match.captured(3);
    const bool hasArgument = match.capturedStart(3) >= 0;
    const QString count = match.captured(4);
    if (count.compare(QLatin1String("onward"), Qt::CaseInsensitive) == 0)
        fault.onward = true;
    else if (!count.isEmpty())
        fault.times = count.toInt();

    if (fault.kind == K::Garbage) {
        fault.text = hasArgument ? argument.toLatin1() : QByteArrayLiteral("garbage#");
        return std::make_pair(match.captured(1), fault);
    }
    const bool pair = fault.kind == K::Split || fault.kind == K::Usb;
    const std::optional<int> number =
        numberOr(pair ? argument.section(u',', 0, 0) : argument, hasArgument, kind->defaultNumber);
    if (!number || (!pair && argument.contains(u','))) return std::nullopt;
    switch (fault.kind) {
        case K::Late:
            fault.delayMs = *number;
            break;
        case K::Split:
        case K::Trickle:
        case K::Stream:
            fault.gapMs = *number;
            break;
        case K::Binary:
        case K::Flood:
            fault.bytes = *number;
            break;
        case K::Usb:
            fault.periodMs = *number;
            break;
        default:
            if (hasArgument) return std::nullopt;  // this kind takes no argument
            break;
    }
    if (fault.kind == K::Split) {
        const std::optional<int> firstPiece = secondNumber(argument, 0, 1);
        if (!firstPiece) return std::nullopt;
        fault.firstPieceBytes = *firstPiece;
    }
    if (fault.kind == K::Usb) {
        const std::optional<int> jitter = secondNumber(argument, fault.jitterMs, 0);
        if (!jitter) return std::nullopt;
        fault.jitterMs = *jitter;
    }
    if (fault.kind == K::Usb && fault.periodMs <= 0) return std::nullopt;
    return std::make_pair(match.captured(1), fault);
}

}  // namespace qx::sim
