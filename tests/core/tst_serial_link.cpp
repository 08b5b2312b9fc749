#include <QSignalSpy>
#include <QtTest>

#include "fakes/TestRig.h"
#include "link/SerialLink.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

// A chunk of received text and the virtual time at which it arrives.
using Arrivals = QList<QPair<int, QByteArray>>;
Q_DECLARE_METATYPE(Arrivals)

class SerialLinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Framing: chunks that follow each other closely form one receive event; a fragment without
    // "#" at the end of an event is dropped.
    void framing_data() {
        QTest::addColumn<Arrivals>("arrivals");
        QTest::addColumn<QStringList>("maxRateTexts");  // every text Text1(0) took, in order
        QTest::newRow("one reply") << Arrivals{{0, "1234#"}} << QStringList{"1234"};
        QTest::newRow("two replies in one event")
            << Arrivals{{0, "12#34#"}} << QStringList{"12", "34"};
        QTest::newRow("reply in pieces within a burst")
            << Arrivals{{0, "1"}, {8, "5"}, {16, "0#"}} << QStringList{"150"};
        QTest::newRow("fragment, silence, rest")
            << Arrivals{{0, "12"}, {60, "34#"}} << QStringList{"34"};
        QTest::newRow("bare 1 of a set command")
            << Arrivals{{0, "1"}, {100, "150#"}} << QStringList{"150"};
        // A rejected reply ends the event; the text after it is handled with the next event.
        QTest::newRow("rejected reply keeps the rest")
            << Arrivals{{0, "6000#77#"}, {100, "88#"}} << QStringList{"77", "88"};
    }
    void framing() {
        QFETCH(Arrivals, arrivals);
        QFETCH(QStringList, maxRateTexts);
        TestRig rig;
        rig.serial.open();
        QueryIndex = 1;
        QStringList seen;
        QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
            if (name == QLatin1String("Text1(0)")) seen << rig.controls().text(name);
        });
        for (const auto& [at, bytes] : arrivals)
            rig.clock.post(at, [&rig, b = bytes] { rig.serial.deliver(b); });
        rig.clock.advance(500);
        QCOMPARE(seen, maxRateTexts);
        QCOMPARE(rig.form->comm().rxBuffer(), QString());
    }

    void openAndClose() {
        TestRig rig;
        rig.form->comm().COMM1open();
        QVERIFY(rig.serial.isOpen());
        QVERIFY(!rig.controls().enabled("Command11"));
        QVERIFY(rig.controls().enabled("Command12"));
        rig.form->comm().COMM1open();  // already open: nothing happens
        rig.form->comm().COMM1close();
        rig.form->comm().COMM1close();  // already closed: no sound
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "Deconnect.mp3"}));
        QVERIFY(rig.log.of("message").isEmpty());
    }

    void portThatCannotOpen() {
        TestRig rig;
        rig.serial.availablePorts.clear();
        rig.form->comm().COMM1open();
        QCOMPARE(rig.log.of("sound"), QStringList{"connect.mp3"});
        QCOMPARE(rig.log.of("message"),
                 QStringList{"通信エラー|現在使用できるポートがありません。"});
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        QVERIFY(!rig.controls().enabled("Command61"));
    }

    void sendIsGuarded() {
        TestRig rig;
        rig.form->comm().send(QStringLiteral(":GXE1#"));
        QVERIFY(rig.log.of("serial").isEmpty());
        rig.serial.open();
        rig.form->comm().send(QStringLiteral(":GXE1#"));
        QCOMPARE(rig.log.of("serial"), QStringList{":GXE1#"});
    }

    // An unplugged adapter closes the port as a disconnect would, on its first error.
    void vanishedDeviceClosesThePort() {
        TestRig rig;
        rig.form->comm().COMM1open();
        rig.serial.vanish();
        rig.serial.vanish();
        QVERIFY(!rig.serial.isOpen());
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "Deconnect.mp3"}));
    }
};

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "tst_serial_link.moc"
