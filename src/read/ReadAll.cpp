#include "read/ReadAll.h"

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "operations/TimeAndSite.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {

constexpr int kPollIntervalMs = 1000;  // the MaxRate poll once connected

int firstPassWaitMs(std::size_t query, int versionWaitMs) {
    return query == 0 ? versionWaitMs : kFirstPass[query].waitMs;
}

// What the retry passes still send after check `next` of pass `pass` has been passed by. Once a
// pass has sent its last re-send, the next one asks again for what is missing at that moment.
StepPlan retriesAhead(const Controls& controls, int pass, std::size_t next) {
    const StepPlan restOfPass = retryPassPlan(controls, next);
    if (restOfPass.steps > 0 || pass + 1 == kRetryPasses) return restOfPass;
    return retryPassPlan(controls);
}

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

StepPlan firstPassPlan(int versionWaitMs) {
    StepPlan plan;
    for (std::size_t i = 0; i < kFirstPass.size(); ++i)
        plan = plan + oneStep(firstPassWaitMs(i, versionWaitMs));
    return plan;
}

StepPlan retryPassPlan(const Controls& controls, std::size_t first) {
    StepPlan plan;
    for (std::size_t i = first; i < kRetryChecks.size(); ++i)
        if (retryNeeded(controls, kRetryChecks[i])) plan = plan + oneStep(kRetryWaitMs);
    return plan;
}

void runFirstPass(Form1& form, const SendCommand& send, int versionWaitMs, ProgressSteps& progress,
                  StepPlan end) {
    StepPlan ahead = firstPassPlan(versionWaitMs);
    for (std::size_t i = 0; i < kFirstPass.size(); ++i) {
        const int waitMs = firstPassWaitMs(i, versionWaitMs);
        QueryIndex = kFirstPass[i].index;
        send(QLatin1String(kFirstPass[i].command));
        form.Wait(waitMs);
        ahead = {ahead.steps - 1, ahead.ms - waitMs};
        // Once the last answer has had its time, what the first retry pass will ask is known.
        const bool last = i + 1 == kFirstPass.size();
        progress.stepDone(ahead + (last ? retryPassPlan(form.controls()) : StepPlan{}) + end);
    }
}

void paintDirectionLampsNotRead(Controls& controls) {
    for (const char* lamp : kDirectionLamps)
        controls.setBackColor(QLatin1String(lamp), kLampNotRead);
}

void runRetryPasses(Form1& form, const SendCommand& send, ProgressSteps& progress, StepPlan end) {
    for (int pass = 0; pass < kRetryPasses; ++pass) {
        bool retried = false;
        for (std::size_t i = 0; i < kRetryChecks.size(); ++i) {
            const RetryCheck& check = kRetryChecks[i];
            if (!retryNeeded(form.controls(), check)) continue;
            retried = true;
            form.Wait(kRetryWaitMs);
            QueryIndex = check.index;
            send(QLatin1String(check.command));
            progress.stepDone(retriesAhead(form.controls(), pass, i + 1) + end);
        }
        if (!retried) break;
    }
}

void readAllOverSerial(Form1& form) {
    const QString name = QStringLiteral("設定の読み込み（シリアル）");
    const LongSequence sequence(form, name);
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
    // Steps: "Set", the first pass, the retry passes as they become known, the end with ":Pe#".
    const StepPlan end = oneStep(0);
    const int versionWaitMs = kFirstPass.front().waitMs;
    ProgressSteps progress(form, name,
                           oneStep(serialTimeSettingMs()) + firstPassPlan(versionWaitMs) + end);
    AllDispOFF(controls);
    form.Command34_Click();
    progress.stepDone(firstPassPlan(versionWaitMs) + end);
    paintDirectionLampsNotRead(controls);

    auto send = [&comm](const QString& command) { comm.send(command); };
    runFirstPass(form, send, versionWaitMs, progress, end);
    runRetryPasses(form, send, progress, end);

    form.PlaySound(QStringLiteral("yomikomiend.mp3"));
    send(QStringLiteral(":Pe#"));
    progress.stepDone({});
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
