#include "operations/WirelessMode.h"

#include <QString>
#include <array>

#include "link/LanLink.h"
#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

constexpr int kCommandPauseMs = 1000;
constexpr int kBeforeDisconnectMs = 1000;

constexpr std::array kButtons{
    WirelessModeButton{"Command35", ":TG#"},  // "アクセスポイント"
    WirelessModeButton{"Command36", ":TF#"},  // "ステーション"
};

}  // namespace

std::span<const WirelessModeButton> wirelessModeButtons() {
    return kButtons;
}

void setWirelessMode(Form1& form, const WirelessModeButton& button) {
    const LongSequence sequence(form, QStringLiteral("WiFiモード"));
    if (sequence.refused()) return;
    const LinkSend send = LinkSend::forClick(form);
    for (const char* command : {button.mode, ":Pe#", ":Pz#"}) {
        send(QLatin1String(command));
        form.Wait(kCommandPauseMs);
    }
    if (send.serial())
        form.comm().COMM1close();
    else
        form.frmTerm().NETOffLine1();
    form.Wait(kBeforeDisconnectMs);
    form.Command12_Click();
}

}  // namespace qx
