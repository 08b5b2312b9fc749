#include <QElapsedTimer>
#include <QtTest>
#include <cerrno>

#include "shell/Ipv4Address.h"
#include "ui/qt/IcmpMessages.h"
#include "ui/qt/PingProgram.h"
#include "ui/qt/QtPinger.h"
#include "ui/qt/QtScheduler.h"

using namespace qx;

Q_DECLARE_METATYPE(qx::EchoRoute)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

constexpr quint16 kId = 0x1234;
constexpr quint16 kSequence = 7;

// An IPv4 header of 20 bytes for a datagram of the given protocol.
QByteArray ipHeader(quint8 protocol = 1) {
    QByteArray header(20, '\0');
    header[0] = char(0x45);
    header[9] = char(protocol);
    return header;
}

// An ICMP message of this type and code whose body is `body`.
QByteArray icmp(quint8 type, quint8 code, const QByteArray& body) {
    QByteArray message(4, '\0');
    message[0] = char(type);
    message[1] = char(code);
    return message + body;
}

QByteArray reply(quint16 id, quint16 sequence) {
    QByteArray message = echoRequest(id, sequence, "hello");
    message[0] = 0;
    return message;
}

// An error report quoting our request's IP header and first 8 bytes.
QByteArray errorAbout(quint8 type, quint8 code, quint16 id, quint16 sequence) {
    return icmp(type, code,
                QByteArray(4, '\0') + ipHeader() + echoRequest(id, sequence, "").left(8));
}

