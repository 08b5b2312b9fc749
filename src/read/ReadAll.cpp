#include "read/ReadAll.h"

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {
constexpr int kPollIntervalMs = 1000;  // the MaxRate poll once connected
}  // namespace

bool retryNeeded(const Controls& controls, const RetryCheck& check) {
    const QString control = QLatin1String(check.control);
    switch (check.missing) {
        case Missing::Empty:
            return controls.text(control).isEmpty();
        case Missing::Short:
            return controls.text(control).size() < 2;
        case Missing::LampsUnlit:
            return controls.backColor(control) == kLampUnlit &&
                   controls.backColor(QLatin1String(check.secondLamp)) == kLampUnlit;
    }
    return false;
}

void runFirstPass(Form1& form, const SendCommand& send, int versionWaitMs) {
    for (size_t i = 0; i < kFirstPass.size(); ++i) {
        QueryIndex = kFirstPass[i].index;
        send(QLatin1String(kFirstPass[i].command));
        form.Wait(i == 0 ? versionWaitMs : kFirstPass[i].waitMs);
    }
}

void paintDirectionLampsNotRead(Controls& controls) {
    for (const char* lamp : kDirectionLamps)
        controls.setBackColor(QLatin1String(lamp), kLampNotRead);
}

void runRetryPasses(Form1& form, const SendCommand& send) {
    for (int pass = 0; pass < kRetryPasses; ++pass) {
        bool retried = false;
        for (const RetryCheck& check : kRetryChecks) {
            if (!retryNeeded(form.controls(), check)) continue;
            retried = true;
            form.Wait(kRetryWaitMs);
            QueryIndex = check.index;
            send(QLatin1String(check.command));
        }
        if (!retried) break;
    }
}

void readAllOverSerial(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("設定の読み込み（シリアル）"));
    if (sequence.refused()) return;
    Comm& comm = form.comm();
    Controls& controls = form.controls();
    comm.COMM1open();
    // Sending twenty seconds of queries into a port that did not open helps no one.
    if (!comm.portOpen()) {
        AllDispON(controls);
        return;
    }
    // From here on the fields change: until the read completes they hold no backup.
    form.showSettingsRead(false);
    AllDispOFF(controls);
    form.Command34_Click();
    paintDirectionLampsNotRead(controls);

    auto send = [&comm](const QString& command) { comm.send(command); };
    runFirstPass(form, send, kFirstPass.front().waitMs);
    runRetryPasses(form, send);

    form.PlaySound(QStringLiteral("yomikomiend.mp3"));
    send(QStringLiteral(":Pe#"));
    AllDispON(controls);
    form.showSettingsRead(true);
    form.setTimer1Interval(kPollIntervalMs);
}

void disconnectAndClear(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("切断"), LongSequence::Start::Always);
    Controls& controls = form.controls();
    form.setTimer1Interval(0);
    form.comm().COMM1close();
    form.frmTerm().NETOffLine1();
    for (const char* name : kClearedOnDisconnect) controls.setText(QLatin1String(name), QString());
    for (const char* lamp : kLampsUnlitOnDisconnect)
        controls.setBackColor(QLatin1String(lamp), kLampUnlit);
    controls.setEnabled(QStringLiteral("Command61"), true);
    controls.setEnabled(QStringLiteral("Command12"), false);
    controls.setEnabled(QStringLiteral("Command6(14)"), true);
    controls.setEnabled(QStringLiteral("Command6(15)"), true);
    controls.setVisible(QStringLiteral("Command38"), true);
    form.showSettingsRead(false);  // the fields are empty now
    form.blinkPicture();
}

}  // namespace qx
