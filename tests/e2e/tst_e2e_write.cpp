// Write, then read back, through the real window against the simulator program: for every field
// whose caption button re-reads it, the operator types a value, clicks its SET button, clears the
// field and clicks its caption; the field then shows what the controller now holds. All rows run
// in one window session over one pseudo-terminal; one field makes the same round over TCP, in a
// window of its own with the LAN link chosen.

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include "LanSession.h"
#include "link/SerialLink.h"
#include "shell/ControlLocking.h"

using namespace qx;

namespace {

// The controller acknowledges some set commands with a bare "1"; the caption's reply must not
// arrive in the same burst as that acknowledgement.
constexpr int kAfterSetMs = 100;

QString lastReceived(const SimulatorProcess& sim) {
    const QList<SimulatorProcess::Received> received = sim.received();
    return received.isEmpty() ? QString() : received.last().command;
}

}  // namespace

class WriteRoundTripTest : public QObject {
    Q_OBJECT
    std::unique_ptr<SimulatorProcess> sim_;
    std::unique_ptr<Program> program_;

    // Types into a field as the operator does (select all, then keys); an empty text clears it.
    static void type(const Program& program, const QString& field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(program.showControl(field));
        QVERIFY2(edit, qPrintable(field));
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
        QCOMPARE(program.text(field), text);
    }
    static void click(const Program& program, const QString& button) {
        auto* widget = qobject_cast<QAbstractButton*>(program.showControl(button));
        QVERIFY2(widget && widget->isEnabled(), qPrintable(button));
        widget->click();
    }

    // Edit, SET, clear, caption: the field shows `shown`, read back from `sim`.
    static void roundTrip(const Program& program, const SimulatorProcess& sim, const QString& field,
                          int set, int caption, const QString& typed, const QString& sent,
                          const QString& shown) {
        type(program, field, typed);
        click(program, element("Command6", set));
        QTRY_COMPARE_WITH_TIMEOUT(lastReceived(sim), sent, 5000);
        QTest::qWait(kAfterSetMs);
        type(program, field, QString());
        click(program, element("Command5", caption));
        QTRY_COMPARE_WITH_TIMEOUT(program.text(field), shown, 5000);
        QCOMPARE(program.widget<QLineEdit>(field)->text(), shown);
    }

private Q_SLOTS:
    // The serial port opened as "接続" opens it, and the controls unlocked as at the end of a read:
    // the rows do not need the read's eight seconds.
    void initTestCase() {
        sim_ = std::make_unique<SimulatorProcess>(QStringList{QStringLiteral("--no-tcp")});
        QVERIFY(!sim_->ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim_->ptyPath().toLocal8Bit());
        program_ = std::make_unique<Program>();
        program_->form->comm().COMM1open();
        QVERIFY(program_->form->comm().portOpen());
        AllDispON(program_->form->controls());
    }
    void cleanupTestCase() {
        program_.reset();
        sim_.reset();
    }

    void serialRoundTrip_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("caption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* field, int set, int caption, const char* typed,
                      const char* sent, const char* shown) {
            QTest::newRow(name) << QString::fromLatin1(field) << set << caption
                                << QString::fromLatin1(typed) << QString::fromLatin1(sent)
                                << QString::fromLatin1(shown);
        };
        row("MaxRate", "Text1(0)", 0, 0, "1200", ":PA1200#", "1200");
        row("steps per worm turn", "Text1(3)", 3, 3, "28800", ":PD28800#", "28800");
        row("DEC worm to steps", "Text1(4)", 4, 4, "36000", ":PE36000#", "36000");
        row("longitude", "Text1(5)", 11, 5, "+135*30", ":Sg-135*30#", "+135*30");
        row("latitude", "Text1(6)", 12, 6, "+43*04", ":St+43*04#", "+43*04");
        row("UTC offset", "Text1(7)", 13, 7, "+8", ":SG-8#", "+08");
        row("RA backlash", "Text1(8)", 9, 8, "7", ":$BR007#", "007");
        row("DEC backlash", "Text1(9)", 10, 9, "120", ":$BD120#", "120");
        row("meridian west", "Text1(10)", 8, 10, "20", ":SXEA,20#", "20");
        row("meridian east", "Text1(11)", 7, 11, "-20", ":SXE9,-20#", "-20");
        row("zenith", "Text1(12)", 6, 12, "80", ":So80#", "+80");
        row("horizon", "Text1(13)", 5, 13, "-5*", ":Sh-5#", "-05");
        row("home altitude", "Text1(20)", 14, 14, "40", ":PF40#", "40");
        row("home azimuth", "Text1(21)", 15, 15, "90", ":PG90#", "90");
    }
    void serialRoundTrip() {
        QFETCH(QString, field);
        QFETCH(int, set);
        QFETCH(int, caption);
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        QFETCH(QString, shown);
        roundTrip(*program_, *sim_, field, set, caption, typed, sent, shown);
    }

    // The LAN link chosen in a window of its own: the SET and the caption each connect anew to
    // port 9999 of the simulator's own loopback address, although its serial port is open too.
    void lanRoundTrip() {
        LanSession lan;
        QVERIFY2(lan.problem().isEmpty(), qPrintable(lan.problem()));
        AllDispON(lan.program().form->controls());
        program_->form->comm().COMM1close();  // the pseudo-terminal goes to the LAN window
        QtSerialPort& serial = lan.program().platform->serial();
        serial.setPortNumber(10);
        QVERIFY(serial.open());
        const qsizetype serialCommands = sim_->received().size();
        roundTrip(lan.program(), lan.simulator(), QStringLiteral("Text1(5)"), 11, 5,
                  QStringLiteral("-75*10"), QStringLiteral(":Sg+75*10#"), QStringLiteral("-75*10"));
        QCOMPARE(lan.commands(), QStringList({":Sg+75*10#", ":Gg#"}));
        QCOMPARE(lan.simulator().connections(), 2);
        QCOMPARE(sim_->received().size(), serialCommands);  // nothing went to the serial link
    }
};

QTEST_MAIN(WriteRoundTripTest)
#include "tst_e2e_write.moc"
