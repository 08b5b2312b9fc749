// The LAN link through the real window, over real TCP to a simulator on port 9999 of a loopback
// address of its own, when the controller fails: the connection is reset or closed by the
// controller at a step of the read-all, the controller answers garbage, late, or a megabyte
// without "#"; the connection is reset during the factory reset; port 9999 refuses, or a listener
// never accepts (a black-holed address).
//
// Each time the sequence ends as for a link that is not ready (the sends after a lost connection
// are skipped, the retry passes re-ask what is missing, the controls are unlocked; a connect that
// does not stand ends within its time limit and the read does not start), the window handles the
// operator's clicks meanwhile, no buffer passes its cap, and a new connection answers.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QtTest>

#include "BoxAnswerer.h"
#include "FailureRun.h"
#include "SimulatorProcess.h"
#include "link/LanLink.h"
#include "link/ReceiveLimit.h"
#include "shell/ControlLocking.h"
#include "ui/platform/TcpClient.h"

using namespace qx;

namespace {

// Port 9999 of a loopback address of its own (127.0.0.2 and up) that no controller answers:
// bound but not listening, a connect is refused; listening with a queue of one that a first
// connection has filled, a connect is never accepted (its handshake is dropped).
class DeadPort {
public:
    explicit DeadPort(bool blackHole) {
        for (int octet = 2; octet < 252 && address_.isEmpty(); ++octet) {
            const QString address = QStringLiteral("127.0.0.%1").arg(octet);
            const int fd = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in at{};
            at.sin_family = AF_INET;
            at.sin_port = htons(FrmTerm::kControllerPort);
            inet_pton(AF_INET, qPrintable(address), &at.sin_addr);
            if (bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
                ::close(fd);
                continue;
            }
            listener_ = fd;
            address_ = address;
            if (!blackHole) return;
            listen(fd, 0);
            filler_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(filler_, reinterpret_cast<sockaddr*>(&at), sizeof at);
            QTest::qWait(50);  // the kernel completes the filler's handshake
        }
    }
    ~DeadPort() {
        if (filler_ >= 0) ::close(filler_);
        if (listener_ >= 0) ::close(listener_);
    }
    QString address() const { return address_; }

private:
    int listener_ = -1;
    int filler_ = -1;
    QString address_;
};

}  // namespace

class FailingLanTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> program_;
    QList<FailureFigures> figures_;

    // The simulator with these options, its address typed into Text13, the LAN link chosen.
    std::unique_ptr<SimulatorProcess> simulator(const QStringList& options) {
        auto sim = SimulatorProcess::onOwnLoopbackAddress(options);
        if (!sim) return nullptr;
        program_->form->controls().setText(QStringLiteral("Text13"), sim->tcpAddress());
        program_->form->controls().setChecked(QStringLiteral("Option8"), true);
        return sim;
    }

    // The operator disconnects; the program goes idle.
    void finish(FailureRun& run) {
        program_->form->frmTerm().NETOffLine1();
        const FailureFigures figures = run.finish();
        figures_ << figures;
        QVERIFY2(figures.mostBuffered <= kMaxReceiveBytes,
                 qPrintable(QString::number(figures.mostBuffered)));
    }

