#include <QtTest>

#include "ui/qt/Ipv4Address.h"
#include "ui/qt/QtPinger.h"

using namespace qx;

class PingerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dottedAddresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<quint32>("address");
        QTest::newRow("design address") << "192.168.1.1" << true << quint32(0xC0A80101);
        QTest::newRow("highest") << "255.255.255.254" << true << quint32(0xFFFFFFFE);
        QTest::newRow("low host") << "0.0.0.1" << true << quint32(1);
        QTest::newRow("all zero") << "0.0.0.0" << false << quint32(0);
        QTest::newRow("part over 255") << "192.168.1.256" << false << quint32(0);
        QTest::newRow("three parts") << "192.168.1" << false << quint32(0);
        QTest::newRow("five parts") << "1.2.3.4.5" << false << quint32(0);
        QTest::newRow("empty part") << "192..1.1" << false << quint32(0);
        QTest::newRow("sign") << "192.168.1.+1" << false << quint32(0);
        QTest::newRow("blank") << "192.168.1.1 " << false << quint32(0);
        QTest::newRow("name") << "controller.local" << false << quint32(0);
        QTest::newRow("empty") << "" << false << quint32(0);
    }
    void dottedAddresses() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(quint32, address);
        const std::optional<quint32> parsed = parseDottedIpv4(text);
        QCOMPARE(parsed.has_value(), valid);
        QCOMPARE(parsed.value_or(0), address);
    }

    // Until the echo is built every valid address answers as a switched-off controller.
    void standInPing() {
        QtPinger pinger;
        QVERIFY(pinger.socketsInitialize());
        QCOMPARE(pinger.ping("192.168.1.1"), 11010);
        QCOMPARE(pinger.ping("192.168.1"), -1);
        QCOMPARE(pinger.ping(""), -1);
    }
};

QTEST_GUILESS_MAIN(PingerTest)
#include "tst_pinger.moc"
