#include "mount/UserPresetFile.h"

#include "mount/GearTable.h"
#include "mount/MotorDirection.h"
#include "read/Conversions.h"
#include "shell/Form1.h"
#include "shell/SettingsFiles.h"

namespace qx {

namespace {

constexpr int kRaItem = 9;  // zero-based: items 10 and 11 of the file
constexpr int kDecItem = 10;

QString presetPath(Form1& form) {
    return settingsFilePath(form.platform().folders.settingsFolder(), kSetDataFile);
}

// A stored direction is its whole value: above 0 is the plus direction.
std::optional<bool> plusChosen(const QString& item) {
    const std::optional<qint64> v = wholeValue(item);
    if (!v) return std::nullopt;
    return *v > 0;
}

}  // namespace

QByteArray userPresetBytes(const QStringList& items) {
    QByteArray bytes;
    for (const QString& item : items) bytes += '"' + item.toLocal8Bit() + "\",";
    return bytes;
}

std::optional<QStringList> userPresetItems(const QByteArray& content, bool cut) {
    QStringList items;
    qsizetype position = 0;
    while (items.size() < kUserPresetItems) {
        const std::optional<QString> item = readField(content, position, cut);
        if (!item) return std::nullopt;
        items << *item;
    }
    return items;
}

void Save_Set(Form1& form) {
    const Controls& c = form.controls();
    QStringList items;
    for (const char* field : kGearFields) items << c.text(QLatin1String(field));
    items << c.text(QStringLiteral("Text1(0)"));
    items << (raDirectionShown(c) == MotorDirection::RaPlus ? QStringLiteral("1")
                                                            : QStringLiteral("0"));
    items << (decDirectionShown(c) == MotorDirection::DecPlus ? QStringLiteral("1")
                                                              : QStringLiteral("0"));
    saveFileAtomically(presetPath(form), userPresetBytes(items));
}

void Load_Set(Form1& form) {
    const std::optional<FileStart> file = readFileStart(presetPath(form));
    if (!file) return;
    const std::optional<QStringList> items = userPresetItems(file->bytes, file->cut);
    if (!items) return;
    Controls& c = form.controls();
    for (int i = 0; i < int(kGearFields.size()); ++i)
        c.setText(QLatin1String(kGearFields[i]), items->at(i));
    const std::optional<bool> raPlus = plusChosen(items->at(kRaItem));
    if (!raPlus) return;
    showDirection(c, *raPlus ? MotorDirection::RaPlus : MotorDirection::RaMinus);
    const std::optional<bool> decPlus = plusChosen(items->at(kDecItem));
    if (!decPlus) return;
    showDirection(c, *decPlus ? MotorDirection::DecPlus : MotorDirection::DecMinus);
}

}  // namespace qx
