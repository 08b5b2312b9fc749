// The traffic monitor's records: what the links and the parser tell it over a whole read-all, the
// receive cases of both links one by one, its bounded memory and the texts of its rows.

#include <QtTest>

#include "fakes/TestRig.h"
#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "link/TrafficLog.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"

Q_DECLARE_METATYPE(qx::TrafficRecord)

using namespace qx;
using namespace qx::test;

namespace {

// A row as "event text index destination", without its time.
QString summary(const TrafficRow& row) {
    return QStringList{eventName(row.record.event), wireText(row.record),
                       queryIndexText(row.record), destinationText(row.record)}
        .join(QLatin1Char(' '))
        .trimmed();
}

QStringList summaries(const TrafficLog& log) {
    QStringList rows;
    for (int r = 0; r < log.rowCount(); ++r) rows << summary(log.row(r));
    return rows;
}

// Where each reply of the first pass goes over the serial link, in the order of the queries.
// clang-format off
const QStringList kFirstPassDestinations{
    "(なし)",  // 100 ":GVP#"
    "Text1(0)", "(なし)", "(なし)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text1(7)",
    "Text1(8)", "Text1(9)", "Text1(10)", "Text1(11)", "Text1(12)", "Text1(13)", "Text1(14)",
    "Text1(15)",
    "Text1(16), Shape1, Shape2", "Text1(17), Shape3, Shape4", "Text1(18), Shape5, Shape6",
    "Text1(20)", "Text1(21)", "Combo3", "Text1(23)", "Text1(24)",
    "Shape7, Shape8", "Shape9, Shape10", "Shape11, Shape12", "Shape13, Shape14",  // 26..29
    "Text1(40)", "Text1(41)", "Combo4", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9",
    "Shape17, Shape19, Shape18",  // 38, the mount mode
    "Text1(49)", "Text1(55)",
    "Text1(1), Text1(100), Text1(101)", "Text1(2), Text1(102), Text1(103)",  // 53, 55
    "Text1(1), Text1(100), Text1(101)", "Text1(2), Text1(102), Text1(103)"};
// clang-format on

}  // namespace

class TrafficMonitorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A serial read-all with the monitor open: the port opens, the three "Set" commands' bare
    // "1" answers are dropped by the framing, and each of the 44 queries of the first pass is
    // followed by its reply, parsed under the query's index and stored where the parser's tables
    // say.
    void serialReadAll() {
        TestRig rig;
        rig.attachSimulator();
        rig.form->Form_Activate();
        TrafficLog log([&rig] { return rig.clock.nowMs(); });
        rig.form->setTrafficObserver(&log);
        rig.form->Command11_Click();
        const QStringList rows = summaries(log);

        QCOMPARE(rows.first(), QStringLiteral("接続 COM10"));
        for (int set = 0; set < 3; ++set) {
            QVERIFY(rows[1 + 2 * set].startsWith(QStringLiteral("送信 :S")));
            QCOMPARE(rows[2 + 2 * set].section(' ', 0, 1), QStringLiteral("破棄 1"));
        }
        // A reply that comes late lands under the next query's index (":GX80#"'s answer is
        // parsed under ":GVP#"'s 100): the reply a query's index stored is the last one before
        // the next command.
        int row = int(rows.indexOf(QStringLiteral("送信 :GVP#")));
        QVERIFY(row > 0);
        QCOMPARE(kFirstPassDestinations.size(), qsizetype(kFirstPass.size()));
        for (int i = 0; i < int(kFirstPass.size()); ++i) {
            const ReadAllQuery& query = kFirstPass[std::size_t(i)];
            QCOMPARE(rows[row], QStringLiteral("送信 ") + QLatin1String(query.command));
            const double sentAt = log.row(row).atMs;
            while (log.row(row + 1).record.event == TrafficEvent::Received) ++row;
            const TrafficRow& reply = log.row(row);
            QCOMPARE(reply.record.event, TrafficEvent::Received);
            QCOMPARE(reply.record.queryIndex, int(query.index));
            QCOMPARE(destinationText(reply.record), kFirstPassDestinations[i]);
            QVERIFY(reply.atMs > sentAt);
            ++row;
        }
        QCOMPARE(rows.last(), QStringLiteral("送信 :Pe#"));
        QCOMPARE(rows.count(QStringLiteral("送信 :GVP#")), 1);  // nothing asked again
    }

    // What one arrival becomes, on either link, under the index a query has set.
    void receivedText_data() {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("queryIndex");
        QTest::addColumn<QByteArray>("arrival");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("serial reply")
            << false << 30 << QByteArray("abc#") << QStringList{"受信 abc# 30 Text1(40)"};
        QTest::newRow("serial replies and the bare 1 of a set command")
            << false << 30 << QByteArray("ab#cd#1")
            << QStringList{"受信 ab# 30 Text1(40)", "受信 cd# 30 Text1(40)", "破棄 1 30"};
        QTest::newRow("serial reply over the range check")
            << false << 1 << QByteArray("6000#") << QStringList{"受信(範囲外) 6000# 1"};
        QTest::newRow("serial control characters") << false << 100 << QByteArray("\r\n\x85#")
                                                   << QStringList{"受信 <0D><0A><85># 100 (なし)"};
        QTest::newRow("lan text after the first #")
            << true << 30 << QByteArray("abc#def#")
            << QStringList{"受信 abc# 30 Text1(40)", "破棄(#の後) def# 30"};
        QTest::newRow("lan fragment")
            << true << 30 << QByteArray("xyz") << QStringList{"破棄 xyz 30"};
        QTest::newRow("lan composite axis")
            << true << 53 << QByteArray("12800,-1x,-180,180,16.0#")
            << QStringList{"受信 12800,-1x,-180,180,16.0# 53 Text1(1), Text1(100), Text1(101)"};
        QTest::newRow("lan reply over the range check")
            << true << 1 << QByteArray("6000#") << QStringList{"受信(範囲外) 6000# 1"};
    }
    void receivedText() {
        QFETCH(bool, lan);
        QFETCH(int, queryIndex);
        QFETCH(QByteArray, arrival);
        QFETCH(QStringList, rows);
        TestRig rig;
        TrafficLog log([&rig] { return rig.clock.nowMs(); });
        rig.form->setTrafficObserver(&log);
        if (lan) {
            rig.controls().setText("Text13", "127.0.0.1");
            rig.form->frmTerm().NETconnect1();
        } else {
            rig.form->comm().COMM1open();
        }
        QCOMPARE(summaries(log), QStringList{lan ? QStringLiteral("接続 127.0.0.1:9999")
                                                 : QStringLiteral("接続 COM10")});
        log.clear();
        QueryIndex = qint16(queryIndex);
        if (lan)
            rig.tcp.deliver(arrival);
        else
            rig.serial.deliver(arrival);
        rig.clock.advance(500);
        QCOMPARE(summaries(log), rows);
    }

    // Both links record their commands and their closes.
    void sentAndClosed() {
        TestRig rig;
        TrafficLog log([&rig] { return rig.clock.nowMs(); });
        rig.form->setTrafficObserver(&log);
        rig.form->comm().COMM1open();
        rig.form->comm().send(":GVP#\r");
        rig.form->comm().COMM1close();
        rig.controls().setText("Text13", "127.0.0.1");
        rig.form->frmTerm().NETconnect1();
        rig.form->frmTerm().NET_TX(":GXE1#");
        rig.form->frmTerm().NETOffLine1();
        rig.form->comm().send(":GXE2#");  // the port is closed: nothing is sent, nothing recorded
        QCOMPARE(summaries(log),
                 (QStringList{"接続 COM10", "送信 :GVP#<0D>", "切断 COM10", "接続 127.0.0.1:9999",
                              "送信 :GXE1#", "切断 127.0.0.1:9999"}));
        QCOMPARE(log.row(0).record.link, Link::Serial);
        QCOMPARE(log.row(3).record.link, Link::Lan);
    }

    // The log keeps the last rows only: over 100 000 records it never holds more than its
    // capacity, the oldest go first, and the rows' times still count from the log's start.
    void boundedByItsCapacity() {
        double now = 1000;
        TrafficLog log([&now] { return now; });
        int removed = 0;
        connect(&log, &QAbstractItemModel::rowsRemoved, this, [&removed] { ++removed; });
        constexpr int kRecords = 100000;
        for (int i = 0; i < kRecords; ++i) {
            now += 1;
            log.record({Link::Serial, TrafficEvent::Sent, QString::number(i)});
            QVERIFY(log.rowCount() <= TrafficLog::kDefaultCapacity);
        }
        QCOMPARE(log.rowCount(), TrafficLog::kDefaultCapacity);
        QCOMPARE(removed, kRecords - TrafficLog::kDefaultCapacity);
        QCOMPARE(log.row(0).record.text, QString::number(kRecords - TrafficLog::kDefaultCapacity));
        QCOMPARE(log.row(log.rowCount() - 1).record.text, QString::number(kRecords - 1));
        QCOMPARE(log.row(0).atMs, double(kRecords - TrafficLog::kDefaultCapacity + 1));

        log.setPaused(true);
        log.record({Link::Lan, TrafficEvent::Sent, QStringLiteral("paused")});
        QCOMPARE(log.row(log.rowCount() - 1).record.text, QString::number(kRecords - 1));
        log.clear();
        QCOMPARE(log.rowCount(), 0);
    }

    void rowText_data() {
        QTest::addColumn<TrafficRecord>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("reply") << TrafficRecord(Link::Serial, TrafficEvent::Received, "+139*45", 6,
                                                "Text1(5)")
                               << "12\tシリアル\t受信\t+139*45#\t6\tText1(5)";
        QTest::newRow("reply stored nowhere")
            << TrafficRecord(Link::Lan, TrafficEvent::Received, "QX", 100)
            << "12\tLAN\t受信\tQX#\t100\t(なし)";
        QTest::newRow("command with control characters")
            << TrafficRecord(Link::Lan, TrafficEvent::Sent, QString::fromLatin1("a\tb\x7f\r"))
            << "12\tLAN\t送信\ta<09>b<7F><0D>\t\t";
        QTest::newRow("dropped fragment")
            << TrafficRecord(Link::Serial, TrafficEvent::Dropped, "1", 23)
            << "12\tシリアル\t破棄\t1\t23\t";
    }
    void rowText() {
        QFETCH(TrafficRecord, record);
        QFETCH(QString, line);
        QCOMPARE(trafficRowText({12.4, record}), line);
    }
};

QTEST_GUILESS_MAIN(TrafficMonitorTest)
#include "tst_traffic_monitor.moc"
