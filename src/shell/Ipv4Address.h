#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace qx {

// A dotted IPv4 address "a.b.c.d" (four decimal numbers 0..255) as a number, a the highest byte.
// Nothing for any other text, and nothing for 0.0.0.0, which names no host to echo.
std::optional<quint32> parseDottedIpv4(const QString& text);

}  // namespace qx
