#pragma once

#include <QString>

namespace qx {

class Controls;
class TrafficObserver;

enum class Link { Serial, Lan };

// Stores one reply (the text before its "#") where the query index points. Returns false when
// the reply is rejected by a range check (the fields stay as they were). Every step that cannot
// be done (a text that is not a number, a missing separator, a field that does not exist) is
// skipped and the next one runs.
// An observer, when given, is told of the reply, whether it was accepted and where it went.
bool parseReply(Controls& controls, const QString& reply, int queryIndex, Link link,
                TrafficObserver* observer = nullptr);

// Where a reply under this index is stored, from the same tables parseReply follows: the
// controls' names joined by ", " ("Text1(5)", "Shape5, Shape6"), empty when it is only checked
// or its field does not exist. The composite axis fields are listed for both links, since over
// the LAN the link's receive handling parses the same text.
QString replyDestination(const Controls& controls, int queryIndex, Link link);

// The composite axis reply of ":GXA1#" (index 53, RA) or ":GXA2#" (index 55, DEC), such as
// 12800,-1x,-180,180,16.0: steps per degree, direction code (direction - 2) with one trailing
// character, two limits, microsteps.
void parseCompositeAxis(Controls& controls, const QString& reply, int queryIndex);

}  // namespace qx
