// The traffic monitor of the real program over a serial read-all through the simulator's
// pseudo-terminal.

#include <QtTest>

#include "Program.h"
#include "SimulatorProcess.h"
#include "link/TrafficLog.h"
#include "read/ReadAllTables.h"
#include "ui/window/TrafficMonitorWindow.h"

using namespace qx;

class EndToEndTrafficMonitorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "通信ログ", then "接続": the three "Set" commands' bare "1" answers show as dropped
    // fragments, each of the 44 queries of the first pass is sent in its order, and every reply is
    // shown under the index it was parsed under with the controls that index fills. Which index a
    // reply meets depends on when it arrives (one that comes late on a loaded machine is parsed
    // under the next); the virtual clock's test pins each reply to its query.
    void serialReadAll() {
        SimulatorProcess sim({QStringLiteral("--no-tcp")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;
        QVERIFY(program.click(QLatin1String(kTrafficMonitorButton)));
        auto* monitor = program.window->findChild<TrafficMonitorWindow*>();
        QVERIFY(monitor);
        QVERIFY(program.click(QStringLiteral("Command11")));  // returns when the read-all ends
        const TrafficLog& log = monitor->log();

        int dropped = 0;
        int row = 0;
        for (; row < log.rowCount(); ++row) {
            const TrafficRecord& r = log.row(row).record;
            if (r.event == TrafficEvent::Sent && r.text == QLatin1String(kFirstPass[0].command))
                break;
            if (r.event == TrafficEvent::Dropped && r.text == QLatin1String("1")) ++dropped;
        }
        QCOMPARE(dropped, 3);

        QStringList sent;
        int replies = 0;
        for (; row < log.rowCount(); ++row) {
            const TrafficRecord& r = log.row(row).record;
            if (r.event == TrafficEvent::Sent) sent << r.text;
            if (r.event != TrafficEvent::Received) continue;
            ++replies;
            QCOMPARE(r.destination,
                     replyDestination(program.form->controls(), r.queryIndex, Link::Serial));
        }
        QStringList firstPass;
        for (const ReadAllQuery& query : kFirstPass) firstPass << QLatin1String(query.command);
        QCOMPARE(sent.mid(0, firstPass.size()), firstPass);
        QVERIFY2(replies >= firstPass.size(), qPrintable(QString::number(replies)));
        QCOMPARE(sent.last(), QStringLiteral(":Pe#"));
    }
};

QTEST_MAIN(EndToEndTrafficMonitorTest)
#include "tst_e2e_traffic_monitor.moc"
