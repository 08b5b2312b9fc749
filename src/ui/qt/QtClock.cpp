#include "ui/qt/QtClock.h"

#include <QDateTime>
#include <QTimeZone>

namespace qx {

namespace {

SystemTime systemTimeOf(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(),   date.month(),  date.day(), time.hour(),
            time.minute(), time.second(), time.msec()};
}

// Qt counts the offset east of Greenwich in seconds (Japan +32400); the bias is the minutes to
// add to local time to get universal time (Japan -540).
int biasMinutesOf(int offsetFromUtcSeconds) {
    return -offsetFromUtcSeconds / 60;
}

}  // namespace

SystemTime QtClock::localTime() const {
    return systemTimeOf(QDateTime::currentDateTime());
}

SystemTime QtClock::universalTime() const {
    return systemTimeOf(QDateTime::currentDateTimeUtc());
}

int QtClock::standardBiasMinutes() const {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return biasMinutesOf(QTimeZone::systemTimeZone().standardTimeOffset(now));
}

int QtClock::currentBiasMinutes() const {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return biasMinutesOf(QTimeZone::systemTimeZone().offsetFromUtc(now));
}

}  // namespace qx
