#include "shell/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <limits>

#include "read/Conversions.h"

namespace qx {

namespace {

QByteArray printedNumber(qint64 n) {
    return (n < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(n) + ' ';
}

const QByteArray kLineEnd = "\r\n";

}  // namespace

QByteArray commFileBytes(bool lanChosen) {
    return printedNumber(lanChosen ? 9 : 10);
}

QByteArray lanipFileBytes(const QString& address) {
    return '"' + address.toLocal8Bit() + '"' + kLineEnd;
}

QByteArray siriFileBytes(qint16 portNumber) {
    return printedNumber(portNumber) + kLineEnd;
}

std::optional<QString> firstField(const QByteArray& content) {
    int i = 0;
    while (i < content.size() && content[i] == ' ') ++i;
    if (i >= content.size()) return std::nullopt;
    if (content[i] == '"') {
        const int close = content.indexOf('"', i + 1);
        const int end = close < 0 ? content.size() : close;
        return QString::fromLocal8Bit(content.mid(i + 1, end - i - 1));
    }
    int end = i;
    while (end < content.size() && content[end] != ',' && content[end] != '\r' &&
           content[end] != '\n')
        ++end;
    return trimmedText(QString::fromLocal8Bit(content.mid(i, end - i)));
}

std::optional<qint16> firstNumberField(const QByteArray& content) {
    const std::optional<QString> field = firstField(content);
    if (!field) return std::nullopt;
    const std::optional<double> v = numberValue(*field);
    if (!v) return std::nullopt;
    const double rounded = std::nearbyint(*v);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString settingsFilePath(const QString& folder, const char* fileName) {
    return QDir(folder).filePath(QLatin1String(fileName));
}

bool saveFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

}  // namespace qx
