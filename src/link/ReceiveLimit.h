#pragma once

#include <QtGlobal>

namespace qx {

// No reply of the controller comes near this length (the longest, a composite axis reply, has
// about 40 characters). Neither link holds more received text than this at a time: a device that
// sends without end, or a megabyte without "#", cannot grow a buffer.
inline constexpr qsizetype kMaxReceiveBytes = 1024;

}  // namespace qx
