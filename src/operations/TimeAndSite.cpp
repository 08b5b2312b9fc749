#include "operations/TimeAndSite.h"

#include <cstdlib>

#include "link/LinkSend.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"

namespace qx {

namespace {
constexpr qint16 kDateIndex = 15;
constexpr qint16 kTimeIndex = 16;
constexpr int kSerialCommandPauseMs = 100;
constexpr int kSerialStepPauseMs = 300;
constexpr int kLanPauseMs = 50;
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
    return QStringLiteral(":SG%1%2#").arg(sign).arg(std::abs(biasMinutes) / 60.0, 0, 'f', 2);
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
    // The bias in force now, so that the offset matches the local time sent with ":SL".
    const int bias = form.platform().clock.currentBiasMinutes();
    const SystemTime local = form.platform().clock.localTime();
    const LinkSend send = LinkSend::forClick(form);
    // Over serial each command is followed by 100 ms only when it could be sent, and the steps by
    // 300 ms; the LAN route sends no offset and paces every command by 50 ms.
    const bool serial = send.serial();
    auto sendAndPause = [&](const QString& command) {
        if (!send.ready()) return;
        send(command);
        form.Wait(kSerialCommandPauseMs);
    };
    if (serial) {
        sendAndPause(utcOffsetCommand(bias));
        form.Wait(kSerialStepPauseMs);
        sendAndPause(setDateCommand(local));
        form.Wait(kSerialStepPauseMs);
        sendAndPause(setTimeCommand(local));
    } else {
        send(setDateCommand(local));
        form.Wait(kLanPauseMs);
        send(setTimeCommand(local));
        form.Wait(kLanPauseMs);
    }
    QueryIndex = kDateIndex;
    send(QStringLiteral(":GX81#"));
    form.Wait(serial ? kSerialCommandPauseMs : kLanPauseMs);
    QueryIndex = kTimeIndex;
    send(QStringLiteral(":GX80#"));
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
