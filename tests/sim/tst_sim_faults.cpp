// The simulator's faults of a failing controller and of a USB serial adapter: how they are
// written on the command line, what they make of an answer, and how the servers carry them.

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include "sim/Controller.h"
#include "sim/FaultOption.h"
#include "sim/FaultShaping.h"
#include "sim/TcpServer.h"
#ifdef Q_OS_UNIX
#include "sim/PtyServer.h"
#endif

using qx::sim::Controller;
using qx::sim::Fault;
using qx::sim::Output;
using K = Fault::Kind;

namespace {

constexpr int kWaitMs = 5000;

QByteArray joined(const std::vector<Output>& outputs) {
    QByteArray bytes;
    for (const Output& output : outputs) bytes += output.bytes;
    return bytes;
}

Fault parsed(const char* option) {
    const auto fault = qx::sim::parseFaultOption(QString::fromLatin1(option));
    return fault ? fault->second : Fault{};
}

// Reads from `device` until `size` bytes have come or nothing more comes for a while.
QByteArray readAtLeast(QIODevice& device, qsizetype size) {
    QByteArray received;
    QElapsedTimer quiet;
    quiet.start();
    while (received.size() < size && quiet.elapsed() < kWaitMs) {
        QTest::qWait(5);
        const QByteArray more = device.readAll();
        if (!more.isEmpty()) quiet.restart();
        received += more;
    }
    return received;
}

// A client of a TCP server whose controller has this fault.
struct TcpClientOf {
    explicit TcpClientOf(const char* option) {
        const auto fault = qx::sim::parseFaultOption(QString::fromLatin1(option));
        controller.setFault(fault->first, fault->second);
        listening = server.listen(0);
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        connected = listening && socket.waitForConnected(kWaitMs);
    }
    Controller controller;
    qx::sim::TcpServer server{controller};
    QTcpSocket socket;
    bool listening = false;
    bool connected = false;
};

}  // namespace

