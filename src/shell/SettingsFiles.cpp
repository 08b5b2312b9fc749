#include "shell/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
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

std::optional<QString> readField(const QByteArray& content, qsizetype& position, bool cut) {
    const qsizetype size = content.size();
    auto skipBlanks = [&] {
        while (position < size && content[position] == ' ') ++position;
    };
    // A comma ends one field; a line end (CR LF, or LF alone) ends the field and the line.
    auto consumeDelimiter = [&] {
        if (position < size && content[position] == ',') {
            ++position;
            return;
        }
        if (position < size && content[position] == '\r') ++position;
        if (position < size && content[position] == '\n') ++position;
    };
    skipBlanks();
    if (position >= size) return std::nullopt;
    if (content[position] == '"') {
        const qsizetype close = content.indexOf('"', position + 1);
        if (close < 0 && cut) return std::nullopt;
        const qsizetype end = close < 0 ? size : close;
        const QString field = QString::fromLocal8Bit(content.mid(position + 1, end - position - 1));
        // Whatever follows the closing quote, other than a delimiter, starts the next field.
        position = std::min(end + 1, size);
        skipBlanks();
        consumeDelimiter();
        return field;
    }
    qsizetype end = position;
    while (end < size && content[end] != ',' && content[end] != '\r' && content[end] != '\n') ++end;
    if (end == size && cut) return std::nullopt;
    const QString field =
        trimmedText(QString::fromLocal8Bit(content.mid(position, end - position)));
    position = end;
    consumeDelimiter();
    return field;
}

std::optional<QString> firstField(const QByteArray& content, bool cut) {
    qsizetype position = 0;
    return readField(content, position, cut);
}

std::optional<qint16> firstNumberField(const QByteArray& content, bool cut) {
    const std::optional<QString> field = firstField(content, cut);
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

bool saveFileAtomically(const QString& path, const QByteArray& bytes, FileAccess access) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The temporary file is made owner-only before the first byte goes in; the rename keeps it so.
    const bool permitted = access == FileAccess::Default ||
                           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!permitted || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void removeUnfinishedSaves(const QString& folder, const QList<const char*>& fileNames) {
    if (folder.isEmpty()) return;
    QDir dir(folder);
    for (const char* name : fileNames) {
        // QSaveFile's temporary name: the file's name, ".", six letters or digits.
        const QRegularExpression leftover(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(QLatin1String(name)) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
        const QStringList candidates = dir.entryList(
            {QLatin1String(name) + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
        for (const QString& candidate : candidates)
            if (leftover.match(candidate).hasMatch()) dir.remove(candidate);
    }
}

std::optional<FileStart> readFileStart(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    FileStart start;
    start.bytes = file.read(kFileReadLimit);
    start.cut = !file.atEnd();
    return start;
}

std::optional<QByteArray> readWholeFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;  // a pipe would block the window
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

}  // namespace qx
