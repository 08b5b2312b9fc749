#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/QtSound.h"

using namespace qx;

class SoundPrepareTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A prepared file has its player before its first play, which then uses it; a missing file
    // gets none.
    void preparedFileHasItsPlayerBeforeItPlays() {
        QTemporaryDir folder;
        const QString cue = folder.filePath(QStringLiteral("connect.mp3"));
        QFile file(cue);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not really a sound");
        file.close();

        QtSound sound;
        sound.prepare(folder.filePath(QStringLiteral("IPno.mp3")));
        QCOMPARE(sound.playerCount(), 0);
        sound.prepare(cue);
        QVERIFY(sound.playerOf(cue));
        sound.play(cue);
        QCOMPARE(sound.playerCount(), 1);
        QTest::qWait(100);  // the player fails quietly on content it cannot play
    }
};

QTEST_MAIN(SoundPrepareTest)
#include "tst_sound_prepare.moc"
