#include "operations/MountMode.h"

#include <QString>
#include <array>

#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

constexpr int kPreludePauseMs = 100;

constexpr std::array kButtons{
    MountModeButton{"Command55", ":Tr#", ":SXEM,1#"},  // "ドイツ型モード"
    MountModeButton{"Command53", ":Tr#", ":SXEM,2#"},  // "フォーク型モード"
    MountModeButton{"Command56", ":Tn#", ":SXEM,3#"},  // "経緯台モード"
};

}  // namespace

std::span<const MountModeButton> mountModeButtons() {
    return kButtons;
}

void setMountMode(Form1& form, const MountModeButton& button) {
    const LongSequence sequence(form, QStringLiteral("マウントモード"));
    if (sequence.refused()) return;
    const LinkSend send = LinkSend::forClick(form);
    if (!send.serial()) {
        send(QLatin1String(button.mode));
        return;
    }
    send(QLatin1String(button.serialPrelude));
    form.Wait(kPreludePauseMs);
    send(QLatin1String(button.mode));
    form.comm().COMM1close();
}

}  // namespace qx
