// The progress bar of the lower strip: hidden until a long sequence starts, showing its name, the
// step reached and the time left while it runs, and gone once it has ended.

#include <QPushButton>
#include <QtTest>

#include "ui/window/SequenceProgressBar.h"
#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

class SequenceProgressBarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "接続" on a controller that answers everything: four seconds into the read the bar stands in
    // the free row of the lower strip, part-way; at the end it is hidden again.
    void showsWhileTheReadAllRuns() {
        WindowRig rig;
        rig.fakes.serial.availablePorts = {rig.fakes.serial.portNumber()};
        rig.fakes.attachSimulator();
        SequenceProgressBar& bar = rig.window.sequenceProgress();
        QVERIFY(!bar.isVisibleTo(&rig.window));
        QCOMPARE(bar.geometry(), kSequenceProgressPlace);

        bool shownDuring = false;
        int percentDuring = -1;
        QString nameDuring, countDuring;
        const double start = rig.fakes.clock.nowMs();
        // "Set" (1000 ms) and 30 queries of 100 ms are behind at 4050 ms: 31 steps reached, and
        // 10 queries of 100 ms and 4 of 1000 ms ahead.
        rig.fakes.clock.post(4050, [&] {
            shownDuring = bar.isVisibleTo(&rig.window);
            percentDuring = bar.percent();
            nameDuring = bar.name();
            countDuring = bar.count();
        });
        rig.widget<QPushButton>("Command11")->click();

        QCOMPARE(rig.fakes.clock.nowMs() - start, 9000.0);
        QVERIFY(shownDuring);
        QCOMPARE(nameDuring, QStringLiteral("設定の読み込み（シリアル）"));
        QCOMPARE(countDuring, QStringLiteral("31/46　残り 5 秒"));
        QCOMPARE(percentDuring, 31 * 100 / 46);
        QVERIFY(!bar.isVisibleTo(&rig.window));
        QCOMPARE(bar.percent(), 100);
    }

    // The count: whole seconds rounded up, so that "0" says nothing is left to wait.
    void countText_data() {
        QTest::addColumn<int>("reached");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("msLeft");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << 46 << 9000 << QStringLiteral("0/46　残り 9 秒");
        QTest::newRow("a part of a second")
            << 45 << 47 << 100 << QStringLiteral("45/47　残り 1 秒");
        QTest::newRow("end") << 46 << 46 << 0 << QStringLiteral("46/46　残り 0 秒");
    }
    void countText() {
        QFETCH(int, reached);
        QFETCH(int, steps);
        QFETCH(int, msLeft);
        QFETCH(QString, text);
        QCOMPARE(progressCount(reached, steps, msLeft), text);
    }
};

QTEST_MAIN(SequenceProgressBarTest)
#include "tst_sequence_progress_bar.moc"
