#include "write/SetCommands.h"

#include <QList>
#include <array>

#include "read/Conversions.h"

namespace qx {

namespace {

// How the value of a field is put into its command.
enum class ValueForm {
    LeadingValue,  // the number at the start of the text
    WholeValue,    // the entire text as a number, rounded down
    BeforeStar,    // the leading value of the text before the first "*" (limits such as 85*)
    ThreeDigits,   // the whole value, as the last three characters of "00" + its number text
    SignInverted,  // the trimmed text with its first character, "+" or "-", turned round
    TrimmedText,   // the text without the blanks around it
};

// What an empty text, or a whole value out of range, gives.
enum class Otherwise { Send, Reject, Nothing };

struct SetButtonRow {
    const char* field;
    const char* prefix;
    ValueForm form;
    Otherwise whenEmpty;
    // The whole value must lie in [min, max]; below min or above max gives belowMin / aboveMax.
    std::optional<qint64> min = std::nullopt;
    std::optional<qint64> max = std::nullopt;
    Otherwise belowMin = Otherwise::Reject;
    Otherwise aboveMax = Otherwise::Reject;
};

using F = ValueForm;
using O = Otherwise;

// Command6(0) .. Command6(26). A field read by its whole value whose text is not a number is
// treated as an empty one: the reject command where an empty text is rejected, nothing elsewhere.
// clang-format off
const std::array<SetButtonRow, 27> kSetButtons{{
    /* 0 */ {"Text1(0)",  ":PA",    F::LeadingValue, O::Reject,  21,  5000},
    /* 1 */ {"Text1(1)",  ":PB",    F::WholeValue,   O::Nothing, 500, 200000},
    /* 2 */ {"Text1(2)",  ":PC",    F::WholeValue,   O::Nothing, 500, 200000},
    /* 3 */ {"Text1(3)",  ":PD",    F::WholeValue,   O::Reject,  500, 200000, O::Reject, O::Nothing},
    /* 4 */ {"Text1(4)",  ":PE",    F::WholeValue,   O::Reject,  500, 200000},
    /* 5 */ {"Text1(13)", ":Sh",    F::BeforeStar,   O::Nothing},
    /* 6 */ {"Text1(12)", ":So",    F::BeforeStar,   O::Nothing},
    /* 7 */ {"Text1(11)", ":SXE9,", F::WholeValue,   O::Nothing},
    /* 8 */ {"Text1(10)", ":SXEA,", F::WholeValue,   O::Nothing},
    /* 9 */ {"Text1(8)",  ":$BR",   F::ThreeDigits,  O::Nothing},
    /* 10 */ {"Text1(9)", ":$BD",   F::ThreeDigits,  O::Nothing},
    /* 11 */ {"Text1(5)", ":Sg",    F::SignInverted, O::Nothing},
    /* 12 */ {"Text1(6)", ":St",    F::TrimmedText,  O::Nothing},
    /* 13 */ {"Text1(7)", ":SG",    F::SignInverted, O::Nothing},
    /* 14 */ {"Text1(20)", ":PF",   F::LeadingValue, O::Nothing},
    /* 15 */ {"Text1(21)", ":PG",   F::LeadingValue, O::Nothing},
    /* 16 */ {"Combo3",   ":PH",    F::LeadingValue, O::Send},
    /* 17 */ {"Text1(23)", ":Pm",   F::TrimmedText,  O::Send},
    /* 18 */ {"Text1(24)", ":Pn",   F::TrimmedText,  O::Send},
    /* 19 */ {"Text1(40)", ":Pp",   F::TrimmedText,  O::Send},
    /* 20 */ {"Text1(41)", ":Pq",   F::TrimmedText,  O::Send},
    /* 21 */ {"Combo4",   ":$PJ",   F::LeadingValue, O::Send},
    /* 22 */ {"Combo5",   ":$PK",   F::LeadingValue, O::Send},
    /* 23 */ {"Combo6",   ":$PL",   F::LeadingValue, O::Send},
    /* 24 */ {"Combo7",   ":$PM",   F::LeadingValue, O::Send},
    /* 25 */ {"Combo8",   ":$PN",   F::LeadingValue, O::Send},
    /* 26 */ {"Combo9",   ":$PO",   F::LeadingValue, O::Send},
}};
// clang-format on

const SetButtonRow* rowOf(int index) {
    if (index < kFirstSetting || index > kLastSetting) return nullptr;
    return &kSetButtons[index];
}

SetCommand outcome(Otherwise otherwise, const QString& command = {}) {
    switch (otherwise) {
        case O::Send:
            return {SetCommand::Kind::Send, command, {}};
        case O::Reject:
            return {SetCommand::Kind::Reject, kRejectCommand, {}};
        case O::Nothing:
            break;
    }
    return {};
}

// The sign turned round: the field holds the window's convention ("+9" for Japan), the
// controller takes the opposite sign. A text without a sign sends nothing.
std::optional<QString> signInverted(const QString& text) {
    const QString trimmed = trimmedText(text);
    if (trimmed.isEmpty()) return std::nullopt;
    const QString rest = trimmedText(trimmed.mid(1));
    if (trimmed.front() == QLatin1Char('-')) return QLatin1Char('+') + rest;
    if (trimmed.front() == QLatin1Char('+')) return QLatin1Char('-') + rest;
    return std::nullopt;
}

// The value as the command carries it, or nothing when it cannot be formed.
std::optional<QString> valueText(ValueForm form, const QString& text) {
    switch (form) {
        case F::LeadingValue:
            return numberText(leadingValue(text));
        case F::WholeValue: {
            const std::optional<qint64> whole = wholeValue(text);
            if (!whole) return std::nullopt;
            return numberText(*whole);
        }
        case F::BeforeStar:
            return numberText(leadingValue(text.section(QLatin1Char('*'), 0, 0)));
        case F::ThreeDigits: {
            const std::optional<qint64> whole = wholeValue(text);
            if (!whole) return std::nullopt;
            return (QStringLiteral("00") + numberText(*whole)).right(3);
        }
        case F::SignInverted:
            return signInverted(text);
        case F::TrimmedText:
            return trimmedText(text);
    }
    return std::nullopt;
}

bool readsWholeValue(ValueForm form) {
    return form == F::WholeValue || form == F::ThreeDigits;
}

}  // namespace

const char* setButtonField(int index) {
    const SetButtonRow* row = rowOf(index);
    return row ? row->field : nullptr;
}

std::optional<QString> unsendableCharacter(const QString& value) {
    // By code point, so that a character outside the basic plane is named whole.
    for (const char32_t u : value.toUcs4()) {
        if (u == U'#') return QStringLiteral("「#」は送れません（コマンドの終わりの記号です）");
        if (u < 0x20 || u == 0x7F)
            return QStringLiteral("制御文字 (U+%1) は送れません")
                .arg(QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        if (u > 0x7E)
            return QStringLiteral("「%1」は送れません（半角の英数字と記号だけが送れます）")
                .arg(QString::fromUcs4(&u, 1));
    }
    return std::nullopt;
}

SetCommand buildSetCommand(int index, const QString& fieldText) {
    const SetButtonRow* row = rowOf(index);
    if (!row) return {};
    if (fieldText.isEmpty() && row->whenEmpty != O::Send) return outcome(row->whenEmpty);
    if (row->min || row->max) {
        const std::optional<qint64> whole = wholeValue(fieldText);
        if (!whole) return outcome(row->whenEmpty);  // not a number: as an empty text
        if (row->min && *whole < *row->min) return outcome(row->belowMin);
        if (row->max && *whole > *row->max) return outcome(row->aboveMax);
    }
    const std::optional<QString> value = valueText(row->form, fieldText);
    if (!value) return readsWholeValue(row->form) ? outcome(row->whenEmpty) : SetCommand{};
    if (const std::optional<QString> reason = unsendableCharacter(*value))
        return {SetCommand::Kind::Refused, {}, *reason};
    return outcome(O::Send, QLatin1String(row->prefix) + *value + QLatin1Char('#'));
}

}  // namespace qx
