#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/QtFolders.h"

using namespace qx;

static QProcessEnvironment environmentWith(const QString& name, const QString& value) {
    QProcessEnvironment environment;
    environment.insert(name, value);
    return environment;
}

class FoldersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void homeVariableNamesTheSettingsFolderAndCreatesIt() {
        QTemporaryDir scratch;
        const QString home = scratch.filePath(QStringLiteral("a/b/quorvelx"));
        const QtFolders folders(environmentWith(QStringLiteral("QUORVELX_HOME"), home));
        QCOMPARE(folders.settingsFolder(), home);
        QVERIFY(QDir(home).exists());
    }

    // Also the path taken by the tests of the whole window, which run from the process
    // environment.
    void homeVariableOfTheProcess() {
        QTemporaryDir scratch;
        qputenv("QUORVELX_HOME", scratch.path().toLocal8Bit());
        const QtFolders folders;
        const QString settings = folders.settingsFolder();
        qunsetenv("QUORVELX_HOME");
        QCOMPARE(settings, scratch.path());
    }

    void writableProgramFolderHoldsTheSettings() {
        QTemporaryDir programDir;
        const QtFolders folders(QProcessEnvironment(), programDir.path());
        QCOMPARE(folders.settingsFolder(), programDir.path());
        QVERIFY(QDir(programDir.path()).isEmpty());  // the write probe left nothing behind
    }

    // Not writable even for root: files cannot be created in /proc.
    void unwritableProgramFolderFallsBackToTheConfigFolder() {
        const QtFolders folders(QProcessEnvironment(), QStringLiteral("/proc"));
        const QString expected =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(folders.settingsFolder(), expected);
        QVERIFY(QDir(expected).exists());
    }

    void soundsLiveInTheProgramFolderUnlessNamed() {
        QCOMPARE(QtFolders(QProcessEnvironment()).programFolder(),
                 QCoreApplication::applicationDirPath());
        const QtFolders named(environmentWith(QStringLiteral("QUORVELX_SOUNDS"), "/opt/sounds"));
        QCOMPARE(named.programFolder(), QStringLiteral("/opt/sounds"));
    }
};

QTEST_GUILESS_MAIN(FoldersTest)
#include "tst_folders.moc"
