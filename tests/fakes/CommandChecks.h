#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace qx::test {

// Why a command breaks the controller's framing, or nothing when it is sound: it begins with ":",
// ends with its only "#", and holds printable ASCII only.
inline std::optional<QString> commandFault(const QString& command) {
    if (!command.startsWith(QLatin1Char(':'))) return QStringLiteral("does not begin with \":\"");
    if (!command.endsWith(QLatin1Char('#'))) return QStringLiteral("does not end with \"#\"");
    for (qsizetype i = 0; i < command.size(); ++i) {
        const char16_t c = command[i].unicode();
        if (c == u'#' && i + 1 < command.size())
            return QStringLiteral("\"#\" at %1, before the end").arg(i);
        if (c < 0x20 || c == 0x7F) return QStringLiteral("control character at %1").arg(i);
        if (c > 0x7E) return QStringLiteral("character outside ASCII at %1").arg(i);
    }
    return std::nullopt;
}

// The same for the bytes that went out.
inline std::optional<QString> commandFault(const QByteArray& sent) {
    return commandFault(QString::fromLatin1(sent));
}

}  // namespace qx::test