class TestSimFaults : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");  // the kind's number: ms, bytes or period
        QTest::addColumn<int>("second");  // jitter of usb
        QTest::addColumn<bool>("onward");
        const auto row = [](const char* option, bool valid, K kind = K::None, int number = 0,
                            int second = 0, bool onward = false) {
            QTest::newRow(option) << QString::fromLatin1(option) << valid << int(kind) << number
                                  << second << onward;
        };
        row(":GXE1#=reset", true, K::Reset);
        row(":Go#=trickle", true, K::Trickle, 100);
        row(":Go#=trickle:50", true, K::Trickle, 50);
        row(":Gg#=binary", true, K::Binary, 64);
        row(":Gg#=binary:300@onward", true, K::Binary, 300, 0, true);
        row(":GXEA#=flood", true, K::Flood, 1 << 20);
        row(":GXEA#=FLOOD:2048@1", true, K::Flood, 2048);
        row(":GXE9#=stream", true, K::Stream, 5);
        row(":GXE9#=stream:10", true, K::Stream, 10);
        row(":=usb", true, K::Usb, 16, 8);
        row(":=usb:32", true, K::Usb, 32, 8);
        row(":=usb:16,0", true, K::Usb, 16, 0);
        row(":GXEE#=noanswer@onward", true, K::NoAnswer, 0, 0, true);
        row(":GXEE#=late:150@onward", true, K::Late, 150, 0, true);
        row(":=usb:0", false);
        row(":=usb:16,x", false);
        row(":Go#=trickle:1,2", false);
        row(":GXE1#=reset:5", false);
        row(":GXE1#=noanswer@always", false);
        row(":GXE1#=sometimes", false);
    }
    void options() {
        QFETCH(QString, option);
        QFETCH(bool, valid);
        const auto fault = qx::sim::parseFaultOption(option);
        QCOMPARE(fault.has_value(), valid);
        if (!valid) return;
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(int, second);
        QFETCH(bool, onward);
        const Fault& f = fault->second;
        QCOMPARE(int(f.kind), kind);
        const int numberOfKind = f.kind == K::Late                             ? f.delayMs
                                 : f.kind == K::Binary || f.kind == K::Flood   ? f.bytes
                                 : f.kind == K::Usb                            ? f.periodMs
                                 : f.kind == K::Reset || f.kind == K::NoAnswer ? 0
                                                                               : f.gapMs;
        QCOMPARE(numberOfKind, number);
        if (f.kind == K::Usb) QCOMPARE(f.jitterMs, second);
        QCOMPARE(f.onward, onward);
    }

    // What each kind makes of the answer "12800#".
    void shapes() {
        const QByteArray answer("12800#");
        const auto trickle = qx::sim::shapeAnswer(answer, 5, parsed(":X#=trickle:100"));
        QCOMPARE(int(trickle.size()), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(trickle[i].delayMs, 5 + 100 * i);
            QCOMPARE(trickle[i].bytes, answer.mid(i, 1));
        }

        const auto binary = qx::sim::shapeAnswer(answer, 5, parsed(":X#=binary:4096"), 7);
        QCOMPARE(int(binary.size()), 1);
        QCOMPARE(binary[0].bytes.size(), 4096);
        QVERIFY(binary[0].bytes.contains('#'));
        QVERIFY(binary[0].bytes.contains('\0'));
        QVERIFY(binary[0].bytes.contains('\xff'));
        QCOMPARE(qx::sim::shapeAnswer(answer, 5, parsed(":X#=binary:4096"), 7)[0].bytes,
                 binary[0].bytes);  // the same seed, the same bytes

        const auto flood = qx::sim::shapeAnswer(answer, 5, parsed(":X#=flood"));
        QCOMPARE(flood[0].bytes.size(), 1 << 20);
        QVERIFY(!flood[0].bytes.contains('#'));

        const auto stream = qx::sim::shapeAnswer(answer, 5, parsed(":X#=stream:10"));
        QCOMPARE(int(stream.size()), 1);
        QCOMPARE(stream[0].bytes, answer);
        QCOMPARE(stream[0].repeatMs, 10);
        QCOMPARE(qx::sim::shapeAnswer({}, 5, parsed(":X#=stream"))[0].bytes, QByteArray("#"));

        const auto reset = qx::sim::shapeAnswer({}, 5, parsed(":X#=reset"));
        QCOMPARE(int(reset.size()), 1);
        QVERIFY(reset[0].drop && reset[0].reset);
    }

    // The adapter passes on what has come over the line each time its timer runs out: packets of
    // at most 62 bytes, in order, none before its bytes have arrived at 9600 baud, the intervals
    // within the period and its jitter; even a short answer is cut now and then.
    void usbAdapter_data() {
        QTest::addColumn<int>("periodMs");
        QTest::addColumn<int>("jitterMs");
        QTest::addColumn<int>("answerBytes");
        QTest::newRow("16 ms, short answer") << 16 << 8 << 6;
        QTest::newRow("16 ms, composite answer") << 16 << 8 << 40;
        QTest::newRow("32 ms, composite answer") << 32 << 8 << 40;
        QTest::newRow("16 ms, 300 bytes") << 16 << 8 << 300;
        QTest::newRow("no jitter") << 16 << 0 << 40;
    }
    void usbAdapter() {
        QFETCH(int, periodMs);
        QFETCH(int, jitterMs);
        QFETCH(int, answerBytes);
        QByteArray answer(answerBytes - 1, '7');
        answer += '#';
        const double byteMs = 10000.0 / 9600.0;
        bool split = false;
        for (quint32 seed = 1; seed <= 200; ++seed) {
            const auto packets = qx::sim::usbPackets(answer, 5, periodMs, jitterMs, seed);
            QCOMPARE(joined(packets), answer);
            qsizetype arrived = 0;
            for (size_t i = 0; i < packets.size(); ++i) {
                QVERIFY(packets[i].bytes.size() <= 62);
                arrived += packets[i].bytes.size();
                QVERIFY(packets[i].delayMs >= 5 + arrived * byteMs - 1);
                if (i == 0) continue;
                const int interval = packets[i].delayMs - packets[i - 1].delayMs;
                QVERIFY(interval >= 0);
                // A full packet goes early; otherwise the timer's interval, rounded to whole ms.
                if (packets[i].bytes.size() < 62)
                    QVERIFY2(interval <= periodMs + jitterMs + 1,
                             qPrintable(QString::number(interval)));
            }
            split = split || packets.size() > 1;
        }
        QVERIFY(split);  // a timer that runs out while the answer is on the line cuts it
    }

    // Once triggered, an onward fault takes every later command until the client leaves.
    void onwardLastsUntilTheClientLeaves() {
        Controller controller;
        controller.setFault(QStringLiteral(":GXEE#"), parsed(":GXEE#=noanswer@onward"));
        QCOMPARE(joined(controller.receive(":GXEL#", 0)), QByteArray("6#"));
        QVERIFY(controller.receive(":GXEE#:GXEL#:GXE1#", 0).empty());
        controller.clientLeft();
        QCOMPARE(joined(controller.receive(":GXEL#", 0)), QByteArray("6#"));
    }

    // A reset connection ends at once for the client; the server keeps serving others.
    void tcpReset() {
        TcpClientOf client(":GXE1#=reset");
        QVERIFY(client.connected);
        QTcpSocket& socket = client.socket;
        QSignalSpy errors(&socket, &QTcpSocket::errorOccurred);
        socket.write(":GXE1#");
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QAbstractSocket::UnconnectedState, kWaitMs);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(socket.error(), QAbstractSocket::RemoteHostClosedError);
    }

    // A stream over TCP goes on until the connection closes, and the other answers go out in it.
    void tcpStream() {
        TcpClientOf client(":GXEL#=stream:5");
        QVERIFY(client.connected);
        QTcpSocket& socket = client.socket;
        socket.write(":GXEL#");
        const QByteArray first = readAtLeast(socket, 40);
        QVERIFY(first.startsWith("6#6#6#6#"));
        socket.write(":GXE1#");
        QVERIFY(readAtLeast(socket, 400).contains("6#800#6#"));
    }

#ifdef Q_OS_UNIX
    // A megabyte without "#" reaches the client whole although the device holds only a few
    // kilobytes at a time; a stream ends when the client closes the device.
    void ptyCarriesFloodAndStream() {
        Controller controller;
        controller.setFault(QStringLiteral(":GXEA#"), parsed(":GXEA#=flood"));
        controller.setFault(QStringLiteral(":GXE9#"), parsed(":GXE9#=stream:5"));
        qx::sim::PtyServer server(controller);
        QVERIFY(server.open());
        {
            QSerialPort port(server.devicePath());
            QVERIFY(port.open(QIODevice::ReadWrite));
            port.write(":GXEA#");
            const QByteArray flood = readAtLeast(port, 1 << 20);
            QCOMPARE(flood.size(), 1 << 20);
            QVERIFY(!flood.contains('#'));

            port.write(":GXE9#");
            QVERIFY(readAtLeast(port, 100).startsWith(QByteArray("-15#-15#-15#")));
        }
        QTest::qWait(50);
        QSerialPort next(server.devicePath());
        QVERIFY(next.open(QIODevice::ReadWrite));
        next.write(":GXEL#");
        QCOMPARE(readAtLeast(next, 2), QByteArray("6#"));
    }
#endif
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_sim_faults.moc"
