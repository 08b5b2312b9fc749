#include "operations/TimeAndSite.h"

#include <cmath>
#include <functional>

#include "link/LinkSend.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"

namespace qx {

namespace {
constexpr qint16 kDateIndex = 15;
constexpr qint16 kTimeIndex = 16;
constexpr int kSerialCommandPauseMs = 100;
constexpr int kSerialStepPauseMs = 300;
constexpr int kLanPauseMs = 50;
constexpr int kParkReleasePauseMs = 50;
constexpr qint16 kHomeAltitudeIndex = 21;
constexpr qint16 kHomeAzimuthIndex = 22;
// The controller needs a while to move its home to the pole before it reports it.
constexpr int kPolarHomePauseMs = 3000;
constexpr int kHomeQueryPauseMs = 300;

// Over serial the pause after a command belongs to its send: no command, no pause.
void sendThenPause(Form1& form, const LinkSend& send, const QString& command, int pauseMs) {
    if (!send.ready()) return;
    send(command);
    form.Wait(pauseMs);
}

// The date, then the time, each built from the local time that `localTime` gives. Over serial
// each command has its own pause and `stepMs` separates them; the LAN paces both by 50 ms
// whether they went out or not.
void sendDateAndTime(Form1& form, const LinkSend& send,
                     const std::function<SystemTime()>& localTime, int pauseMs, int stepMs) {
    if (send.serial()) {
        sendThenPause(form, send, setDateCommand(localTime()), pauseMs);
        form.Wait(stepMs);
        sendThenPause(form, send, setTimeCommand(localTime()), pauseMs);
        return;
    }
    send(setDateCommand(localTime()));
    form.Wait(kLanPauseMs);
    send(setTimeCommand(localTime()));
    form.Wait(kLanPauseMs);
}
}  // namespace

QString twoDigits(int n) {
    return (QStringLiteral("00") + QString::number(n)).right(2);
}

QString setDateCommand(const SystemTime& t) {
    return QStringLiteral(":SC%1/%2/%3#")
        .arg(twoDigits(t.month), twoDigits(t.day), twoDigits(t.year));
}

QString setTimeCommand(const SystemTime& t) {
    return QStringLiteral(":SL%1:%2:%3#")
        .arg(twoDigits(t.hour), twoDigits(t.minute), twoDigits(t.second));
}

QString utcOffsetCommand(int biasMinutes) {
    const QChar sign = biasMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    return QStringLiteral(":SG%1%2#").arg(sign).arg(std::fabs(biasMinutes / 60.0), 0, 'f', 2);
}

QString clockDisplayText(const SystemTime& t) {
    return QStringLiteral("%1/%2/%3 %4:%5:%6.%7")
        .arg(t.year)
        .arg(t.month)
        .arg(t.day)
        .arg(t.hour)
        .arg(t.minute)
        .arg(t.second)
        .arg(t.millisecond);
}

QString zoneHoursText(int biasMinutes) {
    return QString::number(-biasMinutes / 60.0);
}

void sendPcTimeToController(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("時刻設定"));
    if (sequence.refused()) return;
    // The bias in force now, so that the offset matches the local time sent with ":SL".
    const int bias = form.platform().clock.currentBiasMinutes();
    const SystemTime local = form.platform().clock.localTime();
    const LinkSend send = LinkSend::forClick(form);
    // Over serial each command is followed by 100 ms only when it could be sent, and the steps by
    // 300 ms; the LAN route sends no offset and paces every command by 50 ms.
    const bool serial = send.serial();
    if (serial) {
        sendThenPause(form, send, utcOffsetCommand(bias), kSerialCommandPauseMs);
        form.Wait(kSerialStepPauseMs);
    }
    sendDateAndTime(
        form, send, [local] { return local; }, kSerialCommandPauseMs, kSerialStepPauseMs);
    QueryIndex = kDateIndex;
    send(QStringLiteral(":GX81#"));
    form.Wait(serial ? kSerialCommandPauseMs : kLanPauseMs);
    QueryIndex = kTimeIndex;
    send(QStringLiteral(":GX80#"));
}

// The offset, the date and the time each with their pause, the steps between them, and the pause
// before the time is read back.
int serialTimeSettingMs() {
    return 3 * kSerialCommandPauseMs + 2 * kSerialStepPauseMs + kSerialCommandPauseMs;
}

void reacquireGps(Form1& form) {
    form.comm().send(QStringLiteral(":TJ#"));
}

void releasePark(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("パーク解除"));
    if (sequence.refused()) return;
    const Clock& clock = form.platform().clock;
    const LinkSend send = LinkSend::forClick(form);
    sendDateAndTime(
        form, send, [&clock] { return clock.localTime(); }, kParkReleasePauseMs,
        kParkReleasePauseMs);
    send(QStringLiteral(":hR#"));
}

void setHomeToPolarNorth(Form1& form) {
    const LongSequence sequence(form, QStringLiteral("極軸ホーム設定"));
    if (sequence.refused()) return;
    // The home is now the pole, not a typed coordinate; the disconnect enables them again.
    form.controls().setEnabled(QStringLiteral("Command6(14)"), false);
    form.controls().setEnabled(QStringLiteral("Command6(15)"), false);
    const LinkSend send = LinkSend::forClick(form);
    send(QStringLiteral(":TH#"));
    form.Wait(kPolarHomePauseMs);
    QueryIndex = kHomeAltitudeIndex;
    send(QStringLiteral(":G1#"));
    form.Wait(kHomeQueryPauseMs);
    QueryIndex = kHomeAzimuthIndex;
    send(QStringLiteral(":G2#"));
}

void refreshClockDisplay(Form1& form) {
    const Clock& clock = form.platform().clock;
    Controls& controls = form.controls();
    controls.setText(QStringLiteral("Label4"),
                     QStringLiteral("現在時間JST：   ") + clockDisplayText(clock.localTime()));
    controls.setText(QStringLiteral("Label5"),
                     QStringLiteral("世界時刻 UT：　") + clockDisplayText(clock.universalTime()));
    controls.setText(QStringLiteral("Label6"), QStringLiteral("時差 :   ") +
                                                   zoneHoursText(clock.currentBiasMinutes()) +
                                                   QStringLiteral(" 時間"));
}

}  // namespace qx
