#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <span>

namespace qx {

class Controls;
class Form1;
struct SystemTime;

// The buttons of the lower strip that save the settings read from the controller to a file and
// put them back; both are offered once a read has completed.
inline const char* const kBackupButton = "Command80";   // "設定保存…"
inline const char* const kRestoreButton = "Command81";  // "設定復元…"

// How a restore treats a saved setting.
enum class Restored {
    BySetButton,     // written through the SET button of its field, then read back
    NeedsGearWrite,  // the motor gear: the gear write and a restart, never a restore
    ReadOnly,        // shown for information: nothing writes it back
};

// One setting the backup keeps: a field, a selector or a lamp of the window.
struct BackupSetting {
    const char* control;  // "Text1(5)", "Combo8", "Shape5"
    const char* caption;  // what the operator knows it by
    Restored restored;
    // BySetButton: how the field is read back, through its caption button Command5(captionButton)
    // or else by the read-all's query of `readIndex`.
    int captionButton = -1;
    short readIndex = 0;
    bool secret = false;  // a password: masked unless the operator asks to see it
};

// Every setting a backup keeps, in the order of the window's pages.
std::span<const BackupSetting> backupSettings();

// The file format. A file names its format and version; a reader refuses a version it does not
// know rather than guess at it.
inline const char* const kBackupFormatName = "QuorvelX settings backup";
inline constexpr int kBackupFormatVersion = 1;

// A backup: when, by what and over which link it was taken, and the value of each setting by
// control name (texts as the window shows them; lamps as kLampLitValue and the like).
struct SettingsBackup {
    int version = kBackupFormatVersion;
    QString tool;   // the window's title: the tool and its version
    QString saved;  // "2024-03-05 09:07:05", the PC's local time
    QString link;   // "serial COM10", "LAN 192.168.1.1"
    QHash<QString, QString> values;
};

// What a lamp's state is written as.
inline constexpr const char* kLampLitValue = "lit";
inline constexpr const char* kLampUnlitValue = "unlit";
inline constexpr const char* kLampNotReadValue = "not read";

// The value of a setting as the window holds it now.
QString currentValue(const Controls& controls, const BackupSetting& setting);

// Every setting's current value, with the header of a backup taken now.
SettingsBackup takeBackup(const Controls& controls, const QString& tool, const QString& saved,
                          const QString& link);

// The file's text: JSON, one setting per line, UTF-8.
QByteArray backupFileBytes(const SettingsBackup& backup);

// A backup file as read back. `problem` says why none of its values can be used (not a backup,
// damaged, a version this tool does not know); `badValues` why one entry cannot be.
struct BackupFile {
    QString problem;
    SettingsBackup backup;
    QHash<QString, QString> badValues;  // control name -> why its entry cannot be used
    QStringList unknownKeys;            // settings this tool does not know, ignored
};

// Files above this size are not backups; they are not read into memory.
inline constexpr qint64 kMaxBackupFileBytes = 1 << 20;

BackupFile parseBackupFile(const QByteArray& bytes);

// "QuorvelX-settings-2024-03-05-0907.json".
QString defaultBackupFileName(const SystemTime& localTime);
// "2024-03-05 09:07:05".
QString backupTimeText(const SystemTime& localTime);

// The backup buttons are offered after a completed read, and withdrawn when a read starts or the
// window disconnects.
void offerBackupAndRestore(Controls& controls, bool offered);

// "設定保存…": the operator names a file, and every setting is written to it, readable by the
// owner only (it holds the Wi-Fi passwords). A file that cannot be written marks the button.
void saveSettingsBackup(Form1& form);

}  // namespace qx
