#include "ui/window/screens/TrafficScreens.h"

#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QTableView>

#include "link/SerialLink.h"
#include "link/TrafficLog.h"
#include "read/QueryIndex.h"
#include "shell/Form1.h"
#include "ui/window/TrafficMonitorWindow.h"

namespace qx::screens {

namespace {

struct SampleExchange {
    qint16 index;
    const char* command;
    const char* answer;  // as the controller sends it; a bare "1" has no "#"
};

// clang-format off
constexpr SampleExchange kSampleExchanges[] = {
    {0, ":SG-9.00#", "1"},
    {0, ":SC03/05/24#", "1"},
    {100, ":GVP#", "Kestrana-k10.3#"},
    {1, ":GXE1#", "800#"},
    {2, ":GXE4#", "12800#"},
    {5, ":GXEE#", "200000#"},
    {6, ":Gg#", "-139*45#"},
    {7, ":Gt#", "+35*40#"},
    {17, ":GXEF#", "1#"},
    {19, ":GXEH#", "0#"},
    {23, ":GXEL#", "06#"},
    {30, ":GXES#", "Kestrana-k\r#"},
    {1, ":GXE1#", "9000#"},
    {53, ":GXA1#", "12800,-1x,-180,180,16.0#"},
};
// clang-format on

// The exchanges as the read-all has them: the command, a pause while the controller answers,
// the answer framed by the serial link, the wait before the next command.
void playSampleExchanges(Form1& form, TrafficLog& log) {
    log.record({Link::Serial, TrafficEvent::Connect, QStringLiteral("COM3")});
    for (const SampleExchange& exchange : kSampleExchanges) {
        QueryIndex = exchange.index;
        log.record({Link::Serial, TrafficEvent::Sent, QLatin1String(exchange.command)});
        form.Wait(12);
        form.comm().MSComm1_OnComm(QByteArray(exchange.answer));
        form.Wait(88);
    }
}

}  // namespace

bool saveTrafficMonitor(Form1& form, QWidget* parent, const QDir& out) {
    auto* monitor = new TrafficMonitorWindow(form, parent);
    monitor->show();
    playSampleExchanges(form, monitor->log());
    monitor->table()->selectRow(13);
    QCoreApplication::processEvents();
    const bool saved = monitor->grab().save(out.filePath(QStringLiteral("traffic-monitor.png")));
    monitor->close();
    return saved;
}

}  // namespace qx::screens
