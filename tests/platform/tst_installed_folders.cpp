#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/QtFolders.h"

using namespace qx;

// A program laid out as installed: <prefix>/bin/quorvelx, <prefix>/share/quorvelx/sounds.
class InstalledFoldersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir(prefix_.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix_.path()).mkpath(QStringLiteral("share/quorvelx/sounds")));
    }

    // The bin folder is writable here, as /usr/bin is for root: the settings still go to the
    // user's configuration folder, never beside an installed program.
    void settingsGoToTheConfigFolder() {
        const QtFolders folders(QProcessEnvironment(), bin());
        const QString expected =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(folders.settingsFolder(), expected);
        QVERIFY(QDir(expected).exists());
        QVERIFY(QDir(bin()).isEmpty());
    }

    void soundsComeFromTheSharedDataFolder() {
        QCOMPARE(QtFolders(QProcessEnvironment(), bin()).programFolder(),
                 prefix_.filePath(QStringLiteral("share/quorvelx/sounds")));
    }

    // Without the data folder beside it, the same program is a portable copy.
    void aProgramWithoutTheDataFolderKeepsItsFilesBesideIt() {
        QTemporaryDir portable;
        const QtFolders folders(QProcessEnvironment(), portable.path());
        QCOMPARE(folders.settingsFolder(), portable.path());
        QCOMPARE(folders.programFolder(), portable.path());
    }

private:
    QString bin() const { return prefix_.filePath(QStringLiteral("bin")); }

    QTemporaryDir prefix_;
};

QTEST_GUILESS_MAIN(InstalledFoldersTest)
#include "tst_installed_folders.moc"
