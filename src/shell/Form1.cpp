#include "shell/Form1.h"

#include <QDir>

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "mount/FamilyPresets.h"
#include "mount/GearCalculation.h"
#include "mount/UserPresetFile.h"
#include "operations/OneShotButtons.h"
#include "operations/TimeAndSite.h"
#include "read/Conversions.h"
#include "read/LanReadAll.h"
#include "read/ReadAll.h"
#include "shell/ControlLocking.h"
#include "shell/SettingsFiles.h"
#include "shell/Utilities.h"
#include "ui/layout/Form1Layout.h"
#include "write/CaptionButtons.h"
#include "write/SetButtons.h"
#include "write/SettingsBackup.h"

namespace qx {

namespace {
constexpr int kBlinkIntervalMs = 500;
constexpr int kClockIntervalMs = 1000;
// The sound system takes a tenth of a second to start. It is started once the window is up,
// during the first blink, so that neither the window nor the first connect waits for it.
constexpr int kSoundSystemStartMs = 1000;
}  // namespace

Form1::Form1(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform), controls_(form1Layout()) {
    comm_ = std::make_unique<Comm>(*this);
    frmTerm_ = std::make_unique<FrmTerm>(*this);
    timer1_ = platform_.scheduler.createTimer([this] { Timer1_Timer(); });
    timer2_ = platform_.scheduler.createTimer([this] { Timer2_Timer(); });
    timer3_ = platform_.scheduler.createTimer([this] { Timer3_Timer(); });
    // Every connect begins with this cue.
    soundSystemStart_ = platform_.scheduler.createTimer(
        [this] { platform_.sound.prepare(soundFile(QStringLiteral("connect.mp3"))); });
    soundSystemStart_->setSingleShot(true);
    followSlewSpeed(controls_);
}

Form1::~Form1() = default;

// ---- window events -------------------------------------------------------------------------

void Form1::Form_Load() {
    removeUnfinishedSaves(platform_.folders.settingsFolder(),
                          {kCommFile, kLanipFile, kSiriFile, kSetDataFile});
    Load_param();
    Load_lan();
    Load_comm();
    GearFieldsEdited = false;
    controls_.setVisible(QStringLiteral("Image3"), false);
    timer3_->start(kClockIntervalMs);
    Timer3_Timer();
    applyFamilyPreset(*this, 0);  // the window opens with the first mount family's gear table
}

// The window is activated again whenever the operator comes back from another application or a
// dialog; locking the controls and repainting the lamps then would undo a read. Only the first
// activation, at start-up, runs these steps.
void Form1::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    AllDispOFF(controls_);
    controls_.setEnabled(QStringLiteral("Command11"), true);
    controls_.setEnabled(QStringLiteral("Command12"), false);
    paintDirectionLampsNotRead(controls_);
    soundSystemStart_->start(kSoundSystemStartMs);
    blinkPicture();
    controls_.setVisible(QStringLiteral("Picture4"), false);
}

void Form1::Form_Unload() {
    save_comm();
    setTimer1Interval(0);
    Wait(1000);
    platform_.desktop.endProgram();
}

// ---- connection and link choice ------------------------------------------------------------

void Form1::Command11_Click() {
    readAllOverSerial(*this);
}

void Form1::Command61_Click() {
    readAllOverLan(*this);
}

void Form1::Command12_Click() {
    disconnectAndClear(*this);
}

void Form1::showSettingsRead(bool read) {
    offerBackupAndRestore(controls_, read);
}

void Form1::Option7_Click() {
    controls_.setChecked(QStringLiteral("Option7"), true);
    save_comm();
    showLinkControls(true);
}

void Form1::Option8_Click() {
    controls_.setChecked(QStringLiteral("Option8"), true);
    PingIP(trimmedText(controls_.text(QStringLiteral("Text13"))));
    save_lan();
    save_comm();
    showLinkControls(false);
}

