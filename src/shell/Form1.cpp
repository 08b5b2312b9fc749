#include "shell/Form1.h"

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "ui/layout/Form1Layout.h"

namespace qx {

Form1::Form1(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform), controls_(form1Layout()) {}

Form1::~Form1() = default;

void Form1::Form_Load() {}
void Form1::Form_Activate() {}
void Form1::Form_Unload() {}
void Form1::Command11_Click() {}
void Form1::Command12_Click() {}
void Form1::Option7_Click() {}
void Form1::Option8_Click() {}
void Form1::Combo1_LostFocus() {}
void Form1::Command60_Click() {}
void Form1::Command5_Click(int) {}
void Form1::Command34_Click() {}
void Form1::setTimer1Interval(int ms) { timer1Interval_ = ms; }
void Form1::setTimer2Interval(int ms) { timer2Interval_ = ms; }
void Form1::Timer1_Timer() {}
void Form1::Timer2_Timer() {}
void Form1::Timer3_Timer() {}
bool Form1::serialChosen() const { return controls_.checked(QStringLiteral("Option7")); }
void Form1::PlaySound(const QString&) {}
void Form1::Wait(double ms) { platform_.scheduler.wait(ms); }
void Form1::PingIP(const QString&) {}

}  // namespace qx
