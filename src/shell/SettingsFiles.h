#pragma once

#include <QByteArray>
#include <QList>
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

// The start of a file as the loaders read it: the whole file, or its first kFileReadLimit bytes
// when it is longer (the tool's own files are a few bytes; a bigger one is not read to its end).
inline constexpr qint64 kFileReadLimit = 64 * 1024;
struct FileStart {
    QByteArray bytes;
    bool cut = false;  // the file goes on after `bytes`
};

// One field of a file, read from `position` on: leading blanks skipped; a field that starts with a
// double quote runs to the next one (the quotes are not part of it); any other field runs to the
// next comma or line end. `position` moves past the field and the comma or line end after it.
// Nothing left to read gives nullopt, and so does a field that runs into the end of a cut file:
// where it would end is not known.
std::optional<QString> readField(const QByteArray& content, qsizetype& position, bool cut = false);
// The first field of a file.
std::optional<QString> firstField(const QByteArray& content, bool cut = false);
// The first field as a 16-bit integer.
std::optional<qint16> firstNumberField(const QByteArray& content, bool cut = false);

QString settingsFilePath(const QString& folder, const char* fileName);

// Who may read a saved file: anyone the system's defaults allow, or its owner alone (a file that
// holds passwords).
enum class FileAccess { Default, OwnerOnly };

// Writes the whole file or leaves the old one in place: never an empty or half-written file. The
// new content goes to a temporary file beside it ("comm.DAT.Xy12Ab") that replaces the old one.
// An owner-only file is never readable by others, not even while it is being written.
bool saveFileAtomically(const QString& path, const QByteArray& bytes,
                        FileAccess access = FileAccess::Default);
// Removes the temporary files of saves that were cut short (the program was killed between
// writing and replacing), for each of the named files of `folder`.
void removeUnfinishedSaves(const QString& folder, const QList<const char*>& fileNames);
// Nothing when the path is not a plain file (a folder, a pipe that would block, a device) or
// cannot be read.
std::optional<FileStart> readFileStart(const QString& path);
std::optional<QByteArray> readWholeFile(const QString& path);

}  // namespace qx