// The serial port box and its "接続", or the address, "ping", the LAN "接続" and "WEB".
void Form1::showLinkControls(bool serial) {
    controls_.setVisible(QStringLiteral("Combo1"), serial);
    controls_.setVisible(QStringLiteral("Text13"), !serial);
    controls_.setVisible(QStringLiteral("Command60"), !serial);
    controls_.setVisible(QStringLiteral("Command11"), serial);
    controls_.setVisible(QStringLiteral("Command61"), !serial);
    controls_.setVisible(QStringLiteral("Command70"), !serial);
}

void Form1::Combo1_LostFocus() {
    const QString text = controls_.text(QStringLiteral("Combo1"));
    for (int n = 1; n <= 19; ++n) {
        if (text == QStringLiteral("COM%1").arg(n)) platform_.serial.setPortNumber(n);
    }
    Save_param();
}

void Form1::Command60_Click() {
    PingIP(trimmedText(controls_.text(QStringLiteral("Text13"))));
    save_lan();
}

// ---- single reads and time -----------------------------------------------------------------

void Form1::Command5_Click(int index) {
    rereadField(*this, index);
}

void Form1::Command34_Click() {
    sendPcTimeToController(*this);
}

// ---- writes -------------------------------------------------------------------------------

void Form1::Command6_Click(int index) {
    runSetButton(*this, index);
}

// ---- direction buttons ---------------------------------------------------------------------

void Form1::Command1_Click() {
    pressOneShotButton(*this, QStringLiteral("Command1"));
}

void Form1::Command2_Click() {
    pressOneShotButton(*this, QStringLiteral("Command2"));
}

void Form1::Command3_Click() {
    pressOneShotButton(*this, QStringLiteral("Command3"));
}

void Form1::Command4_Click() {
    pressOneShotButton(*this, QStringLiteral("Command4"));
}

// ---- timers --------------------------------------------------------------------------------

void Form1::setTimer1Interval(int ms) {
    timer1Interval_ = ms;
    if (ms > 0)
        timer1_->start(ms);
    else
        timer1_->stop();
}

void Form1::setTimer2Interval(int ms) {
    timer2Interval_ = ms;
    if (ms > 0) {
        timer2_->start(ms);
    } else {
        timer2_->stop();
        controls_.setVisible(QStringLiteral("Image3"), false);  // a blink always ends hidden
    }
}

void Form1::Timer1_Timer() {
    if (timer1Interval_ != 0) Command5_Click(0);
}

void Form1::Timer2_Timer() {
    const QString image = QStringLiteral("Image3");
    controls_.setVisible(image, !controls_.visible(image));
    if (timer2Interval_ == 0) controls_.setVisible(image, false);
}

void Form1::Timer3_Timer() {
    refreshClockDisplay(*this);
}

void Form1::blinkPicture() {
    setTimer2Interval(kBlinkIntervalMs);
    Wait(kBlinkLengthMs);
    setTimer2Interval(0);
}

// ---- shared services -----------------------------------------------------------------------

void Form1::setSequenceProgress(SequenceProgress* progress) {
    sequenceProgress_ = progress ? progress : &noSequenceProgress_;
}

bool Form1::serialChosen() const {
    return controls_.checked(QStringLiteral("Option7"));
}

void Form1::PlaySound(const QString& fileName) {
    platform_.sound.play(soundFile(fileName));
}

QString Form1::soundFile(const QString& fileName) const {
    return QDir(platform_.folders.programFolder()).filePath(fileName);
}

void Form1::Wait(double ms) {
    platform_.scheduler.wait(ms);
}

void Form1::PingIP(const QString& address) {
    const std::optional<bool> answered = pingAnswered(platform_.pinger, address);
    if (!answered) return;
    controls_.setText(QStringLiteral("Command60"),
                      *answered ? QStringLiteral("OK") : QStringLiteral("NG"));
    PlaySound(*answered ? QStringLiteral("IP.mp3") : QStringLiteral("IPno.mp3"));
}

}  // namespace qx
