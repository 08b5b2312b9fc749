#include "operations/TimeAndSite.h"

#include <array>
#include <cstdlib>
#include <functional>

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"

namespace qx {

namespace {
constexpr qint16 kDateIndex = 15;
constexpr qint16 kTimeIndex = 16;
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

namespace {

// Date and time, then the controller's date and time read back; `pauses` are the waits after the
// date, the time and the date query.
void sendDateTimeAndReadBack(Form1& form, const std::function<void(const QString&)>& send,
                             const SystemTime& local, std::array<int, 3> pauses) {
    send(setDateCommand(local));
    form.Wait(pauses[0]);
    send(setTimeCommand(local));
    form.Wait(pauses[1]);
    QueryIndex = kDateIndex;
    send(QStringLiteral(":GX81#"));
    form.Wait(pauses[2]);
    QueryIndex = kTimeIndex;
    send(QStringLiteral(":GX80#"));
}

}  // namespace

void sendPcTimeToController(Form1& form) {
    // The bias in force now, so that the offset matches the local time sent with ":SL".
    const int bias = form.platform().clock.currentBiasMinutes();
    const SystemTime local = form.platform().clock.localTime();
    if (form.serialChosen()) {
        Comm& comm = form.comm();
        auto send = [&comm](const QString& command) { comm.send(command); };
        send(utcOffsetCommand(bias));
        form.Wait(100 + 300);
        sendDateTimeAndReadBack(form, send, local, {100 + 300, 100, 100});
        return;
    }
    // The LAN route sends no offset.
    FrmTerm& lan = form.frmTerm();
    lan.NETconnect1();
    sendDateTimeAndReadBack(form, [&lan](const QString& command) { lan.NET_TX(command); }, local,
                            {50, 50, 50});
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
