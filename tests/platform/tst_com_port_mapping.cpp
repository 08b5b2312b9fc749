#include <QtTest>

#include "ui/qt/ComPortMapping.h"

using namespace qx;

Q_DECLARE_METATYPE(qx::PortNaming)

class ComPortMappingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comPortDevice_data() {
        QTest::addColumn<PortNaming>("naming");
        QTest::addColumn<QStringList>("systemPorts");
        QTest::addColumn<QStringList>("environment");  // NAME=value
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");  // empty: no device

        const PortNaming onUnix = PortNaming::Unix;
        const PortNaming onWindows = PortNaming::Windows;
        const QStringList none;
        QTest::newRow("no ports") << onUnix << none << none << 1 << "";
        QTest::newRow("single USB adapter is COM1")
            << onUnix << QStringList{"/dev/ttyUSB0"} << none << 1 << "/dev/ttyUSB0";
        QTest::newRow("single ACM adapter is COM1")
            << onUnix << QStringList{"/dev/ttyACM0"} << none << 1 << "/dev/ttyACM0";
        QTest::newRow("beyond the ports")
            << onUnix << QStringList{"/dev/ttyUSB0"} << none << 2 << "";
        QTest::newRow("listed order does not matter")
            << onUnix << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB0"} << none << 1 << "/dev/ttyUSB0";
        QTest::newRow("numbers compare as numbers")
            << onUnix << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB9", "/dev/ttyUSB2"} << none << 2
            << "/dev/ttyUSB9";
        QTest::newRow("mixed kinds by name")
            << onUnix << QStringList{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyACM0"} << none << 3
            << "/dev/ttyUSB0";
        QTest::newRow("variable names the device")
            << onUnix << QStringList{"/dev/ttyUSB0"} << QStringList{"QUORVELX_COM3=/dev/pts/7"} << 3
            << "/dev/pts/7";
        QTest::newRow("variable beats the list")
            << onUnix << QStringList{"/dev/ttyUSB0"} << QStringList{"QUORVELX_COM1=/dev/pts/7"} << 1
            << "/dev/pts/7";
        QTest::newRow("variable of another number")
            << onUnix << QStringList{"/dev/ttyUSB0"} << QStringList{"QUORVELX_COM3=/dev/pts/7"} << 1
            << "/dev/ttyUSB0";
        QTest::newRow("variable for COM1 is not COM10")
            << onUnix << none << QStringList{"QUORVELX_COM1=/dev/pts/7"} << 10 << "";
        QTest::newRow("empty variable falls back")
            << onUnix << QStringList{"/dev/ttyUSB0"} << QStringList{"QUORVELX_COM1="} << 1
            << "/dev/ttyUSB0";
        QTest::newRow("COM19 by variable")
            << onUnix << none << QStringList{"QUORVELX_COM19=/dev/pts/9"} << 19 << "/dev/pts/9";
        QTest::newRow("COM20 does not exist")
            << onUnix << none << QStringList{"QUORVELX_COM20=/dev/pts/9"} << 20 << "";
        QTest::newRow("COM0 does not exist") << onUnix << QStringList{"/dev/ttyUSB0"}
                                             << QStringList{"QUORVELX_COM0=/dev/pts/9"} << 0 << "";
        QTest::newRow("windows COM3") << onWindows << none << none << 3 << "COM3";
        QTest::newRow("windows COM19") << onWindows << none << none << 19 << "COM19";
        QTest::newRow("windows COM20") << onWindows << none << none << 20 << "";
        QTest::newRow("windows names its own ports")
            << onWindows << QStringList{"COM7"} << QStringList{"QUORVELX_COM3=COM7"} << 3 << "COM3";
    }
    void comPortDevice() {
        QFETCH(PortNaming, naming);
        QFETCH(QStringList, systemPorts);
        QFETCH(QStringList, environment);
        QFETCH(int, number);
        QFETCH(QString, device);

        QProcessEnvironment env;
        for (const QString& entry : environment) {
            const qsizetype equals = entry.indexOf(u'=');
            env.insert(entry.left(equals), entry.mid(equals + 1));
        }
        const std::optional<QString> found = qx::comPortDevice(number, naming, systemPorts, env);
        QCOMPARE(found.value_or(QString()), device);
        QCOMPARE(found.has_value(), !device.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ComPortMappingTest)
#include "tst_com_port_mapping.moc"
