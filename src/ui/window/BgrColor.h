#pragma once

#include <QColor>
#include <QString>

namespace qx {

// The window's colour values are written in blue-green-red order: 0x0080FF is red FF, green 80,
// blue 00 (orange).
inline QColor colorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The value as written, six hex digits: 0x0080FF gives "0080FF".
inline QString bgrText(quint32 bgr) {
    return QStringLiteral("%1").arg(bgr & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace qx
