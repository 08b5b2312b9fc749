#include "operations/SpeedPercentage.h"

#include "link/LinkSend.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

// One letter per button: backwards from "A" (100%) to "K" (50%) in steps of 5%, then forwards
// from "L" (150%) to "Q" (400%) in steps of 50%.
constexpr char kLetters[] = "KJIHGFEDCBALMNOPQ";
constexpr int kButtonCount = sizeof(kLetters) - 1;

constexpr qint16 kSlewSpeedIndex = 50;
constexpr int kReadBackPauseMs = 1000;

}  // namespace

std::optional<QString> speedPercentageCommand(int index) {
    if (index < 0 || index >= kButtonCount) return std::nullopt;
    return QStringLiteral(":SX93,%1#").arg(QLatin1Char(kLetters[index]));
}

void setSpeedPercentage(Form1& form, int index) {
    const LongSequence sequence(form, QStringLiteral("速度パーセント"));
    if (sequence.refused()) return;
    const LinkSend send = LinkSend::forClick(form);
    if (const std::optional<QString> command = speedPercentageCommand(index)) send(*command);
    form.Wait(kReadBackPauseMs);
    QueryIndex = kSlewSpeedIndex;
    send(QStringLiteral(":GX97#"));
}

}  // namespace qx
