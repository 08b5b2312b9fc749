// The link choice, the controller's address and the serial port number, kept between runs in
// three small files. A file that is missing or cannot be written is ignored without a word.
#include "read/Conversions.h"
#include "shell/Form1.h"
#include "shell/SettingsFiles.h"

namespace qx {

namespace {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 19;

QString fileIn(Form1& form, const char* name) {
    return settingsFilePath(form.platform().folders.settingsFolder(), name);
}

}  // namespace

void Form1::save_comm() {
    const bool lan = controls_.checked(QStringLiteral("Option8"));
    saveFileAtomically(fileIn(*this, kCommFile), commFileBytes(lan));
}

void Form1::Load_comm() {
    const std::optional<FileStart> file = readFileStart(fileIn(*this, kCommFile));
    if (!file) return;
    const std::optional<QString> field = firstField(file->bytes, file->cut);
    if (!field) return;
    if (field->contains(QLatin1Char('9'))) {
        if (!controls_.checked(QStringLiteral("Option8"))) Option8_Click();
        showLinkControls(false);
    } else {
        controls_.setChecked(QStringLiteral("Option7"), true);
        showLinkControls(true);
    }
}

void Form1::save_lan() {
    saveFileAtomically(fileIn(*this, kLanipFile),
                       lanipFileBytes(controls_.text(QStringLiteral("Text13"))));
}

void Form1::Load_lan() {
    const std::optional<FileStart> file = readFileStart(fileIn(*this, kLanipFile));
    if (!file) return;
    if (const std::optional<QString> field = firstField(file->bytes, file->cut))
        controls_.setText(QStringLiteral("Text13"), trimmedText(*field));
}

void Form1::Save_param() {
    platform_.sound.beep();
    saveFileAtomically(fileIn(*this, kSiriFile),
                       siriFileBytes(static_cast<qint16>(platform_.serial.portNumber())));
}

void Form1::Load_param() {
    const std::optional<FileStart> file = readFileStart(fileIn(*this, kSiriFile));
    if (!file) return;
    const std::optional<qint16> n = firstNumberField(file->bytes, file->cut);
    if (!n || *n < kFirstPort || *n > kLastPort) return;  // a number the port refuses
    platform_.serial.setPortNumber(*n);
    controls_.setText(QStringLiteral("Combo1"), QStringLiteral("COM%1").arg(*n));
}

}  // namespace qx
