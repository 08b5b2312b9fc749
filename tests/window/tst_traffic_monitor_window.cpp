// The traffic monitor's window: opened by "通信ログ" or Ctrl+L, its rows as the links report
// them, pause, clear, copy and save, following the newest row, and the links left without an
// observer once it closes.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "link/SerialLink.h"
#include "link/TrafficLog.h"
#include "read/QueryIndex.h"
#include "ui/window/TrafficMonitorWindow.h"
#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

namespace {

// The main window with its serial port open and the monitor opened by its button.
struct MonitorRig : WindowRig {
    MonitorRig() {
        fakes.serial.availablePorts = {10};
        QTest::mouseClick(widget<QPushButton>(kTrafficMonitorButton), Qt::LeftButton);
        monitor = window.findChild<TrafficMonitorWindow*>();
        fakes.form->comm().COMM1open();
    }

    void receive(qint16 index, const QByteArray& reply) {
        QueryIndex = index;
        fakes.serial.deliver(reply);
        fakes.clock.advance(100);
    }

    QString cell(int row, int column) const {
        const QAbstractItemModel* model = monitor->table()->model();
        return model->data(model->index(row, column)).toString();
    }

    void click(const char* caption) const {
        for (QPushButton* button : monitor->findChildren<QPushButton*>())
            if (button->text() == QString::fromUtf8(caption))
                return QTest::mouseClick(button, Qt::LeftButton);
        QFAIL(caption);
    }

    int rows() const { return monitor->table()->model()->rowCount(); }

    TrafficMonitorWindow* monitor = nullptr;
};

}  // namespace

class TrafficMonitorWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsPauseClearCopyAndSave() {
        MonitorRig rig;
        QVERIFY(rig.monitor);
        QCOMPARE(rig.fakes.form->trafficObserver(), &rig.monitor->log());

        rig.receive(6, "-139*45#");
        QCOMPARE(rig.rows(), 2);  // the port's connect, the reply
        QCOMPARE(rig.cell(0, TrafficLog::Event), QStringLiteral("接続"));
        QCOMPARE(rig.cell(1, TrafficLog::Text), QStringLiteral("-139*45#"));
        QCOMPARE(rig.cell(1, TrafficLog::Index), QStringLiteral("6"));
        QCOMPARE(rig.cell(1, TrafficLog::Destination), QStringLiteral("Text1(5)"));

        rig.click("一時停止");
        rig.receive(7, "+35*40#");
        QCOMPARE(rig.rows(), 2);
        rig.click("一時停止");
        rig.receive(30, "1\r#");
        QCOMPARE(rig.rows(), 3);
        QCOMPARE(rig.cell(2, TrafficLog::Text), QStringLiteral("1<0D>#"));

        rig.monitor->table()->selectRow(1);
        rig.monitor->table()->selectionModel()->select(
            rig.monitor->table()->model()->index(2, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        rig.click("コピー");
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, rig.monitor->log().rowsText({1, 2}));
        QCOMPARE(copied.count(QLatin1Char('\n')), 2);
        QVERIFY(copied.contains(QStringLiteral("\t-139*45#\t6\tText1(5)\n")));

        const QString path = rig.fakes.settingsFile("traffic.txt");
        rig.fakes.files.answers = {path};
        rig.click("保存…");
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), rig.monitor->log().allRowsText());

        rig.click("クリア");
        QCOMPARE(rig.rows(), 0);

        rig.monitor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig.window.findChild<TrafficMonitorWindow*>());
        QCOMPARE(rig.fakes.form->trafficObserver(), nullptr);
    }

    // The view stays on the newest row until the operator scrolls up; then it stays put.
    void followsTheNewestRowUnlessScrolledUp() {
        MonitorRig rig;
        QScrollBar* bar = rig.monitor->table()->verticalScrollBar();
        for (int i = 0; i < 100; ++i) rig.receive(1, "800#");
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        rig.receive(1, "800#");
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum());
        rig.receive(1, "800#");
        QCOMPARE(bar->value(), bar->maximum());
    }

    // Ctrl+L on the main window opens the monitor too; opening it again brings the same one.
    void oneMonitorWhicheverWayItOpens() {
        WindowRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        QTest::keyClick(&rig.window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(rig.window.findChildren<TrafficMonitorWindow*>().size(), 1);
        QTest::mouseClick(rig.widget<QPushButton>(kTrafficMonitorButton), Qt::LeftButton);
        QCOMPARE(rig.window.findChildren<TrafficMonitorWindow*>().size(), 1);
        QVERIFY(rig.fakes.form->trafficObserver());
    }
};

QTEST_MAIN(TrafficMonitorWindowTest)
#include "tst_traffic_monitor_window.moc"
