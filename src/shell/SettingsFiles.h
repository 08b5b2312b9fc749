#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace qx {

// The small settings files beside the program, byte for byte as the tool has always written them:
// a number is written with a blank before it (the place of the sign) and a blank after it.
inline const char* const kCommFile = "comm.DAT";    // link choice: " 9 " LAN, " 10 " serial
inline const char* const kLanipFile = "lanip.DAT";  // controller address in quotes, CR LF
inline const char* const kSiriFile = "siri.DAT";    // serial port number, CR LF

QByteArray commFileBytes(bool lanChosen);
QByteArray lanipFileBytes(const QString& address);
QByteArray siriFileBytes(qint16 portNumber);

// One field of a file, read from `position` on: leading blanks skipped; a field that starts with a
// double quote runs to the next one (the quotes are not part of it); any other field runs to the
// next comma or line end. `position` moves past the field and the comma or line end after it.
// Nothing left to read gives nullopt.
std::optional<QString> readField(const QByteArray& content, qsizetype& position);
// The first field of a file.
std::optional<QString> firstField(const QByteArray& content);
// The first field as a 16-bit integer.
std::optional<qint16> firstNumberField(const QByteArray& content);

QString settingsFilePath(const QString& folder, const char* fileName);

// Who may read a saved file: anyone the system's defaults allow, or its owner alone (a file that
// holds passwords).
enum class FileAccess { Default, OwnerOnly };

// Writes the whole file or leaves the old one in place: never an empty or half-written file. An
// owner-only file is never readable by others, not even while it is being written.
bool saveFileAtomically(const QString& path, const QByteArray& bytes,
                        FileAccess access = FileAccess::Default);
std::optional<QByteArray> readWholeFile(const QString& path);

}  // namespace qx
