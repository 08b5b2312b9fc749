// The operating buttons through the real window, over a real pseudo-terminal, against the
// simulator program: what the controller receives, when, and what the window shows afterwards.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "Program.h"
#include "SimulatorProcess.h"
#include "shell/ControlLocking.h"
#include "ui/Controls.h"

using namespace qx;

namespace {

// One press and what follows it.
struct Press {
    const char* control;
    QStringList received;  // by the simulator, in this order
    int spanMs;            // from the first command to the last, as the button waits
    QList<std::pair<const char*, quint32>> lamps;                    // afterwards
    std::pair<const char*, const char*> field = {nullptr, nullptr};  // afterwards
};

// The real clock adds a little to every wait; never less, and not much more.
constexpr int kLatenessMs = 400;
// The simulator stamps a command when it reads it: a first command read a little late (a busy
// machine, a sanitizer build) makes the span it sees a little shorter than the wait.
constexpr int kEarlinessMs = 25;

// Presses OK in the next message box and notes what it said.
void answerOkWhenShown(QString& seen) {
    QTimer::singleShot(20, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return answerOkWhenShown(seen);
        seen = box->windowTitle() + QLatin1Char('|') + box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

}  // namespace

class EndToEndOperationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsReachTheController() {
        SimulatorProcess sim({QStringLiteral("--no-tcp")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;
        program.platform->serial().setPortNumber(10);
        QTRY_VERIFY_WITH_TIMEOUT(program.platform->serial().open(), 3000);
        // The buttons as a read-all leaves them (that read is shown by the other end-to-end test).
        AllDispON(program.form->controls());

        const QList<Press> presses{
            // A plain command.
            {"Command27", {":TQ#"}, 0, {}},
            // A direction: the lamp pair shows the choice.
            {"Command2", {":TB#"}, 0, {{"Shape2", kLampLit}, {"Shape1", kLampUnlit}}},
            // Sidereal flip ON, read back after 3000 ms: the lamps show the controller's new state.
            {"Command15",
             {":SX95,1#", ":GX95#"},
             3000,
             {{"Shape9", kLampLit}, {"Shape10", kLampUnlit}}},
            // Home, asked first and answered OK.
            {"Command51", {":hC#"}, 0, {}},
            // 55%: the slew speed is read back into its field a second later.
            {"Command48(1)", {":SX93,J#", ":GX97#"}, 1000, {}, {"Text1(49)", "1.1"}},
        };
        QString boxSeen;
        for (const Press& press : presses) {
            const QString control = QLatin1String(press.control);
            const qsizetype before = sim.received().size();
            if (control == QLatin1String("Command51")) answerOkWhenShown(boxSeen);
            auto* button = program.widget<QAbstractButton>(control);
            QVERIFY2(button, press.control);
            button->click();  // returns when the button's sequence has ended

            QTRY_COMPARE_WITH_TIMEOUT(sim.received().size(), before + press.received.size(), 3000);
            const QList<SimulatorProcess::Received> got = sim.received().mid(before);
            QStringList commands;
            for (const auto& r : got) commands << r.command;
            QCOMPARE(commands, press.received);
            const qint64 spanMs = got.last().atMs - got.first().atMs;
            if (press.spanMs > 0) qInfo("%s: %lld ms between its commands", press.control, spanMs);
            QVERIFY2(spanMs >= press.spanMs - kEarlinessMs && spanMs < press.spanMs + kLatenessMs,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(control).arg(spanMs)));
            for (const auto& [lamp, color] : press.lamps)
                QTRY_COMPARE_WITH_TIMEOUT(program.form->controls().backColor(QLatin1String(lamp)),
                                          color, 2000);
            if (press.field.first)
                QTRY_COMPARE_WITH_TIMEOUT(program.text(QLatin1String(press.field.first)),
                                          QLatin1String(press.field.second), 2000);
        }
        QCOMPARE(boxSeen, QStringLiteral("HOME|HOME位置に戻しますか？"));
    }
};

QTEST_MAIN(EndToEndOperationsTest)
#include "tst_e2e_operations.moc"
