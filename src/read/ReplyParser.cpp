#include "read/ReplyParser.h"

#include <QStringList>
#include <array>
#include <optional>

#include "link/TrafficObserver.h"
#include "read/Conversions.h"
#include "ui/Controls.h"

namespace qx {

namespace {

// How the first rule turns a reply into a field's text.
enum class Transform {
    AsReceived,
    Nothing,          // the reply is only checked, not shown
    SignFlip,         // "-135" shows "+135"; a reply without a sign changes nothing
    WholeNumberText,  // 15.7 shows 15
    BeforeStar,       // "+80*" shows "+80"
    LastChar,         // "06" shows "6"
    LastTwo128,       // "0128" shows "128", "16" shows "16"
    Trimmed
};

struct FirstRule {
    int index;
    Transform transform;
    const char* destination;  // nullptr: nothing is stored
    double rejectAbove;       // 0: no range check
};

// Indexes without a row store the reply as received in Text1(index - 1), when that element exists.
constexpr std::array kFirstRules = {
    FirstRule{1, Transform::AsReceived, "Text1(0)", 5000},
    FirstRule{2, Transform::Nothing, nullptr, 200000},
    FirstRule{3, Transform::Nothing, nullptr, 200000},
    FirstRule{4, Transform::AsReceived, "Text1(3)", 200000},
    FirstRule{5, Transform::AsReceived, "Text1(4)", 200000},
    FirstRule{6, Transform::SignFlip, "Text1(5)", 0},
    FirstRule{8, Transform::SignFlip, "Text1(7)", 0},
    FirstRule{11, Transform::WholeNumberText, "Text1(10)", 0},
    FirstRule{12, Transform::WholeNumberText, "Text1(11)", 0},
    FirstRule{13, Transform::BeforeStar, "Text1(12)", 0},
    FirstRule{14, Transform::BeforeStar, "Text1(13)", 0},
    FirstRule{23, Transform::LastChar, "Combo3", 0},
    FirstRule{30, Transform::AsReceived, "Text1(40)", 0},
    FirstRule{31, Transform::AsReceived, "Text1(41)", 0},
    FirstRule{32, Transform::LastTwo128, "Combo4", 0},
    FirstRule{33, Transform::LastTwo128, "Combo5", 0},
    FirstRule{34, Transform::LastTwo128, "Combo6", 0},
    FirstRule{35, Transform::LastTwo128, "Combo7", 0},
    FirstRule{36, Transform::LastChar, "Combo8", 0},
    FirstRule{37, Transform::LastChar, "Combo9", 0},
    FirstRule{100, Transform::Nothing, nullptr, 0},
};

// Over the LAN a few replies are stored differently.
constexpr std::array kLanFirstRules = {
    FirstRule{7, Transform::Trimmed, "Text1(6)", 0},
    FirstRule{15, Transform::Trimmed, "Text1(14)", 0},
    FirstRule{16, Transform::Trimmed, "Text1(15)", 0},
    FirstRule{100, Transform::AsReceived, "Text1(99)", 0},
};

// On/off settings shown by a pair of lamps: the first lit when the reply's whole value is > 0.
struct LampPair {
    int index;
    const char* first;
    const char* second;
};

constexpr std::array kLampPairs = {
    LampPair{17, "Shape1", "Shape2"},   LampPair{18, "Shape3", "Shape4"},
    LampPair{19, "Shape5", "Shape6"},   LampPair{26, "Shape7", "Shape8"},
    LampPair{27, "Shape9", "Shape10"},  LampPair{28, "Shape11", "Shape12"},
    LampPair{29, "Shape13", "Shape14"},
};

// Mount mode 1, 2, 3 lights one of three lamps.
constexpr std::array kMountModeLamps = {"Shape17", "Shape19", "Shape18"};

constexpr int kMountModeIndex = 38;
constexpr int kRaAxisIndex = 53;
constexpr int kDecAxisIndex = 55;

// The fields of a composite axis reply.
struct AxisFields {
    int index;
    const char* steps;
    const char* direction;
    const char* microsteps;
};

constexpr std::array kAxisFields = {
    AxisFields{kRaAxisIndex, "Text1(1)", "Text1(100)", "Text1(101)"},
    AxisFields{kDecAxisIndex, "Text1(2)", "Text1(102)", "Text1(103)"},
};
constexpr int kModelIndex = 56;

const char* const kModelWord = "Kestrana";

const AxisFields* findAxis(int index) {
    for (const AxisFields& axis : kAxisFields)
        if (axis.index == index) return &axis;
    return nullptr;
}

template <typename Rules>
const FirstRule* findRule(const Rules& rules, int index) {
    for (const FirstRule& r : rules)
        if (r.index == index) return &r;
    return nullptr;
}

std::optional<QString> signFlipped(const QString& reply) {
    if (reply.startsWith(QLatin1Char('-'))) return QLatin1Char('+') + reply.mid(1);
    if (reply.startsWith(QLatin1Char('+'))) return QLatin1Char('-') + reply.mid(1);
    return std::nullopt;
}

std::optional<QString> transformed(const QString& reply, Transform transform) {
    switch (transform) {
        case Transform::AsReceived:
            return reply;
        case Transform::Nothing:
            return std::nullopt;
        case Transform::SignFlip:
            return signFlipped(reply);
        case Transform::WholeNumberText: {
            const std::optional<qint64> v = wholeValue(reply);
            if (!v) return std::nullopt;
            return numberText(*v);
        }
        case Transform::BeforeStar: {
            const int star = reply.indexOf(QLatin1Char('*'));
            if (star < 0) return std::nullopt;
            return reply.left(star);
        }
        case Transform::LastChar:
            return reply.right(1);
        case Transform::LastTwo128: {
            const QString last = reply.right(2);
            return last == QLatin1String("28") ? QStringLiteral("128") : last;
        }
        case Transform::Trimmed:
            return trimmedText(reply);
    }
    return std::nullopt;
}

void applyFirstRule(Controls& controls, const QString& reply, int index, const FirstRule* rule) {
    if (!rule) {  // the default row
        controls.setText(element("Text1", index - 1), reply);
        return;
    }
    if (const std::optional<QString> text = transformed(reply, rule->transform);
        text && rule->destination)
        controls.setText(QLatin1String(rule->destination), *text);
}

void applyLampPair(Controls& controls, const QString& reply, const LampPair& pair) {
    const std::optional<qint64> v = wholeValue(reply);
    if (!v) return;
    const bool firstOn = *v > 0;
    controls.setBackColor(QLatin1String(pair.first), firstOn ? kLampLit : kLampUnlit);
    controls.setBackColor(QLatin1String(pair.second), firstOn ? kLampUnlit : kLampLit);
}

void applyMountMode(Controls& controls, const QString& reply) {
    const std::optional<qint64> v = wholeValue(reply);
    if (!v || *v < 1 || *v > 3) return;
    for (int mode = 1; mode <= 3; ++mode)
        controls.setBackColor(QLatin1String(kMountModeLamps[mode - 1]),
                              mode == *v ? kLampLit : kLampUnlit);
}

// The model reply is the model word, one character, a lowercase "k" and more; the motor-gear
// panel is only offered for the controller model it was made for.
void applyModelCheck(Controls& controls, const QString& reply) {
    const int k = reply.indexOf(QLatin1Char('k'));
    const QString candidate = k >= 1 ? reply.left(k - 1) : reply;
    if (candidate == QLatin1String(kModelWord))
        controls.setVisible(QStringLiteral("Picture6"), true);
}

void applySecondRule(Controls& controls, const QString& reply, int index, Link link) {
    for (const LampPair& pair : kLampPairs)
        if (pair.index == index) applyLampPair(controls, reply, pair);
    if (index == kMountModeIndex) applyMountMode(controls, reply);
    // Over the LAN the composite reply is parsed by the link's receive handling instead.
    if (link == Link::Serial && (index == kRaAxisIndex || index == kDecAxisIndex))
        parseCompositeAxis(controls, reply, index);
    if (index == kModelIndex) applyModelCheck(controls, reply);
}

const FirstRule* firstRule(int queryIndex, Link link) {
    const FirstRule* rule = nullptr;
    if (link == Link::Lan) rule = findRule(kLanFirstRules, queryIndex);
    return rule ? rule : findRule(kFirstRules, queryIndex);
}

QStringList firstRuleDestination(const Controls& controls, int queryIndex, const FirstRule* rule) {
    if (!rule) {
        const QString field = element("Text1", queryIndex - 1);
        return controls.exists(field) ? QStringList{field} : QStringList{};
    }
    if (rule->transform == Transform::Nothing || !rule->destination) return {};
    return {QLatin1String(rule->destination)};
}

QStringList secondRuleDestination(int queryIndex) {
    QStringList names;
    for (const LampPair& pair : kLampPairs)
        if (pair.index == queryIndex)
            names << QLatin1String(pair.first) << QLatin1String(pair.second);
    if (queryIndex == kMountModeIndex)
        for (const char* lamp : kMountModeLamps) names << QLatin1String(lamp);
    if (const AxisFields* axis = findAxis(queryIndex))
        names << QLatin1String(axis->steps) << QLatin1String(axis->direction)
              << QLatin1String(axis->microsteps);
    return names;
}

void tellObserver(TrafficObserver& observer, const Controls& controls, const QString& reply,
                  int queryIndex, Link link, bool accepted) {
    observer.record({link, accepted ? TrafficEvent::Received : TrafficEvent::Rejected, reply,
                     queryIndex,
                     accepted ? replyDestination(controls, queryIndex, link) : QString()});
}

}  // namespace

bool parseReply(Controls& controls, const QString& reply, int queryIndex, Link link,
                TrafficObserver* observer) {
    const FirstRule* rule = firstRule(queryIndex, link);
    const bool accepted =
        !(rule && rule->rejectAbove > 0 && leadingValue(reply) > rule->rejectAbove);
    if (accepted) {
        applyFirstRule(controls, reply, queryIndex, rule);
        applySecondRule(controls, reply, queryIndex, link);
    }
    if (observer) tellObserver(*observer, controls, reply, queryIndex, link, accepted);
    return accepted;
}

QString replyDestination(const Controls& controls, int queryIndex, Link link) {
    return (firstRuleDestination(controls, queryIndex, firstRule(queryIndex, link)) +
            secondRuleDestination(queryIndex))
        .join(QStringLiteral(", "));
}

void parseCompositeAxis(Controls& controls, const QString& reply, int queryIndex) {
    const AxisFields* axis = findAxis(queryIndex);
    if (!axis) return;
    const QStringList fields = reply.split(QLatin1Char(','));
    // Each cut needs its separator; a missing one stops the cuts there.
    if (fields.size() < 2) return;
    controls.setText(QLatin1String(axis->steps), fields[0]);
    if (const std::optional<qint64> d =
            wholeValue(fields[1].chopped(qMin(1, int(fields[1].size())))))
        controls.setText(QLatin1String(axis->direction), numberText(*d + 2));
    if (fields.size() < 5) return;
    const QString rest = fields.mid(4).join(QLatin1Char(','));
    const int point = rest.indexOf(QLatin1Char('.'));
    if (point < 0) return;
    controls.setText(QLatin1String(axis->microsteps), rest.left(point));
}

}  // namespace qx
