#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "shell/SequenceProgress.h"
#include "ui/Controls.h"
#include "ui/platform/Platform.h"

namespace qx {

class Comm;
class FrmTerm;
class TrafficObserver;

// The long sequence that is running (shell/LongSequence.h): its name, and the depth of event
// dispatch its own code runs at.
struct RunningSequence {
    QString name;
    int depth = 0;
};

// The main window's logic: it owns the state of every control (Controls) and every handler.
// The widget layer (ui/window) shows the controls and calls the handlers; tests call them
// directly, on a virtual clock.
class Form1 : public QObject {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QObject* parent = nullptr);
    ~Form1() override;

    Controls& controls() { return controls_; }
    Platform& platform() { return platform_; }
    Comm& comm() { return *comm_; }
    FrmTerm& frmTerm() { return *frmTerm_; }

    // Window events.
    void Form_Load();
    void Form_Activate();  // runs its steps once, at the first activation
    void Form_Unload();

    // Connection and link choice.
    void Command11_Click();  // "接続" (serial): connect and read all
    void Command61_Click();  // "接続" (LAN): ping, connect and read all
    void Command12_Click();  // "切断"
    void Option7_Click();    // serial link chosen
    void Option8_Click();    // LAN link chosen
    void Combo1_LostFocus();
    void Command60_Click();  // "ping"

    // Whether the fields hold a completed read (what the controller holds): the read-alls say so
    // at their start (false) and end (true), the disconnect when it has emptied them (false). The
    // backup and restore buttons are offered only while they do.
    void showSettingsRead(bool read);

    // Single reads and time.
    void Command5_Click(int index);  // caption buttons
    void Command34_Click();          // "Set": PC date, time and UTC offset to the controller

    // Writes.
    void Command6_Click(int index);  // SET buttons; 27 factory reset, 28 restart

    // The direction buttons (RA +, RA -, DEC +, DEC -): the mount presets press them too.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // Timers. An interval of 0 stops a timer; any other value (re)starts it.
    void setTimer1Interval(int ms);  // Timer1: the one-second MaxRate poll
    int timer1Interval() const { return timer1Interval_; }
    void setTimer2Interval(int ms);  // Timer2: the picture blink
    int timer2Interval() const { return timer2Interval_; }
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Small shared services of the window.
    bool serialChosen() const;  // Option7 selected
    void PlaySound(
        const QString& fileName);  // a sound file of the program's folder, e.g. "connect.mp3"
    void Wait(double ms);
    void PingIP(const QString& address);
    // Blinks Image3 for three seconds.
    void blinkPicture();
    static constexpr int kBlinkLengthMs = 3000;

    // The local settings files (link choice, LAN address, serial port number).
    void save_comm();
    void Load_comm();
    void save_lan();
    void Load_lan();
    void Save_param();
    void Load_param();

    // The gear table has been edited by hand since the window loaded: "その他" no longer loads
    // the user preset over it.
    bool GearFieldsEdited = false;

    // Kept by LongSequence; empty while no long sequence runs.
    std::optional<RunningSequence>& runningSequence() { return runningSequence_; }

    // Where the long timed sequences tell how far they have come (the window's progress bar).
    // Null: nobody is told.
    void setSequenceProgress(SequenceProgress* progress);
    SequenceProgress& sequenceProgress() { return *sequenceProgress_; }

    // Who is told of the links' traffic: the open traffic monitor, or nobody (null), in which
    // case the links and the parser do no work for it.
    TrafficObserver* trafficObserver() const { return trafficObserver_; }
    void setTrafficObserver(TrafficObserver* observer) { trafficObserver_ = observer; }

private:
    void showLinkControls(bool serial);
    QString soundFile(const QString& fileName) const;

    Platform& platform_;
    Controls controls_;
    std::unique_ptr<Comm> comm_;
    std::unique_ptr<FrmTerm> frmTerm_;
    std::unique_ptr<Timer> timer1_, timer2_, timer3_;
    std::unique_ptr<Timer> soundSystemStart_;
    int timer1Interval_ = 0;
    int timer2Interval_ = 0;
    bool activated_ = false;
    std::optional<RunningSequence> runningSequence_;
    NoSequenceProgress noSequenceProgress_;
    SequenceProgress* sequenceProgress_ = &noSequenceProgress_;
    TrafficObserver* trafficObserver_ = nullptr;
};

}  // namespace qx
