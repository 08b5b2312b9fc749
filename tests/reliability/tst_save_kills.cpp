// SIGKILL at random moments of saving: every settings file keeps either its old or its new
// content, never a mix, an empty file or a lost one; what a killed save leaves behind goes at the
// next start.

#include <QtTest>

#include "SaveLoopValues.h"
#include "fakes/TestRig.h"

using namespace qx;
using namespace qx::test;

namespace {

constexpr int kKills = 300;
constexpr int kLongestKillDelayUs = 20000;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class SaveKillsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFileIsOldOrNewAfterEachKill() {
        QTemporaryDir dir;
        const auto contents = saveLoopContents();
        QStringList files;
        for (const auto& [name, allowed] : contents) files << name;
        files.sort();
        QRandomGenerator random(20240305);
        int survived = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(SAVE_LOOP_PROGRAM), {dir.path()});
            QVERIFY(saver.waitForStarted());
            QVERIFY2(saver.waitForReadyRead(30000), "the save loop did not begin");
            QThread::usleep(random.bounded(kLongestKillDelayUs));
            saver.kill();  // SIGKILL
            QVERIFY(saver.waitForFinished());
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
            bool whole = true;
            for (const auto& [name, allowed] : contents) {
                const QByteArray now = bytesOf(QDir(dir.path()).filePath(name));
                if (!allowed.contains(now)) {
                    whole = false;
                    qWarning() << "after kill" << kill << name << "holds" << now;
                }
            }
            QVERIFY(whole);
            ++survived;
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        qInfo("%d of %d kills left every file whole; %lld temporary files were left behind",
              survived, kKills, qsizetype(before.size() - files.size()));

        TestRig next;
        next.folders.settings = dir.path();
        next.form->Form_Load();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), files);
    }
};

QTEST_GUILESS_MAIN(SaveKillsTest)
#include "tst_save_kills.moc"
