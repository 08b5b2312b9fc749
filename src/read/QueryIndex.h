#pragma once

#include <QtGlobal>

namespace qx {

// Which query the next reply answers. Replies carry no tag, so whoever sends a query sets this
// just before; the reply parser stores each reply where it points. 100 is the catch-all that
// shows nothing.
extern qint16 QueryIndex;

inline constexpr qint16 kCatchAllIndex = 100;

}  // namespace qx
