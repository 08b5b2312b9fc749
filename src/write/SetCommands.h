#pragma once

#include <QString>
#include <optional>

namespace qx {

// What a SET button sends for the text of its field.
struct SetCommand {
    enum class Kind {
        Send,     // `command` is sent
        Reject,   // the reject command ":=SG#" is sent in place of the value
        Nothing,  // nothing is sent
        Refused,  // nothing is sent, and the field is marked with `reason`
    };
    Kind kind = Kind::Nothing;
    QString command;  // Send and Reject
    QString reason;   // Refused
};

inline const QString kRejectCommand = QStringLiteral(":=SG#");

// The SET buttons that write one setting: Command6(0) .. Command6(26).
inline constexpr int kFirstSetting = 0;
inline constexpr int kLastSetting = 26;

// The field the SET button of `index` reads, or nullptr for an index without a field.
const char* setButtonField(int index);

// The command the SET button of `index` sends for `fieldText` (the field's current text).
SetCommand buildSetCommand(int index, const QString& fieldText);

// Why a value cannot be carried by the controller's plain-ASCII command set, or nothing when it
// can: a "#" would end the command early and turn the rest into a command of its own; control
// characters and characters outside ASCII do not survive the link.
std::optional<QString> unsendableCharacter(const QString& value);

}  // namespace qx
