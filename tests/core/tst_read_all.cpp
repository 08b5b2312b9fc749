#include <QtTest>

#include "fakes/TestRig.h"
#include "read/QueryIndex.h"
#include "shell/ControlLocking.h"

using namespace qx;
using namespace qx::test;

namespace {

// The first pass as the controller sees it: "time command" rows, starting at `start`.
QStringList firstPassRows(int start) {
    const QStringList queries{":GVP#",  ":GXE1#", ":GXE4#", ":GXE5#", ":GXE7#", ":GXEE#", ":Gg#",
                              ":Gt#",   ":GG#",   ":%BR#",  ":%BD#",  ":GXEA#", ":GXE9#", ":Go#",
                              ":Gh#",   ":GX81#", ":GX80#", ":GXEF#", ":GXEG#", ":GXEH#", ":G1#",
                              ":G2#",   ":GXEL#", ":GXEM#", ":GXEN#", ":GXEI#", ":GX95#", ":GXEQ#",
                              ":GXEP#", ":GXES#", ":GXET#", ":GXEa#", ":GXEb#", ":GXEc#", ":GXEd#",
                              ":GXEe#", ":GXEf#", ":GXEm#", ":GX97#", ":GXEU#"};
    QStringList rows;
    int t = start;
    for (const QString& q : queries) {
        rows << QStringLiteral("%1 %2").arg(t).arg(q);
        t += 100;
    }
    for (const char* q : {":GXA1#", ":GXA2#", ":GXA1#", ":GXA2#"}) {
        rows << QStringLiteral("%1 %2").arg(t).arg(QLatin1String(q));
        t += 1000;
    }
    return rows;
}

int countOf(const QStringList& rows, const QString& command) {
    return int(rows.count(command));
}

}  // namespace

class ReadAllTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A controller that answers everything at once: the time is set, the 44 queries of the first
    // pass go out in order with their waits, nothing is asked again, ":Pe#" comes last.
    void readsEverythingInOnePass() {
        TestRig rig;
        rig.attachSimulator();
        rig.form->Form_Activate();
        rig.log.clear();
        const double start = rig.clock.nowMs();
        rig.form->Command11_Click();

        QStringList expected{"0 :SG-9.00#", "400 :SC03/05/24#", "800 :SL09:07:05#", "900 :GX81#",
                             "1000 :GX80#"};
        expected += firstPassRows(1000);
        expected << "9000 :Pe#";
        QStringList sent;
        for (const QString& row : rig.log.timedOf("serial")) {
            const int t = row.section(' ', 0, 0).toInt() - int(start);
            sent << QStringLiteral("%1 %2").arg(t).arg(row.section(' ', 1));
        }
        QCOMPARE(sent, expected);
        QCOMPARE(rig.clock.nowMs() - start, 9000.0);

        Controls& c = rig.controls();
        for (const char* field :
             {"Text1(0)",   "Text1(1)",   "Text1(2)",   "Text1(3)",   "Text1(4)",  "Text1(5)",
              "Text1(6)",   "Text1(7)",   "Text1(8)",   "Text1(9)",   "Text1(10)", "Text1(11)",
              "Text1(12)",  "Text1(13)",  "Text1(14)",  "Text1(15)",  "Text1(20)", "Text1(21)",
              "Text1(23)",  "Text1(24)",  "Text1(40)",  "Text1(41)",  "Text1(49)", "Text1(55)",
              "Text1(100)", "Text1(101)", "Text1(102)", "Text1(103)", "Combo3",    "Combo4",
              "Combo8",     "Combo9"})
            QVERIFY2(!c.text(QLatin1String(field)).isEmpty(), field);
        QCOMPARE(c.text("Text1(5)"),
                 QStringLiteral("+") + rig.controller->queryValue(":Gg#").mid(1));
        QVERIFY(c.visible("Picture6"));
        QVERIFY(c.backColor("Shape1") != kLampNotRead);
        for (const QString& name : settingsControls()) QVERIFY2(c.enabled(name), qPrintable(name));
        QCOMPARE(rig.form->timer1Interval(), 1000);
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "yomikomiend.mp3"}));
    }

    // Faults of the controller and how the retry passes meet them.
    void retries_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("faultKind");
        QTest::addColumn<QByteArray>("garbage");
        QTest::addColumn<int>("expectedSends");
        QTest::newRow("never answered")
            << ":GXEL#" << int(sim::Fault::Kind::NoAnswer) << QByteArray() << 5;
        QTest::newRow("one-character backlash")
            << ":%BR#" << int(sim::Fault::Kind::Garbage) << QByteArray("5#") << 5;
        QTest::newRow("lamp never answered")
            << ":GXEH#" << int(sim::Fault::Kind::NoAnswer) << QByteArray() << 5;
        // The direction lamps are painted green before the first pass, so they are not unlit.
        QTest::newRow("direction never answered")
            << ":GXEF#" << int(sim::Fault::Kind::NoAnswer) << QByteArray() << 1;
    }
    void retries() {
        QFETCH(QString, command);
        QFETCH(int, faultKind);
        QFETCH(QByteArray, garbage);
        QFETCH(int, expectedSends);
        TestRig rig;
        sim::Controller& controller = rig.attachSimulator();
        sim::Fault fault;
        fault.kind = sim::Fault::Kind(faultKind);
        fault.text = garbage;
        controller.setFault(command, fault);
        rig.form->Command11_Click();
        QCOMPARE(countOf(rig.log.of("serial"), command), expectedSends);
        QCOMPARE(rig.log.of("serial").last(), QStringLiteral(":Pe#"));
    }

    // Replies carry no tag: an answer that comes after its wait is stored under the next index.
    void lateReplyLandsUnderTheNextIndex() {
        TestRig rig;
        sim::Controller& controller = rig.attachSimulator();
        sim::Fault late;
        late.kind = sim::Fault::Kind::Late;
        late.delayMs = 150;
        late.times = 1;
        controller.setFault(":Gg#", late);
        rig.form->Command11_Click();
        const QString longitude = controller.queryValue(":Gg#");
        QCOMPARE(rig.controls().text("Text1(6)"), longitude);  // the latitude field got it
        QCOMPARE(rig.controls().text("Text1(5)"),
                 QStringLiteral("+") + longitude.mid(1));  // asked again
        // Asked again in the first retry pass; the check of the second pass runs before that
        // answer is in (the wait comes before each re-send), so it is asked a third time.
        QCOMPARE(rig.log.timedOf("serial").filter(":Gg#"),
                 (QStringList{"1600 :Gg#", "9100 :Gg#", "9200 :Gg#"}));
    }

    // A port that cannot be opened: the message, then the read stops with the window usable.
    void portThatCannotOpenStopsTheRead() {
        TestRig rig;
        rig.serial.availablePorts.clear();
        rig.form->Form_Activate();
        rig.log.clear();
        const double start = rig.clock.nowMs();
        rig.form->Command11_Click();
        QCOMPARE(rig.log.of("message"),
                 QStringList{"通信エラー|現在使用できるポートがありません。"});
        QVERIFY(rig.log.of("serial").isEmpty());
        QCOMPARE(rig.clock.nowMs(), start);
        for (const QString& name : settingsControls())
            QVERIFY2(rig.controls().enabled(name), qPrintable(name));
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        QCOMPARE(rig.form->timer1Interval(), 0);
    }

    // While connected, the MaxRate is asked every second.
    void pollAfterTheRead() {
        TestRig rig;
        rig.attachSimulator();
        rig.form->Command11_Click();
        rig.log.clear();
        rig.controller->setQueryValue(":GXE1#", "321");
        rig.clock.advance(3500);
        QCOMPARE(rig.log.of("serial"), (QStringList{":GXE1#", ":GXE1#", ":GXE1#"}));
        QCOMPARE(rig.controls().text("Text1(0)"), QStringLiteral("321"));
        QCOMPARE(QueryIndex, qint16(1));
    }
};

QTEST_GUILESS_MAIN(ReadAllTest)
#include "tst_read_all.moc"
