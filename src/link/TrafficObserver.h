#pragma once

#include <QString>
#include <utility>

#include "read/ReplyParser.h"

namespace qx {

// What happened on a link, one record per event.
enum class TrafficEvent {
    Connect,        // the link opened
    Close,          // the link closed, or a connect ended without a connection
    Sent,           // a command written to the link
    Received,       // a reply stored by the parser where QueryIndex pointed
    Rejected,       // a reply refused by the range check of its index; the fields kept their values
    Dropped,        // text the framing threw away: a fragment without "#", text over a cap
    LostAfterHash,  // LAN: the text after the first "#" of an arrival
};

struct TrafficRecord {
    TrafficRecord() = default;
    TrafficRecord(Link link, TrafficEvent event, QString text, int queryIndex = -1,
                  QString destination = {})
        : link(link),
          event(event),
          text(std::move(text)),
          queryIndex(queryIndex),
          destination(std::move(destination)) {}

    Link link = Link::Serial;
    TrafficEvent event = TrafficEvent::Sent;
    QString text;         // as on the wire, without the "#" that ended a reply
    int queryIndex = -1;  // replies and dropped text: QueryIndex when they came; otherwise -1
    QString destination;  // replies: the controls the parser's tables store them in
};

// Told of every event of both links and of every reply the parser is given. Form1 holds at most
// one (the open traffic monitor); while it holds none the links and the parser build no record,
// so a closed monitor costs one pointer test per event.
class TrafficObserver {
public:
    virtual ~TrafficObserver() = default;
    virtual void record(const TrafficRecord& record) = 0;
};

}  // namespace qx
