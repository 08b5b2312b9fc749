// The sound cues that ship with the tool, played through the real player. Where the machine has
// no audio device the player still decodes them (or fails quietly): nothing may crash.

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QtTest>
#include <array>
#include <optional>

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

// The length of an MPEG-1 Layer III file, from its frames: 1152 samples each. The player tells a
// length too, but on a machine without audio it sometimes never learns it; the file is what ships.
std::optional<int> mp3LengthMs(const QByteArray& bytes) {
    constexpr std::array kKbps = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    constexpr std::array kRates = {44100, 48000, 32000};
    qsizetype at = 0;
    if (bytes.startsWith("ID3") && bytes.size() >= 10)  // a tag first: its size in 7-bit bytes
        at = 10 + ((bytes[6] & 0x7F) << 21 | (bytes[7] & 0x7F) << 14 | (bytes[8] & 0x7F) << 7 |
                   (bytes[9] & 0x7F));
    double ms = 0;
    int frames = 0;
    while (at + 4 <= bytes.size()) {
        const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
        if (byte(0) != 0xFF || (byte(1) & 0xFE) != 0xFA) break;  // MPEG-1 Layer III
        const int kbps = (byte(2) >> 4) < 15 ? kKbps[byte(2) >> 4] : 0;
        const int rateIndex = (byte(2) >> 2) & 3;
        if (kbps == 0 || rateIndex == 3) return std::nullopt;
        const int rate = kRates[rateIndex];
        at += 144 * kbps * 1000 / rate + ((byte(2) >> 1) & 1);
        ms += 1152.0 * 1000 / rate;
        ++frames;
    }
    if (frames == 0 || at < bytes.size() - 128) return std::nullopt;  // only a tag may follow
    return int(ms);
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
        QFile file(cuePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<int> lengthMs = mp3LengthMs(file.readAll());
        QVERIFY2(lengthMs, "not a sequence of MPEG-1 Layer III frames");
        qInfo("%s: %d ms (the player says %lld ms)", qPrintable(name), *lengthMs,
              player->duration());
        QVERIFY(*lengthMs > 200 && *lengthMs < 1000);
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
