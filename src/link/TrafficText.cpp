#include "link/TrafficText.h"

#include <QStringList>

namespace qx {

namespace {

bool isVisible(char16_t c) {
    return c >= 0x20 && c < 0x7F;
}

bool isReply(TrafficEvent event) {
    return event == TrafficEvent::Received || event == TrafficEvent::Rejected;
}

}  // namespace

QString visibleControlCharacters(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (isVisible(c.unicode()))
            shown += c;
        else
            shown += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
    }
    return shown;
}

QString linkName(Link link) {
    return link == Link::Serial ? QStringLiteral("シリアル") : QStringLiteral("LAN");
}

QString eventName(TrafficEvent event) {
    switch (event) {
        case TrafficEvent::Connect:
            return QStringLiteral("接続");
        case TrafficEvent::Close:
            return QStringLiteral("切断");
        case TrafficEvent::Sent:
            return QStringLiteral("送信");
        case TrafficEvent::Received:
            return QStringLiteral("受信");
        case TrafficEvent::Rejected:
            return QStringLiteral("受信(範囲外)");
        case TrafficEvent::Dropped:
            return QStringLiteral("破棄");
        case TrafficEvent::LostAfterHash:
            return QStringLiteral("破棄(#の後)");
    }
    return {};
}

QString wireText(const TrafficRecord& record) {
    const QString shown = visibleControlCharacters(record.text);
    return isReply(record.event) ? shown + QLatin1Char('#') : shown;
}

QString queryIndexText(const TrafficRecord& record) {
    return record.queryIndex < 0 ? QString() : QString::number(record.queryIndex);
}

QString destinationText(const TrafficRecord& record) {
    if (record.event != TrafficEvent::Received) return {};
    return record.destination.isEmpty() ? QStringLiteral("(なし)") : record.destination;
}

QString trafficRowText(const TrafficRow& row) {
    return QStringList{QString::number(qRound64(row.atMs)), linkName(row.record.link),
                       eventName(row.record.event),         wireText(row.record),
                       queryIndexText(row.record),          destinationText(row.record)}
        .join(QLatin1Char('\t'));
}

}  // namespace qx
