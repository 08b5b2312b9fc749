#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "ui/qt/QtScheduler.h"
#include "ui/qt/QtSerialPort.h"

using namespace qx;

static constexpr double kLimitMs = 5000;

// Two pseudo-terminals joined by socat: what is written to one comes out of the other, as over
// a null-modem cable. Killing socat is pulling the cable's adapter.
class PtyPair {
public:
    ~PtyPair() { stop(); }

    bool start(QtScheduler& scheduler) {
        socat_.start(QStringLiteral("socat"), {"-d", "-d", "pty,raw,echo=0", "pty,raw,echo=0"});
        QString log;
        scheduler.waitUntil(
            [&] {
                log += QString::fromLocal8Bit(socat_.readAllStandardError());
                return log.contains(QStringLiteral("starting data transfer loop")) ||
                       socat_.state() == QProcess::NotRunning;
            },
            kLimitMs);
        static const QRegularExpression ptyLine(QStringLiteral("PTY is (\\S+)"));
        for (const QRegularExpressionMatch& match : ptyLine.globalMatch(log)) {
            devices_ << match.captured(1);
        }
        return devices_.size() == 2;
    }

    void stop() {
        if (socat_.state() != QProcess::NotRunning) {
            socat_.kill();
            socat_.waitForFinished();
        }
    }

    QString near() const { return devices_.value(0); }
    QString far() const { return devices_.value(1); }

private:
    QProcess socat_;
    QStringList devices_;
};

// The adapter on COM3 (through QUORVELX_COM3) and a plain serial port on the other end.
class SerialFixture {
public:
    static constexpr int kComPort = 3;

    SerialFixture()
        : readyRead(&port, &SerialPort::readyRead), failed(&port, &SerialPort::failed) {}
    ~SerialFixture() { qunsetenv("QUORVELX_COM3"); }

    bool start() {
        if (!pty.start(scheduler)) {
            return false;
        }
        qputenv("QUORVELX_COM3", pty.near().toLocal8Bit());
        port.setPortNumber(kComPort);
        far.setPortName(pty.far());
        return far.open(QIODevice::ReadWrite);
    }

    // Reads from the far end (QSerialPort) or from the port under test.
    template <typename Device>
    QByteArray receive(Device& device, qsizetype size) {
        QByteArray received;
        scheduler.waitUntil(
            [&] {
                received += device.readAll();
                return received.size() >= size;
            },
            kLimitMs);
        return received;
    }

    QtScheduler scheduler;
    PtyPair pty;
    QtSerialPort port;
    QSerialPort far;
    QSignalSpy readyRead;
    QSignalSpy failed;
};

static QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += char(b);
    }
    return bytes;
}

class SerialPortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
            QSKIP("socat is not installed");
        }
    }

    void bytesPassUnchangedBothWays() {
        SerialFixture f;
        QVERIFY(f.start());
        QVERIFY(f.port.open());
        QVERIFY(f.port.isOpen());
        QCOMPARE(f.port.portNumber(), SerialFixture::kComPort);

        f.port.write(everyByte());
        QCOMPARE(f.receive(f.far, 256), everyByte());

        f.far.write(everyByte());
        QCOMPARE(f.receive(f.port, 256), everyByte());
        QVERIFY(f.readyRead.count() > 0);
    }

    void whatIsWrittenJustBeforeCloseStillLeaves() {
        SerialFixture f;
        QVERIFY(f.start());
        QVERIFY(f.port.open());
        f.port.write(":RESTART#");
        f.port.close();
        QVERIFY(!f.port.isOpen());
        QCOMPARE(f.receive(f.far, 9), QByteArray(":RESTART#"));
    }

    void reopensAfterClose() {
        SerialFixture f;
        QVERIFY(f.start());
        QVERIFY(f.port.open());
        f.port.close();
        QVERIFY(f.port.open());
        f.far.write("1#");
        QCOMPARE(f.receive(f.port, 2), QByteArray("1#"));
    }

    void openFailsWithoutTheDevice() {
        QtSerialPort port;
        qputenv("QUORVELX_COM4", "/dev/pts/no-such-terminal");
        port.setPortNumber(4);
        const bool opened = port.open();
        qunsetenv("QUORVELX_COM4");
        QVERIFY(!opened);
        QVERIFY(!port.isOpen());
    }

    void openFailsWhenTheDeviceIsBusy() {
        SerialFixture f;
        QVERIFY(f.start());
        QVERIFY(f.port.open());
        QtSerialPort second;
        second.setPortNumber(SerialFixture::kComPort);
        QVERIFY(!second.open());
        QVERIFY(f.port.isOpen());
    }

    // The link closes the port on the first report; either way there is only one.
    void vanishedDeviceIsReportedOnce_data() {
        QTest::addColumn<bool>("closeOnFailure");
        QTest::newRow("link closes the port") << true;
        QTest::newRow("port left open") << false;
    }
    void vanishedDeviceIsReportedOnce() {
        QFETCH(bool, closeOnFailure);
        SerialFixture f;
        QVERIFY(f.start());
        QVERIFY(f.port.open());
        if (closeOnFailure) {
            connect(&f.port, &SerialPort::failed, &f.port, &SerialPort::close);
        }
        f.pty.stop();
        QVERIFY(f.scheduler.waitUntil([&] { return f.failed.count() > 0; }, kLimitMs));
        f.scheduler.wait(200);
        QCOMPARE(f.failed.count(), 1);
        QCOMPARE(f.port.isOpen(), !closeOnFailure);
        f.port.close();
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "tst_serial_port.moc"
