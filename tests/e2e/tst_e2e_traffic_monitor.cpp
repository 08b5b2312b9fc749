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
    // fragments; each of the 44 queries of the first pass is followed by its reply, parsed under
    // the query's index (the last reply before the next command; one that comes late is parsed
    // under the next index) and shown with the controls it went to.
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
        for (const ReadAllQuery& query : kFirstPass) {
            QVERIFY(row < log.rowCount());
            QCOMPARE(log.row(row).record.text, QLatin1String(query.command));
            while (row + 1 < log.rowCount() &&
                   log.row(row + 1).record.event == TrafficEvent::Received)
                ++row;
            const TrafficRecord& reply = log.row(row).record;
            QCOMPARE(reply.event, TrafficEvent::Received);
            QCOMPARE(reply.queryIndex, int(query.index));
            QCOMPARE(reply.destination,
                     replyDestination(program.form->controls(), query.index, Link::Serial));
            ++row;
        }
        QCOMPARE(log.row(log.rowCount() - 1).record.text, QStringLiteral(":Pe#"));
    }
};

QTEST_MAIN(EndToEndTrafficMonitorTest)
#include "tst_e2e_traffic_monitor.moc"
