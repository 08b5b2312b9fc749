#pragma once

#include <QString>

#include "link/TrafficObserver.h"

namespace qx {

// One event of the traffic monitor: its record and when it came, in milliseconds since the
// monitor opened.
struct TrafficRow {
    double atMs = 0;
    TrafficRecord record;
};

// The texts of the traffic monitor's rows, pure.

// Control characters, DEL and bytes above 0x7F as "<0D>", so that a row shows every byte sent
// or received ("<" itself stays as it is).
QString visibleControlCharacters(const QString& text);

QString linkName(Link link);
QString eventName(TrafficEvent event);
// The text as on the wire, made visible; a reply with the "#" that ended it.
QString wireText(const TrafficRecord& record);
QString queryIndexText(const TrafficRecord& record);   // empty where no index applies
QString destinationText(const TrafficRecord& record);  // "(なし)" for a reply stored nowhere

// One line per row, its columns separated by tabs: time, link, event, text, QueryIndex,
// destination. Used for the clipboard and the saved file.
QString trafficRowText(const TrafficRow& row);

}  // namespace qx
