#include "read/LanReadAll.h"

#include "link/LanLink.h"
#include "read/Conversions.h"
#include "read/ReadAll.h"
#include "read/ReadAllTables.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "shell/Utilities.h"

namespace qx {

namespace {

constexpr int kPauseBeforeEndMs = 250;  // between the completion sound and ":Pe#"

void showNotConnected(Controls& controls) {
    controls.setEnabled(QStringLiteral("Command61"), true);
    controls.setEnabled(QStringLiteral("Command12"), false);
}

}  // namespace

void readAllOverLan(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("設定の読み込み（LAN）"));
    if (sequence.refused()) return;
    Controls& controls = form.controls();
    const std::optional<bool> answered =
        pingAnswered(form.platform().pinger, trimmedText(controls.text(QStringLiteral("Text13"))));
    if (!answered) return;
    if (!*answered) {
        showNotConnected(controls);
        controls.setText(QStringLiteral("Command60"), QStringLiteral("NG"));
        form.PlaySound(QStringLiteral("IPno.mp3"));
        return;
    }

    AllDispOFF(controls);
    FrmTerm& term = form.frmTerm();
    term.NETconnect1();
    // The address answers but port 9999 does not: twenty seconds of queries into a closed
    // connection would tell the operator nothing.
    if (!term.connected()) {
        AllDispON(controls);
        showNotConnected(controls);
        form.PlaySound(QStringLiteral("IPno.mp3"));
        return;
    }
    // From here on the fields change: until the read completes they hold no backup.
    form.showSettingsRead(false);
    paintDirectionLampsNotRead(controls);

    auto send = [&term](const QString& command) { term.NET_TX(command); };
    runFirstPass(form, send, kLanVersionWaitMs);
    runRetryPasses(form, send);

    form.PlaySound(QStringLiteral("yomikomiend.mp3"));
    form.Wait(kPauseBeforeEndMs);
    send(QStringLiteral(":Pe#"));
    AllDispON(controls);
    form.showSettingsRead(true);
}

}  // namespace qx
