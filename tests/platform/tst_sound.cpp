#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/QtSound.h"

using namespace qx;

class SoundTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFilePlaysNothing() {
        QTemporaryDir folder;
        QtSound sound;
        sound.play(folder.filePath("connect.mp3"));
        sound.play(folder.path());  // a folder is no sound file either
        QCOMPARE(sound.playerCount(), 0);
    }

    // One player per file, made on its first play and used again to restart it.
    void playersAreMadeOnFirstPlayAndKept() {
        QTemporaryDir folder;
        const QStringList files{folder.filePath("connect.mp3"), folder.filePath("IPno.mp3")};
        for (const QString& path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not really a sound");
        }
        QtSound sound;
        QCOMPARE(sound.playerCount(), 0);
        sound.play(files[0]);
        sound.play(files[0]);
        QCOMPARE(sound.playerCount(), 1);
        sound.play(files[1]);
        QCOMPARE(sound.playerCount(), 2);
        QTest::qWait(100);  // the players fail quietly on content they cannot play
    }
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
