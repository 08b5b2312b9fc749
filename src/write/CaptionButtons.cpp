#include "write/CaptionButtons.h"

#include <array>

#include "link/LinkSend.h"
#include "read/QueryIndex.h"

namespace qx {

namespace {

struct CaptionQuery {
    const char* command;
    qint16 queryIndex;
};

// Caption buttons 0..15; the home position (14, 15) is stored under the read-all's indexes.
// clang-format off
constexpr std::array<CaptionQuery, 16> kCaptionQueries = {{
    {":GXE1#", 1}, {":GXE4#", 2}, {":GXE5#", 3},   {":GXE7#", 4},   {":GXEE#", 5}, {":Gg#", 6},
    {":Gt#", 7},   {":GG#", 8},   {":%BR#", 9},    {":%BD#", 10},   {":GXEA#", 11},
    {":GXE9#", 12}, {":Go#", 13}, {":Gh#", 14},    {":G1#", 21},    {":G2#", 22},
}};
// clang-format on

}  // namespace

void rereadField(Form1& form, int index) {
    QueryIndex = static_cast<qint16>(index + 1);
    const LinkSend send = LinkSend::forClick(form);  // on the LAN every click connects anew
    rereadField(send, index);
}

void rereadField(const LinkSend& send, int index) {
    QueryIndex = static_cast<qint16>(index + 1);
    if (index < 0 || index >= int(kCaptionQueries.size())) return;
    const CaptionQuery& q = kCaptionQueries[index];
    QueryIndex = q.queryIndex;
    send(QLatin1String(q.command));
}

}  // namespace qx
