// The verified restore on the virtual clock against the simulated controller: what it writes and
// reads back, when a row counts as verified, the rows it must not write, cancelling, and the
// link in use.

#include <QtTest>

#include "fakes/TestRig.h"
#include "shell/SettingsFiles.h"
#include "write/SettingsBackup.h"
#include "write/SettingsRestore.h"

using namespace qx;
using namespace qx::test;

namespace {

// Records the progress; asks to stop once `cancelAfterStep` steps are done.
class RecordedProgress : public RestoreProgress {
public:
    explicit RecordedProgress(Controls& controls) : controls_(controls) {}

    void stepReached(int step, int steps) override { this->steps << QPair(step, steps); }
    void rowChanged(int row) override {
        changedRows << row;
        lockedWhileRunning = lockedWhileRunning && !controls_.enabled("Command6(11)");
    }
    bool cancelRequested() override {
        return cancelAfterStep >= 0 && steps.last().first >= cancelAfterStep;
    }

    QList<QPair<int, int>> steps;
    QList<int> changedRows;
    int cancelAfterStep = -1;
    bool lockedWhileRunning = true;

private:
    Controls& controls_;
};

// A rig whose window has read the simulated controller over serial and saved a backup of it.
struct BackedUpRig : TestRig {
    BackedUpRig() {
        attachSimulator();
        form->Command11_Click();
        files.answers = {backupPath()};
        saveSettingsBackup(*form);
    }

    QString backupPath() const { return settingsFile("backup.json"); }

    // The controller's settings change, and the operator disconnects and reads them again.
    void changeAndReadAgain(const QList<QPair<const char*, const char*>>& answers) {
        for (const auto& [query, value] : answers)
            controller->setQueryValue(QLatin1String(query), QLatin1String(value));
        form->Command12_Click();
        form->Command11_Click();
    }

    RestorePlan openBackup() {
        files.answers = {backupPath()};
        return chooseRestoreFile(*form).value();
    }

    // Starts a fresh event log: what follows is the restore's.
    double startLog() {
        log.clear();
        return clock.nowMs();
    }

    // What went out over `kind` since the log started at `start`, as "milliseconds-after-start
    // command".
    QStringList sentSince(double start, const char* kind = "serial") const {
        QStringList rows;
        for (const QString& row : log.timedOf(QLatin1String(kind))) {
            const int t = row.section(' ', 0, 0).toInt() - qRound(start);
            rows << QStringLiteral("%1 %2").arg(t).arg(row.section(' ', 1));
        }
        return rows;
    }
};

const RestoreRow& rowOf(const RestorePlan& plan, const char* control) {
    for (const RestoreRow& row : plan.rows)
        if (qstrcmp(row.setting->control, control) == 0) return row;
    qFatal("no row %s", control);
}

QStringList tickedControls(const RestorePlan& plan) {
    QStringList controls;
    for (const RestoreRow& row : plan.rows)
        if (row.ticked) controls << QLatin1String(row.setting->control);
    return controls;
}

// Changes that touch every kind of conversion: a number, a selector, a backlash of three digits,
// the sign-flipped longitude, the latitude, a limit with "*", a password. (The UTC offset is not
// among them: the serial read sends the PC's own offset first.)
const QList<QPair<const char*, const char*>> kChanges = {
    {":GXE1#", "900"},   {":GXEa#", "16"},   {":%BR#", "020"}, {":GXEe#", "5"},
    {":Gg#", "-135*10"}, {":Gt#", "+36*00"}, {":Go#", "+80*"}, {":GXET#", "changed"},
};

}  // namespace

class SettingsRestoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A read, a backup, the controller changed and read again: the restore ticks the changed
    // rows, sends exactly their SET commands 500 ms apart, reads each back, and every row is
    // verified. The poll stops meanwhile, the settings controls are locked, and both come back.
    void restoresTheChangedRows() {
        BackedUpRig rig;
        rig.changeAndReadAgain(kChanges);
        RestorePlan plan = rig.openBackup();
        QCOMPARE(tickedControls(plan),
                 (QStringList{"Text1(0)", "Combo4", "Text1(8)", "Combo8", "Text1(5)", "Text1(6)",
                              "Text1(12)", "Text1(41)"}));

        RecordedProgress progress(rig.controls());
        const double start = rig.startLog();
        runRestore(*rig.form, plan, progress);
        QCOMPARE(
            rig.sentSince(start),
            (QStringList{"0 :PA800#", "500 :$PJ128#", "1000 :$BR005#", "1500 :$PN3#",
                         "2000 :Sg-139*45#", "2500 :St+35*40#", "3000 :So85#", "3500 :Pqpassword1#",
                         // The read-backs, through the caption buttons or the read queries.
                         "4000 :GXE1#", "4500 :GXEa#", "5000 :%BR#", "5500 :GXEe#", "6000 :Gg#",
                         "6500 :Gt#", "7000 :Go#", "7500 :GXET#"}));
        QCOMPARE(rig.clock.nowMs() - start, 8000.0);

        for (const RestoreRow& row : plan.rows) {
            const RestoreState expected = row.ticked ? RestoreState::Verified : RestoreState::Idle;
            QVERIFY2(row.state == expected, row.setting->control);
        }
        const RestoreRow& longitude = rowOf(plan, "Text1(5)");
        QCOMPARE(longitude.cameBack, QStringLiteral("+139*45"));
        QCOMPARE(longitude.windowValue, QStringLiteral("+139*45"));
        QCOMPARE(rig.controls().text("Text1(12)"), QStringLiteral("+85"));
        QCOMPARE(rig.controller->queryValue(":GXET#"), QStringLiteral("password1"));

        QCOMPARE(progress.steps.first(), QPair(0, 16));
        QCOMPARE(progress.steps.last(), QPair(16, 16));
        QVERIFY(progress.lockedWhileRunning);
        QVERIFY(rig.controls().enabled("Command6(11)"));
        QCOMPARE(rig.form->timer1Interval(), 1000);
    }

    // The controller accepts the command but keeps its value: the row is not verified, and says
    // what came back. Nothing usable coming back is told apart, and the field keeps what was
    // written.
    void writesThatDoNotTakeHold() {
        BackedUpRig rig;
        rig.changeAndReadAgain({{":GXE1#", "900"}, {":Gt#", "+36*00"}, {":Gg#", "-135*10"}});
        sim::Fault ignore;
        ignore.kind = sim::Fault::Kind::Ignore;
        rig.controller->setFault(":PA", ignore);
        rig.controller->setFault(":St", ignore);
        sim::Fault silent;
        silent.kind = sim::Fault::Kind::NoAnswer;
        rig.controller->setFault(":Gg#", silent);
        RestorePlan plan = rig.openBackup();
        RecordedProgress progress(rig.controls());
        runRestore(*rig.form, plan, progress);

        const RestoreRow& maxRate = rowOf(plan, "Text1(0)");
        QVERIFY(maxRate.state == RestoreState::NotVerified);
        QCOMPARE(maxRate.cameBack, QStringLiteral("900"));
        QVERIFY(rowStatus(maxRate).contains("900"));
        QCOMPARE(rowOf(plan, "Text1(6)").cameBack, QStringLiteral("+36*00"));
        QVERIFY(rowOf(plan, "Text1(6)").state == RestoreState::NotVerified);

        const RestoreRow& longitude = rowOf(plan, "Text1(5)");
        QVERIFY(longitude.state == RestoreState::NoAnswer);
        QCOMPARE(rig.controls().text("Text1(5)"), QStringLiteral("+139*45"));
        QCOMPARE(longitude.windowValue, QStringLiteral("+139*45"));
    }

    // "Verified": the texts give the controller the same value through the field's SET button.
    void sameSetting_data() {
        QTest::addColumn<int>("setIndex");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("zenith with and without sign") << 6 << "85"
                                                      << "+85" << true;
        QTest::newRow("zenith with its star") << 6 << "85*"
                                              << "+85" << true;
        QTest::newRow("zenith changed") << 6 << "85"
                                        << "+80" << false;
        QTest::newRow("offset's leading zero") << 13 << "+9"
                                               << "+09" << true;
        QTest::newRow("offset's sign") << 13 << "+9"
                                       << "-9" << false;
        QTest::newRow("offset's fraction") << 13 << "+5.5"
                                           << "+05.5" << true;
        QTest::newRow("longitude") << 11 << "+139*45"
                                   << "+139*45" << true;
        QTest::newRow("longitude's minutes") << 11 << "+139*45"
                                             << "+139*46" << false;
        QTest::newRow("longitude without sign") << 11 << "139*45"
                                                << "139*45" << false;
        QTest::newRow("latitude's blanks") << 12 << " +35*40"
                                           << "+35*40" << true;
        QTest::newRow("MaxRate's leading zero") << 0 << "0800"
                                                << "800" << true;
        QTest::newRow("MaxRate changed") << 0 << "800"
                                         << "801" << false;
        QTest::newRow("MaxRate out of range") << 0 << "20"
                                              << "20" << false;
        QTest::newRow("backlash digits") << 9 << "5"
                                         << "005" << true;
        QTest::newRow("backlash's last three") << 9 << "1234"
                                               << "234" << true;
        QTest::newRow("meridian rounded") << 8 << "15.7"
                                          << "15" << true;
        QTest::newRow("selector's blank") << 21 << " 16"
                                          << "16" << true;
        QTest::newRow("grade changed") << 25 << "3"
                                       << "5" << false;
        QTest::newRow("SSID's blanks") << 17 << " home "
                                       << "home" << true;
        QTest::newRow("SSID's digits are text") << 17 << "ap01"
                                                << "ap1" << false;
        QTest::newRow("password's case") << 20 << "Secret"
                                         << "secret" << false;
        QTest::newRow("empty horizon") << 5 << ""
                                       << "" << false;
    }
    void sameSetting() {
        QFETCH(int, setIndex);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(qx::sameSetting(setIndex, a, b), same);
        QCOMPARE(qx::sameSetting(setIndex, b, a), same);
    }

    // Values that the SET would refuse, the gear, the lamps and an edited file: each row says
    // why, and none of them is written, even when ticked.
    void rowsThatAreNeverWritten() {
        BackedUpRig rig;
        QByteArray bytes = readWholeFile(rig.backupPath()).value();
        const QList<QPair<QByteArray, QByteArray>> edits = {
            {"\"Text1(0)\": \"800\"", "\"Text1(0)\": \"abc\""},
            {"\"Text1(5)\": \"+139*45\"", "\"Text1(5)\": \"139*45\""},
            {"\"Text1(3)\": \"32000\"", "\"Text1(3)\": \"300000\""},
            {"\"Text1(23)\": \"Kestrana-AP\"", "\"Text1(23)\": \"AP#:Pz\""},
            {"\"Text1(40)\": \"home-wifi\"", "\"Text1(40)\": \"ホーム\""},
            {"\"Text1(41)\": \"password1\"", "\"Text1(41)\": 1"},
            {"\"Text1(1)\": \"12800\"", "\"Text1(1)\": \"6400\""},
            {"\"Shape13\": \"lit\"", "\"Shape13\": \"unlit\""},
            {"        \"Text1(4)\": \"32000\",\n", ""},
        };
        for (const auto& [from, to] : edits) {
            QVERIFY2(bytes.contains(from), from.constData());
            bytes.replace(from, to);
        }
        QVERIFY(saveFileAtomically(rig.backupPath(), bytes));
        RestorePlan plan = rig.openBackup();

        const QList<QPair<const char*, const char*>> problems = {
            {"Text1(0)", ":=SG#"},      {"Text1(5)", "送らない"},
            {"Text1(3)", "送らない"},   {"Text1(23)", "#"},
            {"Text1(40)", "ホ"},        {"Text1(41)", "文字列ではありません"},
            {"Text1(4)", "ありません"},
        };
        for (const auto& [control, problem] : problems) {
            const RestoreRow& row = rowOf(plan, control);
            QVERIFY2(!row.writable() && row.problem.contains(QString::fromUtf8(problem)),
                     qPrintable(row.problem));
        }
        QVERIFY(rowStatus(rowOf(plan, "Text1(1)")).contains("ギア"));
        QVERIFY(rowStatus(rowOf(plan, "Shape13")).contains("情報のみ"));
        QCOMPARE(tickedControls(plan), QStringList());

        for (RestoreRow& row : plan.rows) row.ticked = true;
        for (RestoreRow& row : plan.rows)
            if (row.writable()) row.ticked = false;
        RecordedProgress progress(rig.controls());
        const double start = rig.startLog();
        runRestore(*rig.form, plan, progress);
        QCOMPARE(rig.sentSince(start), QStringList());
        QCOMPARE(progress.steps.last(), QPair(0, 0));
    }

    // Stopped between two rows: what was not written says so, what was written is not read back.
    void cancelledBetweenTwoRows() {
        BackedUpRig rig;
        rig.changeAndReadAgain(kChanges);
        RestorePlan plan = rig.openBackup();
        RecordedProgress progress(rig.controls());
        progress.cancelAfterStep = 2;
        const double start = rig.startLog();
        runRestore(*rig.form, plan, progress);
        QCOMPARE(rig.sentSince(start), (QStringList{"0 :PA800#", "500 :$PJ128#"}));
        QVERIFY(rowOf(plan, "Text1(0)").state == RestoreState::WrittenUnchecked);
        QVERIFY(rowOf(plan, "Combo4").state == RestoreState::WrittenUnchecked);
        QVERIFY(rowOf(plan, "Text1(8)").state == RestoreState::Cancelled);
        QVERIFY(rowOf(plan, "Text1(41)").state == RestoreState::Cancelled);
        QCOMPARE(progress.steps.last(), QPair(16, 16));
    }

    void nothingIsWrittenWithoutALink() {
        BackedUpRig rig;
        rig.changeAndReadAgain({{":GXE1#", "900"}});
        RestorePlan plan = rig.openBackup();
        rig.serial.close();
        RecordedProgress progress(rig.controls());
        const double start = rig.startLog();
        runRestore(*rig.form, plan, progress);
        QCOMPARE(rig.sentSince(start), QStringList());
        QVERIFY(rowOf(plan, "Text1(0)").state == RestoreState::NotConnected);
    }

    // "切断" in the middle: the rest is not written, what was written is not read back, and the
    // poll that the disconnect stopped stays stopped.
    void disconnectedInTheMiddle() {
        BackedUpRig rig;
        rig.changeAndReadAgain(kChanges);
        RestorePlan plan = rig.openBackup();
        RecordedProgress progress(rig.controls());
        rig.clock.post(700, [&rig] { rig.form->Command12_Click(); });
        const double start = rig.startLog();
        runRestore(*rig.form, plan, progress);
        QCOMPARE(rig.sentSince(start), (QStringList{"0 :PA800#", "500 :$PJ128#"}));
        QVERIFY(rowOf(plan, "Combo4").state == RestoreState::WrittenUnchecked);
        QVERIFY(rowOf(plan, "Text1(8)").state == RestoreState::NotConnected);
        QVERIFY(rowOf(plan, "Text1(41)").state == RestoreState::NotConnected);
        QCOMPARE(rig.form->timer1Interval(), 0);
        QVERIFY(!rig.controls().enabled("Command80"));
    }

    // Over the LAN the restore connects once and sends everything over that connection.
    void restoresOverTheLan() {
        TestRig rig;
        rig.attachSimulator();
        rig.controls().setChecked("Option8", true);
        rig.pinger.status = 0;
        rig.form->Command61_Click();
        rig.files.answers = {rig.settingsFile("lan.json")};
        saveSettingsBackup(*rig.form);
        rig.controller->setQueryValue(":Gt#", " +36*00");
        rig.controller->setQueryValue(":GXEL#", "9");
        rig.form->Command61_Click();

        rig.files.answers = {rig.settingsFile("lan.json")};
        RestorePlan plan = chooseRestoreFile(*rig.form).value();
        QCOMPARE(tickedControls(plan), (QStringList{"Text1(6)", "Combo3"}));
        rig.log.clear();
        RecordedProgress progress(rig.controls());
        runRestore(*rig.form, plan, progress);
        QCOMPARE(rig.log.of("tcp").size(), 1);
        QCOMPARE(rig.log.of("lan"), (QStringList{":St+35*40#", ":PH6#", ":Gt#", ":GXEL#"}));
        QVERIFY(rig.log.of("serial").isEmpty());
        QVERIFY(rowOf(plan, "Text1(6)").state == RestoreState::Verified);
        QVERIFY(rowOf(plan, "Combo3").state == RestoreState::Verified);
    }
};

QTEST_GUILESS_MAIN(SettingsRestoreTest)
#include "tst_settings_restore.moc"
