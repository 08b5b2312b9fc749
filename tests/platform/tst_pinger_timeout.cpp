// The real echo against a loopback that does not answer. The test runs in a network namespace of
// its own (entered before anything else starts), where echo answers can be switched off without
// touching the machine's network: there 127.0.0.1 is an address that stays silent.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "shell/Form1.h"
#include "ui/qt/IcmpMessages.h"
#include "ui/qt/QtPinger.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtScheduler.h"

#ifdef Q_OS_LINUX
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#endif

using namespace qx;

Q_DECLARE_METATYPE(qx::EchoRoute)

namespace {

QString namespaceProblem = QStringLiteral("network namespaces are Linux only");

bool writeFile(const char* path, const QByteArray& text) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(text) == text.size();
}

bool answerEchoes(bool answer) {
    return writeFile("/proc/sys/net/ipv4/icmp_echo_ignore_all", answer ? "0" : "1");
}

#ifdef Q_OS_LINUX
bool bringLoopbackUp() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP;
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

// A namespace of our own; without root, inside a user namespace where we are root.
QString enterOwnNetworkNamespace() {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid == 0) {
        if (::unshare(CLONE_NEWNET) != 0) return QStringLiteral("unshare: ") + strerror(errno);
    } else {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
            return QStringLiteral("unshare: ") + strerror(errno);
        if (!writeFile("/proc/self/setgroups", "deny") ||
            !writeFile("/proc/self/uid_map",
                       QByteArray::number(0) + ' ' + QByteArray::number(uid) + " 1") ||
            !writeFile("/proc/self/gid_map",
                       QByteArray::number(0) + ' ' + QByteArray::number(gid) + " 1"))
            return QStringLiteral("cannot map the user");
    }
    if (!bringLoopbackUp()) return QStringLiteral("cannot bring the loopback up");
    // The unprivileged datagram socket too, where the namespace lets us allow it.
    writeFile("/proc/sys/net/ipv4/ping_group_range", "0 2147483647");
    if (!answerEchoes(true)) return QStringLiteral("cannot switch the echo answers");
    return {};
}
#endif

// Counts the ticks of a 50 ms timer: proof that events were handled meanwhile.
struct TickCounter {
    QTimer timer;
    int ticks = 0;
    TickCounter() {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(50);
    }
};

void addRoutes() {
    QTest::addColumn<EchoRoute>("route");
    QTest::newRow("datagram socket") << EchoRoute::DatagramSocket;
    QTest::newRow("raw socket") << EchoRoute::RawSocket;
    QTest::newRow("ping program") << EchoRoute::PingProgram;
}

}  // namespace

class PingerTimeoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (!namespaceProblem.isEmpty())
            QSKIP(qPrintable("no network namespace of our own: " + namespaceProblem));
    }

    // No answer: the time-out status after the echo's second, the events handled meanwhile.
    void silentAddressTimesOut_data() { addRoutes(); }
    void silentAddressTimesOut() {
        QFETCH(EchoRoute, route);
        QVERIFY(answerEchoes(false));
        QtScheduler scheduler;
        QtPinger pinger(scheduler);
        pinger.setRoutes({route});
        TickCounter counter;
        QElapsedTimer took;
        took.start();
        const int status = pinger.ping(QStringLiteral("127.0.0.1"));
        const qint64 ms = took.elapsed();
        if (!pinger.lastRoute()) QSKIP("this route cannot be used here");
        qInfo("no answer after %lld ms, %d timer ticks meanwhile", ms, counter.ticks);
        QCOMPARE(status, EchoStatus::kTimedOut);
        QVERIFY2(ms >= 900 && ms < 2500, qPrintable(QString::number(ms)));
        QVERIFY2(counter.ticks >= ms / 50 - 4, qPrintable(QString::number(counter.ticks)));
    }

    void answeringAddress_data() { addRoutes(); }
    void answeringAddress() {
        QFETCH(EchoRoute, route);
        QVERIFY(answerEchoes(true));
        QtScheduler scheduler;
        QtPinger pinger(scheduler);
        pinger.setRoutes({route});
        const int status = pinger.ping(QStringLiteral("127.0.0.1"));
        if (!pinger.lastRoute()) QSKIP("this route cannot be used here");
        QCOMPARE(status, EchoStatus::kSuccess);
    }

    // The "ping" button with the real echo: "NG" while the address is silent, the window's
    // events going on meanwhile; "OK" once it answers.
    void pingButtonShowsTheOutcome() {
        QTemporaryDir home;
        qputenv("QUORVELX_HOME", home.path().toLocal8Bit());
        QtPlatform platform;
        Form1 form(platform.platform());
        form.controls().setText(QStringLiteral("Text13"), QStringLiteral(" 127.0.0.1 "));

        QVERIFY(answerEchoes(false));
        TickCounter counter;
        form.Command60_Click();
        QCOMPARE(form.controls().text(QStringLiteral("Command60")), QStringLiteral("NG"));
        QVERIFY(counter.ticks >= 15);

        QVERIFY(answerEchoes(true));
        form.Command60_Click();
        QCOMPARE(form.controls().text(QStringLiteral("Command60")), QStringLiteral("OK"));
    }
};

int main(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    namespaceProblem = enterOwnNetworkNamespace();
#endif
    QApplication app(argc, argv);
    PingerTimeoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pinger_timeout.moc"
