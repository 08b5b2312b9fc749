#include "ui/qt/QtFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace qx {

namespace {

const QString kHomeVariable = QStringLiteral("QUORVELX_HOME");
const QString kSoundsVariable = QStringLiteral("QUORVELX_SOUNDS");
// From the installed program's folder to its data, as the build's install rules lay them out.
const QString kInstalledDataFromProgram = QStringLiteral(QX_INSTALLED_DATA_FROM_PROGRAM);

// Tried by creating a file rather than read from the permission bits, which say nothing when
// the tool runs as root or under access lists.
bool canCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quorvelx-probe-XXXXXX")));
    return probe.open();  // removed again when the probe goes
}

QString createdFolder(const QString& folder) {
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

QtFolders::QtFolders(QProcessEnvironment environment, QString programDir)
    : environment_(std::move(environment)), programDir_(std::move(programDir)) {}

QString QtFolders::settingsFolder() const {
    if (!settingsFolder_) {
        settingsFolder_ = chooseSettingsFolder();
    }
    return *settingsFolder_;
}

QString QtFolders::chooseSettingsFolder() const {
    const QString home = environment_.value(kHomeVariable);
    if (!home.isEmpty()) {
        return createdFolder(home);
    }
    if (installedDataDir().isEmpty() && canCreateFilesIn(programDir())) {
        return programDir();
    }
    return createdFolder(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString QtFolders::programFolder() const {
    const QString sounds = environment_.value(kSoundsVariable);
    if (!sounds.isEmpty()) {
        return sounds;
    }
    const QString installed = installedDataDir();
    return installed.isEmpty() ? programDir() : QDir(installed).filePath(QStringLiteral("sounds"));
}

QString QtFolders::installedDataDir() const {
    const QString data = QDir::cleanPath(QDir(programDir()).filePath(kInstalledDataFromProgram));
    return QFileInfo(data).isDir() ? data : QString();
}

QString QtFolders::programDir() const {
    return programDir_.isEmpty() ? QCoreApplication::applicationDirPath() : programDir_;
}

}  // namespace qx
