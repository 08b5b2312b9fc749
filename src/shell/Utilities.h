#pragma once

#include <QString>

namespace qx {

// The text of an echo status: "成功!" for 0, the platform's name for its failure codes, "失敗!"
// for anything else.
QString GetStatusCode(int status);

inline const char* const kPingSuccess = "成功!";

}  // namespace qx
