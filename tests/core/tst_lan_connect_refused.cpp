// A controller whose port refuses, however the refusal comes: while the connect waits, each
// refusal is tried again after a pause, until the time limit.

#include <QtTest>

#include "fakes/TestRig.h"
#include "link/LanLink.h"

using namespace qx;
using namespace qx::test;

class LanConnectRefusedTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void triedAgainUntilTheLimit_data() {
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("refused a moment after the connect") << false;
        QTest::newRow("refused before the connect call returns") << true;
    }
    void triedAgainUntilTheLimit() {
        QFETCH(bool, atOnce);
        TestRig rig;
        rig.tcp.reachable = false;
        rig.tcp.refusesAtOnce = atOnce;
        rig.form->frmTerm().NETconnect1();
        QCOMPARE(rig.clock.nowMs(), FrmTerm::kConnectTimeLimitMs);
        QVERIFY(rig.tcp.connectAttempts >= FrmTerm::kConnectTimeLimitMs / FrmTerm::kRetryPauseMs);
        QVERIFY(!rig.form->frmTerm().connected());
    }
};

QTEST_GUILESS_MAIN(LanConnectRefusedTest)
#include "tst_lan_connect_refused.moc"
