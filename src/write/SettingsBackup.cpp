#include "write/SettingsBackup.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>

#include "shell/Form1.h"
#include "shell/SettingsFiles.h"
#include "ui/Controls.h"
#include "ui/layout/Form1Layout.h"
#include "ui/platform/Clock.h"
#include "ui/platform/FileDialogs.h"

namespace qx {

namespace {

using R = Restored;

// clang-format off
const std::array kBackupSettings = {
    // The motor gear page.
    BackupSetting{"Text1(0)",   "MaxRate",                  R::BySetButton, 0},
    BackupSetting{"Text1(1)",   "RAモーターステップ/１度",  R::NeedsGearWrite},
    BackupSetting{"Text1(2)",   "DECモーターステップ/１度", R::NeedsGearWrite},
    BackupSetting{"Text1(100)", "RAモーター回転方向",       R::NeedsGearWrite},
    BackupSetting{"Text1(101)", "RAマイクロステップ",       R::NeedsGearWrite},
    BackupSetting{"Text1(102)", "DECモーター回転方向",      R::NeedsGearWrite},
    BackupSetting{"Text1(103)", "DECマイクロステップ",      R::NeedsGearWrite},
    BackupSetting{"Text1(3)",   "ステップ/ウォーム１回転",  R::BySetButton, 3},
    BackupSetting{"Text1(4)",   "赤緯ウォーム対ステップ",   R::BySetButton, 4},
    BackupSetting{"Combo4",     "赤経：標準時ステップ",     R::BySetButton, -1, 32},
    BackupSetting{"Combo5",     "赤経：導入時ステップ",     R::BySetButton, -1, 33},
    BackupSetting{"Combo6",     "赤緯：標準時ステップ",     R::BySetButton, -1, 34},
    BackupSetting{"Combo7",     "赤緯：導入時ステップ",     R::BySetButton, -1, 35},
    BackupSetting{"Text1(8)",   "バックラッシュ　赤経",     R::BySetButton, 8},
    BackupSetting{"Text1(9)",   "バックラッシュ　赤緯",     R::BySetButton, 9},
    BackupSetting{"Combo8",     "加速時",                   R::BySetButton, -1, 36},
    BackupSetting{"Combo9",     "減速時",                   R::BySetButton, -1, 37},
    BackupSetting{"Text1(49)",  "導入スピード（°/S）",      R::ReadOnly},
    BackupSetting{"Shape1",     "赤経方位+",                R::ReadOnly},
    BackupSetting{"Shape2",     "赤経方位-",                R::ReadOnly},
    BackupSetting{"Shape3",     "赤緯高度+",                R::ReadOnly},
    BackupSetting{"Shape4",     "赤緯高度-",                R::ReadOnly},
    BackupSetting{"Text1(16)",  "赤経方位（応答）",         R::ReadOnly},
    BackupSetting{"Text1(17)",  "赤緯高度（応答）",         R::ReadOnly},
    // Date, time and site.
    BackupSetting{"Text1(5)",   "観測地　経度",             R::BySetButton, 5},
    BackupSetting{"Text1(6)",   "観測地　緯度",             R::BySetButton, 6},
    BackupSetting{"Text1(7)",   "UTC OFFSET（時差）",       R::BySetButton, 7},
    BackupSetting{"Text1(14)",  "コントローラーの日付",     R::ReadOnly},
    BackupSetting{"Text1(15)",  "コントローラーの時刻",     R::ReadOnly},
    // Limits, home position, mount mode and functions.
    BackupSetting{"Text1(10)",  "子午線　西側",             R::BySetButton, 10},
    BackupSetting{"Text1(11)",  "子午線　東側",             R::BySetButton, 11},
    BackupSetting{"Text1(12)",  "天頂",                     R::BySetButton, 12},
    BackupSetting{"Text1(13)",  "地平線",                   R::BySetButton, 13},
    BackupSetting{"Text1(20)",  "HOMEポジション　高度",     R::BySetButton, 14},
    BackupSetting{"Text1(21)",  "HOMEポジション　方位",     R::BySetButton, 15},
    BackupSetting{"Shape17",    "ドイツ型モード",           R::ReadOnly},
    BackupSetting{"Shape19",    "フォーク型モード",         R::ReadOnly},
    BackupSetting{"Shape18",    "経緯台モード",             R::ReadOnly},
    BackupSetting{"Shape5",     "子午線制限停止 Limit ON",  R::ReadOnly},
    BackupSetting{"Shape6",     "子午線制限停止 Limit OFF", R::ReadOnly},
    BackupSetting{"Text1(18)",  "子午線制限停止（応答）",   R::ReadOnly},
    BackupSetting{"Shape7",     "自動導入子午線自動反転 ON",   R::ReadOnly},
    BackupSetting{"Shape8",     "自動導入子午線自動反転 OFF",  R::ReadOnly},
    BackupSetting{"Shape9",     "恒星時運転子午線自動反転 ON", R::ReadOnly},
    BackupSetting{"Shape10",    "恒星時運転子午線自動反転 OFF", R::ReadOnly},
    BackupSetting{"Shape11",    "子午線反転時動作一旦停止 ON",  R::ReadOnly},
    BackupSetting{"Shape12",    "子午線反転時動作一旦停止 OFF", R::ReadOnly},
    BackupSetting{"Shape13",    "ビープ音 ON",              R::ReadOnly},
    BackupSetting{"Shape14",    "ビープ音 OFF",             R::ReadOnly},
    // Wireless.
    BackupSetting{"Text1(55)",  "IP adress（モデル）",      R::ReadOnly},
    BackupSetting{"Combo3",     "使用チャンネル",           R::BySetButton, -1, 23},
    BackupSetting{"Text1(23)",  "アクセスポイント SSID",    R::BySetButton, -1, 24},
    BackupSetting{"Text1(24)",  "アクセスポイント PASSWORD", R::BySetButton, -1, 25, true},
    BackupSetting{"Text1(40)",  "ステーションモード SSID",  R::BySetButton, -1, 30},
    BackupSetting{"Text1(41)",  "ステーションモード PASSWORD", R::BySetButton, -1, 31, true},
    // The reply to ":GVP#", kept by a LAN read only.
    BackupSetting{"Text1(99)",  "製品名（LAN）",            R::ReadOnly},
};
// clang-format on

struct LampValue {
    quint32 color;
    const char* value;
};
constexpr std::array kLampValues = {LampValue{kLampLit, kLampLitValue},
                                    LampValue{kLampUnlit, kLampUnlitValue},
                                    LampValue{kLampNotRead, kLampNotReadValue}};

QString lampValue(quint32 color) {
    for (const LampValue& lamp : kLampValues)
        if (lamp.color == color) return QLatin1String(lamp.value);
    return QStringLiteral("0x%1").arg(color, 6, 16, QLatin1Char('0'));
}

bool isLamp(const Controls& controls, const QString& name) {
    const Controls::State* state = controls.state(name);
    return state && state->design.kind == ControlKind::Shape;
}

const BackupSetting* settingNamed(const QString& control) {
    for (const BackupSetting& setting : kBackupSettings)
        if (control == QLatin1String(setting.control)) return &setting;
    return nullptr;
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString dateText(const SystemTime& t) {
    return QStringLiteral("%1-%2-%3").arg(t.year).arg(twoDigits(t.month), twoDigits(t.day));
}

// The file's keys.
const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kToolKey = QStringLiteral("tool");
const QString kSavedKey = QStringLiteral("saved");
const QString kLinkKey = QStringLiteral("link");
const QString kSettingsKey = QStringLiteral("settings");

// The version of a file, or why it cannot be read as one this tool knows.
QString versionProblem(const QJsonValue& version) {
    if (!version.isDouble() || version.toDouble() != version.toInt())
        return QStringLiteral("形式の版がありません（壊れたファイルです）");
    if (version.toInt() != kBackupFormatVersion)
        return QStringLiteral("形式の版 %1 は読めません（このツールが読めるのは版 %2 です）")
            .arg(version.toInt())
            .arg(kBackupFormatVersion);
    return {};
}

void readSettings(const QJsonObject& settings, BackupFile& file) {
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (!settingNamed(it.key())) {
            file.unknownKeys << it.key();
        } else if (it.value().isString()) {
            file.backup.values.insert(it.key(), it.value().toString());
        } else {
            file.badValues.insert(
                it.key(), QStringLiteral("ファイルの値が文字列ではありません（壊れています）"));
        }
    }
}

QString linkText(Form1& form) {
    const Controls& controls = form.controls();
    if (form.serialChosen())
        return QStringLiteral("serial ") + controls.text(QStringLiteral("Combo1"));
    return QStringLiteral("LAN ") + controls.text(QStringLiteral("Text13")).trimmed();
}

}  // namespace

std::span<const BackupSetting> backupSettings() {
    return kBackupSettings;
}

QString currentValue(const Controls& controls, const BackupSetting& setting) {
    const QString name = QLatin1String(setting.control);
    return isLamp(controls, name) ? lampValue(controls.backColor(name)) : controls.text(name);
}

SettingsBackup takeBackup(const Controls& controls, const QString& tool, const QString& saved,
                          const QString& link) {
    SettingsBackup backup;
    backup.tool = tool;
    backup.saved = saved;
    backup.link = link;
    for (const BackupSetting& setting : kBackupSettings)
        backup.values.insert(QLatin1String(setting.control), currentValue(controls, setting));
    return backup;
}

QByteArray backupFileBytes(const SettingsBackup& backup) {
    QJsonObject settings;
    for (auto it = backup.values.begin(); it != backup.values.end(); ++it)
        settings.insert(it.key(), it.value());
    const QJsonObject root{{kFormatKey, QLatin1String(kBackupFormatName)},
                           {kVersionKey, backup.version},
                           {kToolKey, backup.tool},
                           {kSavedKey, backup.saved},
                           {kLinkKey, backup.link},
                           {kSettingsKey, settings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

BackupFile parseBackupFile(const QByteArray& bytes) {
    BackupFile file;
    if (bytes.size() > kMaxBackupFileBytes) {
        file.problem = QStringLiteral("設定ファイルではありません（大きすぎます）");
        return file;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        file.problem = QStringLiteral("ファイルが壊れています（%1 バイト目: %2）")
                           .arg(error.offset)
                           .arg(error.errorString());
        return file;
    }
    const QJsonObject root = document.object();
    if (root.value(kFormatKey).toString() != QLatin1String(kBackupFormatName)) {
        file.problem = QStringLiteral("QuorvelX の設定ファイルではありません");
        return file;
    }
    file.problem = versionProblem(root.value(kVersionKey));
    if (!file.problem.isEmpty()) return file;
    file.backup.version = root.value(kVersionKey).toInt();
    file.backup.tool = root.value(kToolKey).toString();
    file.backup.saved = root.value(kSavedKey).toString();
    file.backup.link = root.value(kLinkKey).toString();
    if (!root.value(kSettingsKey).isObject()) {
        file.problem = QStringLiteral("ファイルに設定がありません（壊れたファイルです）");
        return file;
    }
    readSettings(root.value(kSettingsKey).toObject(), file);
    return file;
}

QString defaultBackupFileName(const SystemTime& t) {
    return QStringLiteral("QuorvelX-settings-%1-%2%3.json")
        .arg(dateText(t), twoDigits(t.hour), twoDigits(t.minute));
}

QString backupTimeText(const SystemTime& t) {
    return QStringLiteral("%1 %2:%3:%4")
        .arg(dateText(t), twoDigits(t.hour), twoDigits(t.minute), twoDigits(t.second));
}

void offerBackupAndRestore(Controls& controls, bool offered) {
    controls.setEnabled(QLatin1String(kBackupButton), offered);
    controls.setEnabled(QLatin1String(kRestoreButton), offered);
}

void saveSettingsBackup(Form1& form) {
    Platform& platform = form.platform();
    const SystemTime now = platform.clock.localTime();
    const std::optional<QString> path =
        platform.files.saveFileName(QStringLiteral("設定保存"), defaultBackupFileName(now),
                                    QStringLiteral("設定ファイル (*.json)"));
    if (!path) return;
    const SettingsBackup backup =
        takeBackup(form.controls(), QString::fromUtf8(kForm1Title).trimmed(), backupTimeText(now),
                   linkText(form));
    const bool saved = saveFileAtomically(*path, backupFileBytes(backup), FileAccess::OwnerOnly);
    form.controls().setMark(QLatin1String(kBackupButton),
                            saved ? QString() : QStringLiteral("保存できませんでした: ") + *path);
}

}  // namespace qx
