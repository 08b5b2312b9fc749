// The simulator's "ignore" fault: a set command is logged and acknowledged as usual, and changes
// nothing; other commands and later ones (when limited) are untouched.

#include <QtTest>

#include "sim/Controller.h"
#include "sim/FaultOption.h"

using namespace qx::sim;

namespace {

QByteArray answers(Controller& controller, const char* command) {
    QByteArray bytes;
    for (const Output& out : controller.receive(command, 0)) bytes += out.bytes;
    return bytes;
}

}  // namespace

class SimIgnoreFaultTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ignoredSetKeepsTheValue() {
        Controller controller;
        const auto fault = parseFaultOption(QStringLiteral(":St=IGNORE@1"));
        QVERIFY(fault);
        QCOMPARE(fault->second.kind, Fault::Kind::Ignore);
        controller.setFault(fault->first, fault->second);

        QCOMPARE(answers(controller, ":St+43*04#"), QByteArray("1"));  // acknowledged as usual
        QCOMPARE(controller.queryValue(":Gt#"), QStringLiteral("+35*40"));
        QCOMPARE(controller.log().back().command, QStringLiteral(":St+43*04#"));
        QCOMPARE(answers(controller, ":Gt#"), QByteArray("+35*40#"));

        QCOMPARE(answers(controller, ":St+43*04#"), QByteArray("1"));  // the fault was used up
        QCOMPARE(controller.queryValue(":Gt#"), QStringLiteral("+43*04"));
    }
};

QTEST_GUILESS_MAIN(SimIgnoreFaultTest)
#include "tst_sim_ignore_fault.moc"
