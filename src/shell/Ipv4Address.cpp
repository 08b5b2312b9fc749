#include "shell/Ipv4Address.h"

#include <QStringList>

namespace qx {

namespace {

constexpr int kParts = 4;
constexpr int kMaxDigits = 3;
constexpr uint kMaxPart = 255;

std::optional<uint> addressPart(const QString& text) {
    if (text.isEmpty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    const uint value = text.toUInt();
    return value <= kMaxPart ? std::optional<uint>(value) : std::nullopt;
}

}  // namespace

std::optional<quint32> parseDottedIpv4(const QString& text) {
    const QStringList parts = text.split(u'.');
    if (parts.size() != kParts) {
        return std::nullopt;
    }
    quint32 address = 0;
    for (const QString& part : parts) {
        const std::optional<uint> value = addressPart(part);
        if (!value) {
            return std::nullopt;
        }
        address = (address << 8) | *value;
    }
    return address != 0 ? std::optional<quint32>(address) : std::nullopt;
}

}  // namespace qx
