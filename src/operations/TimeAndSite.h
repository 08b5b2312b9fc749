#pragma once

#include <QString>

#include "ui/platform/Clock.h"

namespace qx {

class Form1;

// The last two digits of a number after "00" has been put in front: 5 → "05", 2024 → "24".
QString twoDigits(int n);

QString setDateCommand(const SystemTime& local);  // ":SC03/05/24#" (month/day/year)
QString setTimeCommand(const SystemTime& local);  // ":SL21:07:05#"

// The controller takes the offset with the sign of the bias (UT = local + bias), in hours with
// two decimals and an explicit sign: Japan ":SG-9.00#", New York in winter ":SG+5.00#",
// India ":SG-5.50#".
QString utcOffsetCommand(int biasMinutes);

// 2024/3/3 9:7:5.42: numbers without leading zeros.
QString clockDisplayText(const SystemTime& t);
// Hours east of Greenwich: 9, 5.5, -5.
QString zoneHoursText(int biasMinutes);

// "Set": the PC's UTC offset, date and time to the controller, then read its date and time back.
void sendPcTimeToController(Form1& form);
// How long "Set" waits over an open serial port.
int serialTimeSettingMs();

// "GPS 再捕捉": serial only.
void reacquireGps(Form1& form);

// The park release "解除": the PC's date and time, each read as its command is built, then
// ":hR#".
void releasePark(Form1& form);

// The polar-north home "SET": the home becomes the pole, and its altitude and azimuth are read
// back into Text1(20) and Text1(21).
void setHomeToPolarNorth(Form1& form);

// The clock labels, refreshed every second.
void refreshClockDisplay(Form1& form);

}  // namespace qx