const char* routeName(std::optional<EchoRoute> route) {
    if (!route) return "none";
    switch (*route) {
        case EchoRoute::DatagramSocket:
            return "datagram socket";
        case EchoRoute::RawSocket:
            return "raw socket";
        case EchoRoute::PingProgram:
            return "ping program";
    }
    return "?";
}

}  // namespace

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

    // The request: type 8, our numbers, the payload, and a checksum that sums the whole to 0.
    void echoRequestLayout() {
        const QByteArray request = echoRequest(kId, kSequence, "hello");
        QCOMPARE(request.size(), 8 + 5);
        QCOMPARE(request.left(2), QByteArray("\x08\x00", 2));
        QCOMPARE(request.mid(4, 4), QByteArray("\x12\x34\x00\x07", 4));
        QCOMPARE(request.mid(8), QByteArray("hello"));
        QCOMPARE(internetChecksum(request), quint16(0));
        // The example of RFC 1071: the words 0001 f203 f4f5 f6f7 sum to ddf2.
        QCOMPARE(internetChecksum(QByteArray("\x00\x01\xf2\x03\xf4\xf5\xf6\xf7", 8)),
                 quint16(~0xddf2));
    }

    // Which received messages answer our echo, and what they say.
    void receivedMessages_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("checkId");
        QTest::addColumn<std::optional<int>>("status");
        const std::optional<int> notOurs;
        QTest::newRow("our reply") << reply(kId, kSequence) << true << std::optional<int>(0);
        QTest::newRow("reply to another echo") << reply(kId, 8) << true << notOurs;
        QTest::newRow("reply to another program") << reply(0x4321, kSequence) << true << notOurs;
        QTest::newRow("datagram socket: the kernel matched the id")
            << reply(0x4321, kSequence) << false << std::optional<int>(0);
        QTest::newRow("our own request on the loopback")
            << echoRequest(kId, kSequence, "hello") << true << notOurs;
        QTest::newRow("host unreachable") << errorAbout(3, 1, kId, kSequence) << true
                                          << std::optional<int>(EchoStatus::kHostUnreachable);
        QTest::newRow("net unreachable") << errorAbout(3, 0, kId, kSequence) << true
                                         << std::optional<int>(EchoStatus::kNetUnreachable);
        QTest::newRow("unreachable, other code")
            << errorAbout(3, 13, kId, kSequence) << true
            << std::optional<int>(EchoStatus::kHostUnreachable);
        QTest::newRow("time to live exceeded")
            << errorAbout(11, 0, kId, kSequence) << true
            << std::optional<int>(EchoStatus::kTtlExpiredTransit);
        QTest::newRow("unknown error type") << errorAbout(40, 0, kId, kSequence) << true
                                            << std::optional<int>(EchoStatus::kGeneralFailure);
        QTest::newRow("error about another echo") << errorAbout(3, 1, kId, 9) << true << notOurs;
        QTest::newRow("error quoting too little")
            << errorAbout(3, 1, kId, kSequence).left(30) << true << notOurs;
        QTest::newRow("cut short") << QByteArray("\x00\x00\x00", 3) << true << notOurs;
    }
    void receivedMessages() {
        QFETCH(QByteArray, message);
        QFETCH(bool, checkId);
        QFETCH(std::optional<int>, status);
        QCOMPARE(echoStatusOf(message, kId, kSequence, checkId), status);
    }

    // A raw socket hands over the IP datagram around the message.
    void datagramUnwrapping() {
        const QByteArray message = reply(kId, kSequence);
        QCOMPARE(icmpOfDatagram(ipHeader() + message), std::optional<QByteArray>(message));
        QByteArray withOptions = ipHeader() + QByteArray(4, '\0');
        withOptions[0] = char(0x46);
        QCOMPARE(icmpOfDatagram(withOptions + message), std::optional<QByteArray>(message));
        QCOMPARE(icmpOfDatagram(ipHeader(17) + message), std::nullopt);  // UDP
        QCOMPARE(icmpOfDatagram(ipHeader()), std::nullopt);
    }

    void sendErrors_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<std::optional<int>>("status");
        QTest::newRow("not permitted: try another route") << EPERM << std::optional<int>();
        QTest::newRow("access denied: try another route") << EACCES << std::optional<int>();
        QTest::newRow("no route") << ENETUNREACH << std::optional<int>(EchoStatus::kNetUnreachable);
        QTest::newRow("host unreachable")
            << EHOSTUNREACH << std::optional<int>(EchoStatus::kHostUnreachable);
        QTest::newRow("other") << EIO << std::optional<int>(EchoStatus::kGeneralFailure);
    }
    void sendErrors() {
        QFETCH(int, error);
        QFETCH(std::optional<int>, status);
        QCOMPARE(sendErrorStatus(error), status);
    }

    // The system's ping as a route: what it says, and how it is called.
    void pingProgramOutcomes_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<std::optional<int>>("status");
        QTest::newRow("answered") << 0 << QByteArray("1 packets transmitted, 1 received")
                                  << std::optional<int>(0);
        QTest::newRow("no answer") << 1 << QByteArray("1 packets transmitted, 0 received")
                                   << std::optional<int>(EchoStatus::kTimedOut);
        QTest::newRow("host unreachable")
            << 1 << QByteArray("From 10.0.0.1 icmp_seq=1 Destination Host Unreachable")
            << std::optional<int>(EchoStatus::kHostUnreachable);
        QTest::newRow("no route") << 2 << QByteArray("ping: connect: Network is unreachable")
                                  << std::optional<int>(EchoStatus::kNetUnreachable);
        QTest::newRow("may not open its socket")
            << 2 << QByteArray("ping: socktype: SOCK_RAW\nping: socket: Operation not permitted")
            << std::optional<int>();
        QTest::newRow("other failure") << 2 << QByteArray("ping: something else")
                                       << std::optional<int>(EchoStatus::kGeneralFailure);
    }
    void pingProgramOutcomes() {
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(std::optional<int>, status);
        QCOMPARE(pingProgramStatus(exitCode, output), status);
    }
    void pingProgramArgumentsEndOptions() {
        QCOMPARE(pingProgramArguments("127.0.0.1"),
                 (QStringList{"-n", "-c", "1", "-W", "1", "--", "127.0.0.1"}));
    }

    // Anything but a dotted IPv4 address is refused before any echo is sent.
    void invalidAddressesSendNothing_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        QTest::newRow("three parts") << "192.168.1";
        QTest::newRow("name") << "localhost";
        QTest::newRow("option") << "-f";
        QTest::newRow("blank inside") << "127.0.0. 1";
    }
    void invalidAddressesSendNothing() {
        QFETCH(QString, address);
        QtScheduler scheduler;
        QtPinger pinger(scheduler);
        QVERIFY(pinger.socketsInitialize());
        QCOMPARE(pinger.ping(address), EchoStatus::kInvalidAddress);
        QCOMPARE(pinger.lastRoute(), std::nullopt);
    }

    // The loopback answers through the first route this process may use.
    void loopbackAnswers() {
        QtScheduler scheduler;
        QtPinger pinger(scheduler);
        QElapsedTimer took;
        took.start();
        QCOMPARE(pinger.ping("127.0.0.1"), EchoStatus::kSuccess);
        qInfo("127.0.0.1 answered in %.2f ms through the %s", took.nsecsElapsed() / 1e6,
              routeName(pinger.lastRoute()));
        QVERIFY(pinger.lastRoute().has_value());
    }

    // Each route on its own, where this process may use it.
    void eachRouteReachesTheLoopback_data() {
        QTest::addColumn<EchoRoute>("route");
        QTest::newRow("datagram socket") << EchoRoute::DatagramSocket;
        QTest::newRow("raw socket") << EchoRoute::RawSocket;
        QTest::newRow("ping program") << EchoRoute::PingProgram;
    }
    void eachRouteReachesTheLoopback() {
        QFETCH(EchoRoute, route);
        QtScheduler scheduler;
        QtPinger pinger(scheduler);
        pinger.setRoutes({route});
        QElapsedTimer took;
        took.start();
        const int status = pinger.ping("127.0.0.1");
        if (!pinger.lastRoute()) QSKIP("this process may not use this route here");
        qInfo("%s: %.2f ms", routeName(route), took.nsecsElapsed() / 1e6);
        QCOMPARE(status, EchoStatus::kSuccess);
    }
};

QTEST_GUILESS_MAIN(PingerTest)
#include "tst_pinger.moc"
