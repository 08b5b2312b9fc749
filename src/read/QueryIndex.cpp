#include "read/QueryIndex.h"

namespace qx {

qint16 QueryIndex = 0;

}  // namespace qx
