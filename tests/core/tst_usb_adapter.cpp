// The serial read-all through a USB serial adapter (the simulator's model: the answers at 9600
// baud, handed over every 16 or 32 ms, each interval moved by up to ±8 ms): every reply lands
// whole in its own field, exactly as when the controller's answers come in one piece, and no
// query has to be asked again.

#include <QtTest>

#include "fakes/TestRig.h"
#include "sim/FaultOption.h"

using namespace qx;
using namespace qx::test;

namespace {

struct ReadAllResult {
    QStringList fields;  // "name=text colour" of every control
    QStringList sent;    // what went to the controller, in order
};

// A serial read-all against the simulator, through the adapter given as a fault option.
ReadAllResult readAll(const QString& adapter, quint32 seed) {
    TestRig rig;
    sim::Controller& controller = rig.attachSimulator();
    const QDateTime pcTime(QDate(2024, 3, 5), QTime(9, 7, 5));
    controller.setPcClock([pcTime] { return pcTime; });
    controller.setSeed(seed);
    if (!adapter.isEmpty()) {
        const auto fault = sim::parseFaultOption(adapter);
        controller.setFault(fault->first, fault->second);
    }
    rig.form->Command11_Click();
    ReadAllResult result;
    for (const QString& name : rig.controls().names())
        result.fields << QStringLiteral("%1=%2 %3")
                             .arg(name, rig.controls().text(name))
                             .arg(rig.controls().backColor(name));
    result.sent = rig.log.of(QStringLiteral("serial"));
    return result;
}

}  // namespace

class UsbAdapterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyReplyLandsWhole_data() {
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<quint32>("seed");
        for (const char* adapter : {":=usb:16", ":=usb:32", ":=usb:32,0"})
            for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
                QTest::addRow("%s seed %u", adapter, seed) << QString::fromLatin1(adapter) << seed;
    }
    void everyReplyLandsWhole() {
        QFETCH(QString, adapter);
        QFETCH(quint32, seed);
        const ReadAllResult plain = readAll({}, seed);
        const ReadAllResult throughAdapter = readAll(adapter, seed);
        QCOMPARE(throughAdapter.sent, plain.sent);
        QCOMPARE(throughAdapter.fields, plain.fields);
    }
};

QTEST_GUILESS_MAIN(UsbAdapterTest)
#include "tst_usb_adapter.moc"
