// What the links make of a device that sends too much: without pause, a megabyte without "#",
// replies that are refused again and again. Neither buffer passes its cap, and the replies that
// come whole are still framed, none of them in pieces.

#include <QtTest>

#include "fakes/TestRig.h"
#include "link/LanLink.h"
#include "link/ReceiveLimit.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

namespace {

// Replies go to Text1(0) (index 1); the watch keeps every reply it took, emptying the field
// after each so that the same reply twice is seen twice, and the most text any receive buffer
// held, seen after each chunk.
struct Watch {
    explicit Watch(TestRig& rig) : rig_(rig) {
        QueryIndex = 1;
        QObject::connect(&rig.controls(), &Controls::changed, [this](const QString& name) {
            const QString text = rig_.controls().text(name);
            if (name != QLatin1String("Text1(0)") || text.isEmpty()) return;
            texts << text;
            rig_.controls().setText(name, QString());
        });
    }
    void note() {
        most = std::max({most, rig_.form->comm().rxBuffer().size(), rig_.form->comm().burstSize(),
                         rig_.form->frmTerm().rxBuffer().size()});
    }
    QStringList texts;
    qsizetype most = 0;

private:
    TestRig& rig_;
};

// The chunks of `text`, `size` bytes each, one every `everyMs` from `fromMs` on.
void serialChunks(TestRig& rig, Watch& watch, const QByteArray& text, int size, double everyMs,
                  double fromMs = 0) {
    for (qsizetype at = 0, i = 0; at < text.size(); at += size, ++i)
        rig.clock.post(fromMs + i * everyMs, [&rig, &watch, chunk = text.mid(at, size)] {
            rig.serial.deliver(chunk);
            watch.note();
        });
}

QByteArray repeated(const QByteArray& piece, qsizetype size) {
    QByteArray text;
    while (text.size() < size) text += piece;
    return text.left(size);
}

}  // namespace

class ReceiveLimitsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A device that never pauses, sending `text` again and again in chunks every 5 ms: its
    // replies are still framed at least every kMaxBurstMs, each of them whole, and no buffer
    // passes its cap. Chunks that seldom or never end with "#" are framed by the time cap alone,
    // through the last "#", the start of the next reply waiting in the burst for its rest.
    void deviceThatNeverPauses_data() {
        QTest::addColumn<QByteArray>("first");  // the first chunk
        QTest::addColumn<QByteArray>("text");   // then this, again and again
        QTest::addColumn<int>("chunkBytes");
        QTest::addColumn<int>("forMs");
        QTest::addColumn<int>("leastReplies");  // each "800"
        QTest::newRow("chunks seldom ending with #")
            << QByteArray("8") << QByteArray("00#8") << 3 << 2000 << 2000 / Comm::kMaxBurstMs;
        QTest::newRow("chunks never ending with #")
            << QByteArray("8") << QByteArray("00#8") << 4 << 1500 << 1500 / Comm::kMaxBurstMs;
        // A refused reply holds back what follows it for the next event: refused replies
        // without end cannot make that text grow past the cap.
        QTest::newRow("refused replies")
            << QByteArray("6000#") << QByteArray("6000#") << 5 << 4000 << 0;
    }
    void deviceThatNeverPauses() {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, text);
        QFETCH(int, chunkBytes);
        QFETCH(int, forMs);
        QFETCH(int, leastReplies);
        TestRig rig;
        rig.serial.open();
        Watch watch(rig);
        serialChunks(rig, watch, first, first.size(), 0);
        serialChunks(rig, watch, repeated(text, chunkBytes * forMs / 5), chunkBytes, 5, 5);
        rig.clock.advance(forMs + 100);
        QVERIFY(watch.most <= kMaxReceiveBytes);
        QCOMPARE(watch.texts.count(QStringLiteral("800")), watch.texts.size());
        QVERIFY2(watch.texts.size() >= leastReplies, qPrintable(watch.texts.join(' ')));
    }

    // A megabyte of digits without "#", its last bytes joined to a reply: none of it reaches a
    // field, not even the digits just before the "#"; the reply after it does.
    void serialMegabyteWithoutHash_data() {
        QTest::addColumn<int>("chunkBytes");
        QTest::newRow("chunks of 4096 bytes") << 4096;
        QTest::newRow("one chunk") << (1 << 20);
    }
    void serialMegabyteWithoutHash() {
        QFETCH(int, chunkBytes);
        TestRig rig;
        rig.serial.open();
        Watch watch(rig);
        const QByteArray flood = repeated("0123456789", 1 << 20) + "800#";
        serialChunks(rig, watch, flood, chunkBytes, 1);
        const double floodEndMs = double(flood.size() / chunkBytes + 1);
        serialChunks(rig, watch, "150#", 4, 0, floodEndMs + 100);
        rig.clock.advance(floodEndMs + 300);
        QVERIFY(watch.most <= kMaxReceiveBytes);
        QCOMPARE(watch.texts, QStringList{"150"});
    }

    // After a flood ends with a pause, the next reply is not taken for the flood's rest.
    void serialFloodThenPause() {
        TestRig rig;
        rig.serial.open();
        Watch watch(rig);
        serialChunks(rig, watch, repeated("0123456789", 5000), 1000, 1);
        serialChunks(rig, watch, "150#", 4, 0, 200);
        rig.clock.advance(400);
        QCOMPARE(watch.texts, QStringList{"150"});
    }

    // The burst gap against a USB adapter's packets: pieces of one reply up to the slow adapter's
    // 40 ms apart are one reply; a reply is framed as soon as its "#" arrives, so the next query's
    // index does not catch it, and a bare "1" a pause before a reply is dropped on its own.
    void burstGap_data() {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("nextIndexAt");        // when the index becomes 11 (Text1(10))
        QTest::addColumn<QStringList>("maxRate");    // the texts Text1(0) took (index 1)
        QTest::addColumn<QStringList>("westLimit");  // the texts Text1(10) took
        QTest::newRow("pieces 40 ms apart")
            << QList<int>{0, 40, 80} << QList<QByteArray>{"1", "5", "0#"} << 200
            << QStringList{"150"} << QStringList{};
        QTest::newRow("framed at its #, before the next index")
            << QList<int>{0, 40, 70} << QList<QByteArray>{"8", "00#", "15#"} << 60
            << QStringList{"800"} << QStringList{"15"};
        QTest::newRow("bare 1, then a reply after a pause")
            << QList<int>{0, 55} << QList<QByteArray>{"1", "150#"} << 200 << QStringList{"150"}
            << QStringList{};
    }
    void burstGap() {
        QFETCH(QList<int>, times);
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, nextIndexAt);
        QFETCH(QStringList, maxRate);
        QFETCH(QStringList, westLimit);
        TestRig rig;
        rig.serial.open();
        Watch watch(rig);
        QStringList west;
        QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
            if (name == QLatin1String("Text1(10)")) west << rig.controls().text(name);
        });
        for (int i = 0; i < times.size(); ++i)
            rig.clock.post(times[i], [&rig, chunk = chunks[i]] { rig.serial.deliver(chunk); });
        rig.clock.post(nextIndexAt, [] { QueryIndex = 11; });
        rig.clock.advance(300);
        QCOMPARE(watch.texts, maxRate);
        QCOMPARE(west, westLimit);
    }

    // Over the LAN an arrival gives at most one reply, and none longer than the cap: a megabyte
    // without "#", or a "#" only after the cap, gives none.
    void lanArrivalsPastTheCap_data() {
        QTest::addColumn<QByteArray>("arrival");
        QTest::newRow("a megabyte without #") << repeated("0123456789", 1 << 20);
        QTest::newRow("# after the cap") << repeated("7", kMaxReceiveBytes + 10) + "#";
    }
    void lanArrivalsPastTheCap() {
        QFETCH(QByteArray, arrival);
        TestRig rig;
        Watch watch(rig);
        rig.form->frmTerm().NETconnect1();
        rig.clock.post(10, [&] { rig.tcp.deliver(arrival); });
        rig.clock.post(20, [&] { rig.tcp.deliver("150#"); });
        rig.clock.advance(50);
        QCOMPARE(watch.texts, QStringList{"150"});
        QCOMPARE(rig.form->frmTerm().rxBuffer(), QString());
    }
};

QTEST_GUILESS_MAIN(ReceiveLimitsTest)
#include "tst_receive_limits.moc"