private Q_SLOTS:
    void initTestCase() {
        program_ = std::make_unique<Program>();
        // Choosing the LAN pings the address; any loopback address answers.
        program_->form->controls().setText(QStringLiteral("Text13"), QStringLiteral("127.0.0.1"));
        QVERIFY(program_->click(QStringLiteral("Option8")));
    }
    void cleanupTestCase() { printFigures(figures_); }

    void readAllSurvives_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("connectionLost");
        // Rows of the first pass: 12 ":GXEA#", 38 ":GXEm#", 39 ":GX97#", 41 ":GXA1#".
        QTest::newRow("connection reset at :GXA1# (row 41)") << ":GXA1#=reset" << true;
        QTest::newRow("controller closes at :GXEm# (row 38)") << ":GXEm#=drop" << true;
        QTest::newRow("answers garbage from :GX97# (row 39)") << ":GX97#=garbage@onward" << false;
        QTest::newRow("answers 150 ms late from :GXEm# (row 38)")
            << ":GXEm#=late:150@onward" << false;
        QTest::newRow("1 MB without # at :GXEA# (row 12)") << ":GXEA#=flood@1" << false;
    }
    void readAllSurvives() {
        QFETCH(QString, fault);
        QFETCH(bool, connectionLost);
        const auto sim = simulator({QStringLiteral("--fault"), fault});
        QVERIFY(sim);
        Form1& form = *program_->form;

        FailureRun run(*program_, QString::fromLatin1(QTest::currentDataTag()));
        run.during(3000, [&] { chooseModel(*program_, QStringLiteral("GP")); });
        run.click(QStringLiteral("Command61"));

        QVERIFY(run.actionsRanDuringTheSequence());
        for (const QString& name : settingsControls())
            QVERIFY2(form.controls().enabled(name), qPrintable(name));
        QCOMPARE(form.frmTerm().connected(), !connectionLost);
        // The simulator logs a command a moment after it has come.
        if (!connectionLost)
            QTRY_VERIFY_WITH_TIMEOUT(sim->commands().contains(QStringLiteral(":Pe#")), 3000);
        QTest::qWait(100);
        const QStringList commands = sim->commands();
        QCOMPARE(commands.contains(QStringLiteral(":Pe#")), !connectionLost);
        QCOMPARE(commands.count(QStringLiteral(":GVP#")), 1);  // one read, nothing else
        finish(run);
        QVERIFY(lanConnectionAnswers(*program_, sim->tcpAddress()));
    }

    void factoryResetSurvivesAReset() {
        const auto sim = simulator({QStringLiteral("--fault"), QStringLiteral(":SXA1,R#=reset")});
        QVERIFY(sim);
        Form1& form = *program_->form;
        Controls& c = form.controls();
        showReadSettings(*program_);

        BoxAnswerer boxes;
        FailureRun run(*program_, QStringLiteral("factory reset: connection reset at step b"));
        run.during(4000, [&] { chooseModel(*program_, QStringLiteral("NJP")); });
        run.click(QStringLiteral("Command6(27)"));

        QVERIFY(run.actionsRanDuringTheSequence());
        QCOMPARE(boxes.seen, QStringList{"工場出荷設定|工場設定値に戻しますか？"});
        QCOMPARE(sim->commands(), (QStringList{":Pd#", ":SXA1,R#"}));
        QVERIFY(!c.visible(QStringLiteral("Picture7")));
        QVERIFY(motorGearFieldsEmpty(*program_));
        QCOMPARE(form.frmTerm().Winsock1().state(), int(TcpClient::Closed));
        QVERIFY(c.enabled(QStringLiteral("Command61")));
        QVERIFY(!c.enabled(QStringLiteral("Command12")));
        finish(run);
        QVERIFY(lanConnectionAnswers(*program_, sim->tcpAddress()));
    }

    // A connect that does not stand ends within its limit; the read does not start.
    void connectWaitEnds_data() {
        QTest::addColumn<bool>("blackHole");
        QTest::newRow("port 9999 refuses") << false;
        QTest::newRow("listener never accepts (black hole)") << true;
    }
    void connectWaitEnds() {
        QFETCH(bool, blackHole);
        const DeadPort dead(blackHole);
        QVERIFY(!dead.address().isEmpty());
        Form1& form = *program_->form;
        form.controls().setText(QStringLiteral("Text13"), dead.address());
        AllDispOFF(form.controls());

        FailureRun run(*program_, QString::fromLatin1(QTest::currentDataTag()));
        run.during(1000, [&] { program_->showControl(QStringLiteral("Text1(23)")); });
        run.click(QStringLiteral("Command61"));
        FailureFigures figures = run.finish();
        qInfo("the connect wait took %lld ms (limit %.0f ms)", figures.sequenceMs,
              FrmTerm::kConnectTimeLimitMs);
        QVERIFY2(figures.sequenceMs < FrmTerm::kConnectTimeLimitMs + 2000,
                 qPrintable(QString::number(figures.sequenceMs)));
        figures_ << figures;

        QVERIFY(run.actionsRanDuringTheSequence());
        QVERIFY(!form.frmTerm().connected());
        for (const QString& name : settingsControls())
            QVERIFY2(form.controls().enabled(name), qPrintable(name));
        QVERIFY(form.controls().enabled(QStringLiteral("Command61")));
        QVERIFY(!form.controls().enabled(QStringLiteral("Command12")));

        const auto sim = simulator({});
        QVERIFY(sim);
        QVERIFY(lanConnectionAnswers(*program_, sim->tcpAddress()));
    }
};

QTEST_MAIN(FailingLanTest)
#include "tst_e2e_failing_lan.moc"
