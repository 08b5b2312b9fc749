// The sound cues that ship with the tool, played through the real player. Where the machine has
// no audio device the player still decodes them (or fails quietly): nothing may crash.

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QtTest>

#include "ui/qt/QtSound.h"

using namespace qx;

namespace {

const QStringList kCues{"connect.mp3",     "Deconnect.mp3", "yomikomiend.mp3", "kakikomistart.mp3",
                        "kakikomiend.mp3", "IP.mp3",        "IPno.mp3"};

QString cuePath(const QString& name) {
    return QDir(QStringLiteral(QX_SOUNDS_DIR)).filePath(name);
}

// Waits until the player has loaded the file (or given up on it).
bool loaded(const QMediaPlayer& player) {
    const auto status = player.mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia ||
           status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::EndOfMedia ||
           status == QMediaPlayer::InvalidMedia;
}

}  // namespace

class SoundCuesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Seven files, each its own sound, in the program's folder of the build tree too.
    void cuesShipBesideTheProgram() {
        QSet<QByteArray> contents;
        for (const QString& name : kCues) {
            QFile file(cuePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.startsWith("ID3") || bytes.startsWith("\xFF\xFB"), qPrintable(name));
            contents << QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
            QVERIFY2(QFile::exists(QDir(QStringLiteral(QX_PROGRAM_DIR)).filePath(name)),
                     qPrintable(name));
        }
        QCOMPARE(contents.size(), kCues.size());
    }

    // Each cue is an mp3 the player can read, and shorter than a second.
    void cuesPlayAndAreShort_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : kCues) QTest::newRow(qPrintable(name)) << name;
    }
    void cuesPlayAndAreShort() {
        QFETCH(QString, name);
        QtSound sound;
        sound.play(cuePath(name));
        const QMediaPlayer* player = sound.playerOf(cuePath(name));
        QVERIFY(player);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(*player), 5000);
        if (player->mediaStatus() == QMediaPlayer::InvalidMedia)
            QSKIP("this machine's media back end cannot read mp3");
        qInfo("%s: %lld ms", qPrintable(name), player->duration());
        QVERIFY(player->duration() > 200 && player->duration() < 1000);
    }

    // Playing a cue again while it plays starts it from the beginning. The waits are long because
    // a loaded machine (the sanitizer build beside other work) can keep the media pipeline from
    // starting for seconds; they end as soon as the cue gets there.
    void secondPlayRestarts() {
        const QString cue = cuePath(QStringLiteral("yomikomiend.mp3"));
        QtSound sound;
        sound.play(cue);
        const QMediaPlayer* player = sound.playerOf(cue);
        QTRY_VERIFY_WITH_TIMEOUT(
            player->position() >= 400 || player->mediaStatus() == QMediaPlayer::InvalidMedia,
            20000);
        if (player->mediaStatus() == QMediaPlayer::InvalidMedia)
            QSKIP("this machine's media back end cannot read mp3");
        QElapsedTimer sinceRestart;
        sinceRestart.start();
        sound.play(cue);
        QTRY_COMPARE_WITH_TIMEOUT(player->mediaStatus(), QMediaPlayer::EndOfMedia, 20000);
        // Not restarted, the cue would have ended some 400 ms after the second call.
        qInfo("ended %lld ms after the restart; the cue lasts %lld ms", sinceRestart.elapsed(),
              player->duration());
        QVERIFY(sinceRestart.elapsed() >= player->duration() - 150);
        QCOMPARE(sound.playerCount(), 1);
    }
};

QTEST_MAIN(SoundCuesTest)
#include "tst_sound_cues.moc"
