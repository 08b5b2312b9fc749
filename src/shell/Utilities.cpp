#include "shell/Utilities.h"

#include <array>

#include "shell/Form1.h"
#include "ui/platform/Network.h"

namespace qx {

namespace {

struct StatusText {
    int status;
    const char* text;
};

constexpr std::array kStatusTexts = {
    StatusText{0, "成功!"},
    StatusText{11001, "Buffer Too Small"},
    StatusText{11002, "Destination Net Unreachable"},
    StatusText{11003, "Destination Host Unreachable"},
    StatusText{11004, "Destination Protocol Unreachable"},
    StatusText{11005, "Destination Port Unreachable"},
    StatusText{11006, "No Resources"},
    StatusText{11007, "Bad Option"},
    StatusText{11008, "Hardware Error"},
    StatusText{11009, "Packet Too Big"},
    StatusText{11010, "Request Timed Out"},
    StatusText{11011, "Bad Request"},
    StatusText{11012, "Bad Route"},
    StatusText{11013, "TimeToLive Expired Transit"},
    StatusText{11014, "TimeToLive Expired Reassembly"},
    StatusText{11015, "Parameter Problem"},
    StatusText{11016, "Source Quench"},
    StatusText{11017, "Option Too Big"},
    StatusText{11018, "Bad Destination"},
    StatusText{11032, "Negotiating IPSEC"},
    StatusText{11050, "General Failure"},
};

}  // namespace

QString GetStatusCode(int status) {
    for (const StatusText& s : kStatusTexts)
        if (s.status == status) return QString::fromUtf8(s.text);
    return QStringLiteral("失敗!");
}

std::optional<bool> pingAnswered(Pinger& pinger, const QString& address) {
    if (!pinger.socketsInitialize()) return std::nullopt;
    return GetStatusCode(pinger.ping(address)) == QString::fromUtf8(kPingSuccess);
}

void openDeviceList(Form1& form) {
    form.platform().desktop.openDeviceList();
}

}  // namespace qx
