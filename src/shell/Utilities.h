#pragma once

#include <QString>
#include <optional>

namespace qx {

class Form1;
class Pinger;

// The text of an echo status: "成功!" for 0, the platform's name for its failure codes, "失敗!"
// for anything else.
QString GetStatusCode(int status);

inline const char* const kPingSuccess = "成功!";

// One echo of the address: nothing when the socket library did not start (no echo was sent),
// otherwise whether the address answered.
std::optional<bool> pingAnswered(Pinger& pinger, const QString& address);

// "デバイスマネージャー": the system's device manager on Windows, elsewhere the tool's list of
// the serial ports with their COM numbers.
void openDeviceList(Form1& form);

}  // namespace qx
