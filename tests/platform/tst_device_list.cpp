#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/devices/SerialPortRows.h"
#include "ui/devices/SerialPortsWindow.h"
#include "ui/qt/QtDesktop.h"
#include "ui/qt/QtScheduler.h"

using namespace qx;

Q_DECLARE_METATYPE(qx::PortNaming)

namespace {

SerialPortInfo usbAdapter(const char* location, quint16 vendor = 0x0403, quint16 product = 0x6001) {
    const QString path = QString::fromLatin1(location);
    return {path, path.section(u'/', -1), QStringLiteral("FT232R USB UART"), vendor, product};
}

SerialPortInfo builtIn(const char* location) {
    const QString path = QString::fromLatin1(location);
    return {path, path.section(u'/', -1), QString(), std::nullopt, std::nullopt};
}

// "COM|device|description|usb" per row.
QStringList flat(const QList<SerialPortRow>& rows) {
    QStringList out;
    for (const SerialPortRow& r : rows)
        out << QStringList{r.com, r.device, r.description, r.usbId}.join(u'|');
    return out;
}

QProcessEnvironment environmentOf(const QStringList& variables) {
    QProcessEnvironment environment;
    for (const QString& v : variables)
        environment.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
    return environment;
}

}  // namespace

class DeviceListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rows_data() {
        QTest::addColumn<PortNaming>("naming");
        QTest::addColumn<QList<SerialPortInfo>>("ports");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("rows");
        const PortNaming onUnix = PortNaming::Unix;
        QTest::newRow("no ports") << onUnix << QList<SerialPortInfo>{} << QStringList{}
                                  << QStringList{};
        QTest::newRow("one USB adapter is COM1")
            << onUnix << QList<SerialPortInfo>{usbAdapter("/dev/ttyUSB0")} << QStringList{}
            << QStringList{"COM1|/dev/ttyUSB0|FT232R USB UART|0403:6001"};
        QTest::newRow("natural order")
            << onUnix
            << QList<SerialPortInfo>{usbAdapter("/dev/ttyUSB10"), builtIn("/dev/ttyS0"),
                                     usbAdapter("/dev/ttyUSB9", 0x10c4, 0xea60)}
            << QStringList{}
            << QStringList{"COM1|/dev/ttyS0||", "COM2|/dev/ttyUSB9|FT232R USB UART|10c4:ea60",
                           "COM3|/dev/ttyUSB10|FT232R USB UART|0403:6001"};
        QTest::newRow("override of a listed port")
            << onUnix << QList<SerialPortInfo>{usbAdapter("/dev/ttyUSB0"), builtIn("/dev/ttyS0")}
            << QStringList{"QUORVELX_COM5=/dev/ttyUSB0"}
            << QStringList{"COM1|/dev/ttyS0||", "COM2|/dev/ttyUSB0|FT232R USB UART|0403:6001",
                           "COM5 (QUORVELX_COM5)|/dev/ttyUSB0|FT232R USB UART|0403:6001"};
        QTest::newRow("override to a device the system does not list")
            << onUnix << QList<SerialPortInfo>{} << QStringList{"QUORVELX_COM3=/dev/pts/7"}
            << QStringList{"COM3 (QUORVELX_COM3)|/dev/pts/7|システムの一覧にない装置|"};
        QList<SerialPortInfo> twenty;
        for (int i = 0; i < 20; ++i)
            twenty << builtIn(qPrintable(QStringLiteral("/dev/ttyS%1").arg(i)));
        QStringList twentyRows;
        for (int i = 0; i < 19; ++i)
            twentyRows << QStringLiteral("COM%1|/dev/ttyS%2||").arg(i + 1).arg(i);
        twentyRows << QStringLiteral("-|/dev/ttyS19||");
        QTest::newRow("beyond COM19") << onUnix << twenty << QStringList{} << twentyRows;
        QTest::newRow("windows names its own ports")
            << PortNaming::Windows
            << QList<SerialPortInfo>{{"\\\\.\\COM4", "COM4", "USB Serial Port", 0x0403, 0x6001},
                                     {"\\\\.\\COM22", "COM22", "Modem", std::nullopt, std::nullopt}}
            << QStringList{"QUORVELX_COM1=/dev/pts/7"}
            << QStringList{"COM4|\\\\.\\COM4|USB Serial Port|0403:6001", "-|\\\\.\\COM22|Modem|"};
    }
    void rows() {
        QFETCH(PortNaming, naming);
        QFETCH(QList<SerialPortInfo>, ports);
        QFETCH(QStringList, environment);
        QFETCH(QStringList, rows);
        QCOMPARE(flat(serialPortRows(ports, naming, environmentOf(environment))), rows);
    }

    // A device that appears in the watched folder is listed without any click.
    void listFollowsPluggedDevices() {
        QTemporaryDir dev;
        QList<SerialPortRow> system;
        SerialPortsWindow window([&] { return system; }, {dev.path()});
        window.show();
        QCOMPARE(window.table().rowCount(), 0);

        system << SerialPortRow{"COM1", "/dev/ttyUSB0", "FT232R USB UART", "0403:6001"};
        QFile node(QDir(dev.path()).filePath("ttyUSB0"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QTRY_COMPARE_WITH_TIMEOUT(window.table().rowCount(), 1, 3000);
        QCOMPARE(window.table().item(0, 0)->text(), QStringLiteral("COM1"));
        QCOMPARE(window.table().item(0, 1)->text(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(window.table().item(0, 3)->text(), QStringLiteral("0403:6001"));

        system.clear();
        QVERIFY(node.remove());
        QTRY_COMPARE_WITH_TIMEOUT(window.table().rowCount(), 0, 3000);
    }

#ifndef Q_OS_WIN
    // Without a device manager the desktop opens the tool's own list, once.
    void desktopOpensTheList() {
        QtScheduler scheduler;
        QtDesktop desktop(scheduler);
        QVERIFY(desktop.openDeviceList());
        QVERIFY(desktop.openDeviceList());
        const auto windows = QApplication::topLevelWidgets();
        const auto lists = std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
            return w->objectName() == QLatin1String("SerialPorts") && w->isVisible();
        });
        QCOMPARE(lists, 1);
    }
#endif
};

QTEST_MAIN(DeviceListTest)
#include "tst_device_list.moc"
