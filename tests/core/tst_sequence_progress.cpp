// The progress the long sequences report, on the virtual clock: the serial read-all through its
// first pass and its retry passes, and the other timed sequences. The time left is held against
// the time the sequence then really took, and the event log against a run nobody watched.

#include <QtTest>
#include <functional>
#include <vector>

#include "fakes/TestRig.h"
#include "mount/ModelWrite.h"
#include "read/ReadAllTables.h"
#include "shell/SequenceProgress.h"
#include "write/GearWrite.h"

using namespace qx;
using namespace qx::test;

namespace {

struct Report {
    double atMs;
    int reached;
    int steps;
    int msLeft;
};

// Every report of the sequences of one rig, with its time on the virtual clock.
class ProgressRecorder : public SequenceProgress {
public:
    void started(const QString& sequence, int steps, int msLeft) override {
        name = sequence;
        ++starts;
        reports.push_back({clock->nowMs(), 0, steps, msLeft});
    }
    void stepReached(int reached, int steps, int msLeft) override {
        reports.push_back({clock->nowMs(), reached, steps, msLeft});
    }
    void finished() override {
        ++finishes;
        finishedAtMs = clock->nowMs();
    }

    double remainingMs(const Report& report) const { return finishedAtMs - report.atMs; }

    const VirtualScheduler* clock = nullptr;
    QString name;
    int starts = 0;
    int finishes = 0;
    double finishedAtMs = -1;
    std::vector<Report> reports;
};

using Run = std::function<void(TestRig&)>;

// Runs the sequence twice, alone and with `recorder` told its progress; both runs must send,
// wait, sound and ask exactly the same. Returns the watched run's serial sends.
QStringList watchedRun(const Run& run, ProgressRecorder& recorder) {
    QStringList alone;
    {
        TestRig rig;
        rig.attachSimulator();
        run(rig);
        alone = rig.log.rows();
    }
    TestRig rig;
    rig.attachSimulator();
    recorder.clock = &rig.clock;
    rig.form->setSequenceProgress(&recorder);
    run(rig);
    rig.form->setSequenceProgress(nullptr);
    [&] { QCOMPARE(rig.log.rows(), alone); }();
    return rig.log.of("serial");
}

// Started once and finished once; every step counted once from 0, the last at 100 % with nothing
// left, as the sequence ends.
void verifyCount(const ProgressRecorder& recorder) {
    QCOMPARE(recorder.starts, 1);
    QCOMPARE(recorder.finishes, 1);
    QVERIFY(recorder.reports.size() > 1);
    for (std::size_t i = 0; i < recorder.reports.size(); ++i)
        QCOMPARE(recorder.reports[i].reached, int(i));
    const Report& last = recorder.reports.back();
    QCOMPARE(last.reached, last.steps);
    QCOMPARE(last.msLeft, 0);
    QCOMPARE(last.atMs, recorder.finishedAtMs);
}

enum class Sequence { LanReadAll, GearWrite, LanGearWrite, FactoryReset, LanFactoryReset, Model };

void runSequence(TestRig& rig, Sequence sequence) {
    const bool lan = sequence == Sequence::LanReadAll || sequence == Sequence::LanGearWrite ||
                     sequence == Sequence::LanFactoryReset;
    if (lan)
        rig.controls().setChecked("Option8", true);
    else
        rig.serial.open();
    const QStringList gear{"12800", "12800", "1", "16", "0", "32"};
    const QStringList fields{"Text1(1)",   "Text1(2)",   "Text1(100)",
                             "Text1(101)", "Text1(102)", "Text1(103)"};
    switch (sequence) {
        case Sequence::LanReadAll:
            rig.controls().setText("Text13", "10.0.0.7");
            rig.pinger.status = 0;
            rig.form->Command61_Click();
            break;
        case Sequence::GearWrite:
        case Sequence::LanGearWrite:
            for (int i = 0; i < fields.size(); ++i) rig.controls().setText(fields[i], gear[i]);
            writeMotorGear(*rig.form);
            break;
        case Sequence::FactoryReset:
        case Sequence::LanFactoryReset:
            rig.form->Command6_Click(27);
            break;
        case Sequence::Model:
            rig.form->Form_Load();  // the first family's gear table, for the calculation
            writeControllerModel(*rig.form);
            break;
    }
}

}  // namespace

class SequenceProgressTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The serial read-all: "Set", the 44 queries, each re-send of the retry passes and the end
    // with ":Pe#" are its steps. What a retry pass sends is known once the pass before it (or the
    // first pass) has ended: `totals` are the steps known from the end of the first pass on, one
    // for each step reached. Every step that joins the plan later is a re-send of 100 ms, so the
    // time left plus theirs is exactly the time the read then took.
    void serialReadAll_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("faultKind");
        QTest::addColumn<QByteArray>("garbage");
        QTest::addColumn<QList<int>>("totals");
        QTest::newRow("everything answered") << QString() << 0 << QByteArray() << QList{46, 46};
        QTest::newRow("never answered: once in each of four passes")
            << ":GXEL#" << int(sim::Fault::Kind::NoAnswer) << QByteArray()
            << QList{47, 48, 49, 50, 50, 50};
        QTest::newRow("one-character backlash: once in each of four passes")
            << ":%BR#" << int(sim::Fault::Kind::Garbage) << QByteArray("5#")
            << QList{47, 48, 49, 50, 50, 50};
        QTest::newRow("lamps never answered: once in each of four passes")
            << ":GXEI#" << int(sim::Fault::Kind::NoAnswer) << QByteArray()
            << QList{47, 48, 49, 50, 50, 50};
        // Stored under the next index; asked again, and once more since the second pass checks
        // before that answer is in; the third pass finds nothing to ask.
        QTest::newRow("late reply: asked again in two passes")
            << ":Gg#" << int(sim::Fault::Kind::Late) << QByteArray() << QList{47, 48, 48, 48};
    }
    void serialReadAll() {
        QFETCH(QString, command);
        QFETCH(int, faultKind);
        QFETCH(QByteArray, garbage);
        QFETCH(QList<int>, totals);
        const Run run = [&](TestRig& rig) {
            sim::Fault fault;
            fault.kind = sim::Fault::Kind(faultKind);
            fault.text = garbage;
            fault.delayMs = 150;
            if (fault.kind == sim::Fault::Kind::Late) fault.times = 1;
            if (!command.isEmpty()) rig.controller->setFault(command, fault);
            rig.form->Command11_Click();
        };
        ProgressRecorder recorder;
        const QStringList sent = watchedRun(run, recorder);
        QVERIFY(!QTest::currentTestFailed());
        verifyCount(recorder);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(recorder.name, QStringLiteral("設定の読み込み（シリアル）"));

        // Before the retry passes are known: "Set" (1000 ms), the first pass (8000 ms), the end.
        const int firstPassEnd = 1 + int(kFirstPass.size());
        const Report& start = recorder.reports.front();
        QCOMPARE(start.steps, firstPassEnd + 1);
        QCOMPARE(start.msLeft, 9000);
        QList<int> known;
        for (const Report& report : recorder.reports) {
            if (report.reached < firstPassEnd) QCOMPARE(report.steps, firstPassEnd + 1);
            if (report.reached >= firstPassEnd) known << report.steps;
        }
        QCOMPARE(known, totals);
        // Every send a step, but the five of "Set", which are one.
        const int steps = totals.last();
        QCOMPARE(int(sent.size()), steps - 1 + 5);
        for (const Report& report : recorder.reports) {
            const int joinedLaterMs = (steps - report.steps) * kRetryWaitMs;
            QCOMPARE(recorder.remainingMs(report), double(report.msLeft + joinedLaterMs));
        }
    }

    // The sequences whose steps are fixed: their steps and waits from the start, and the time
    // left after each step exactly the time they then took. A step of no known length (the
    // LAN's ping and connect) only makes the first estimate short.
    void fixedSequences_data() {
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("msLeft");
        // Ping and connect, 44 queries (500 ms after ":GVP#"), the end 250 ms later.
        QTest::newRow("LAN read-all")
            << int(Sequence::LanReadAll) << QStringLiteral("設定の読み込み（LAN）") << 46 << 8650;
        // Ten steps of 10 360 ms, the restart question and the close, the disconnect's blink.
        QTest::newRow("gear write")
            << int(Sequence::GearWrite) << QStringLiteral("モーターギア書き込み") << 12 << 14360;
        QTest::newRow("gear write over the LAN")
            << int(Sequence::LanGearWrite) << QStringLiteral("モーターギア書き込み") << 13
            << 6000 + 17500 + 1000 + 3000;
        // Twelve commands of 7060 ms, the disconnect's blink.
        QTest::newRow("factory reset")
            << int(Sequence::FactoryReset) << QStringLiteral("工場出荷時設定") << 13 << 10060;
        QTest::newRow("factory reset over the LAN")
            << int(Sequence::LanFactoryReset) << QStringLiteral("工場出荷時設定") << 14 << 15200;
        // Two directions, nine gear settings, the end.
        QTest::newRow("model write")
            << int(Sequence::Model) << QStringLiteral("コントローラー書込") << 12 << 5300;
    }
    void fixedSequences() {
        QFETCH(int, sequence);
        QFETCH(QString, name);
        QFETCH(int, steps);
        QFETCH(int, msLeft);
        ProgressRecorder recorder;
        watchedRun([&](TestRig& rig) { runSequence(rig, Sequence(sequence)); }, recorder);
        QVERIFY(!QTest::currentTestFailed());
        verifyCount(recorder);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(recorder.name, name);
        const Report& first = recorder.reports.front();
        QCOMPARE(first.steps, steps);
        QCOMPARE(first.msLeft, msLeft);
        QVERIFY(recorder.remainingMs(first) >= first.msLeft);
        for (const Report& report : recorder.reports) {
            QCOMPARE(report.steps, steps);
            if (report.reached > 0) QCOMPARE(recorder.remainingMs(report), double(report.msLeft));
        }
    }
};

QTEST_GUILESS_MAIN(SequenceProgressTest)
#include "tst_sequence_progress.moc"
