// A click that starts a second long sequence while one is running (it waits, and the window goes
// on handling clicks meanwhile): the second start is refused with a short beep, and the first
// sequence runs exactly as it would alone. A click that does not wait still works during a
// sequence.

#include <QtTest>
#include <functional>

#include "fakes/TestRig.h"
#include "mount/FamilyPresets.h"
#include "mount/ModelPresets.h"
#include "mount/ModelWrite.h"
#include "operations/MountMode.h"
#include "operations/OneShotButtons.h"
#include "operations/ParkAndHome.h"
#include "operations/SpeedPercentage.h"
#include "operations/TimeAndSite.h"
#include "operations/WirelessMode.h"
#include "write/GearWrite.h"
#include "write/SettingsBackup.h"
#include "write/SettingsRestore.h"

using namespace qx;
using namespace qx::test;

namespace {

using Click = std::function<void(TestRig&)>;

const QStringList kGearFields{"Text1(1)",   "Text1(2)",   "Text1(100)",
                              "Text1(101)", "Text1(102)", "Text1(103)"};

Click member(void (Form1::*handler)()) {
    return [handler](TestRig& rig) { (rig.form.get()->*handler)(); };
}
Click setButton(int index) {
    return [index](TestRig& rig) { rig.form->Command6_Click(index); };
}
Click subsystem(void (*handler)(Form1&)) {
    return [handler](TestRig& rig) { handler(*rig.form); };
}
// The button of a table whose row names `control`.
template <typename Row>
Click tableRow(std::span<const Row> rows, const char* control, void (*press)(Form1&, const Row&)) {
    return [rows, control, press](TestRig& rig) {
        for (const Row& r : rows)
            if (QLatin1String(r.control) == QLatin1String(control)) press(*rig.form, r);
    };
}
Click percentage(int index) {
    return [index](TestRig& rig) { setSpeedPercentage(*rig.form, index); };
}
Click preset(const char* model) {
    return [model](TestRig& rig) {
        rig.controls().setText(QStringLiteral("Combo2"), QLatin1String(model));
        applyModelPreset(*rig.form);
    };
}

// A window connected to a simulated controller over the chosen link (the address answers the
// ping), with the first mount family's gear table and motor gear fields that the writes take.
struct ReentryRig : TestRig {
    explicit ReentryRig(bool lan) {
        attachSimulator();
        pinger.status = 0;
        applyFamilyPreset(*form, 0);
        if (lan) {
            controls().setChecked(QStringLiteral("Option8"), true);
        } else {
            controls().setChecked(QStringLiteral("Option7"), true);
            serial.open();
        }
        const QStringList gear{"12800", "12800", "1", "16", "0", "32"};
        for (int i = 0; i < kGearFields.size(); ++i) controls().setText(kGearFields[i], gear[i]);
        log.clear();
    }
    // What reached the controller and the operator, with its times; beeps apart.
    QStringList outside() const {
        return log.rows().filter(
            QRegularExpression(QStringLiteral("^\\d+ (serial|lan|sound|message) ")));
    }
};

// A restore that nobody stops.
class QuietProgress : public RestoreProgress {
public:
    void stepReached(int, int) override {}
    void rowChanged(int) override {}
    bool cancelRequested() override { return false; }
};

// A window that has read the controller, saved a backup, then read a changed MaxRate: a restore
// of the backup writes it back.
struct RestoreRig : ReentryRig {
    RestoreRig() : ReentryRig(false) {
        form->Command11_Click();
        files.answers = {settingsFile("backup.json")};
        saveSettingsBackup(*form);
        controller->setQueryValue(QStringLiteral(":GXE1#"), QStringLiteral("900"));
        form->Command5_Click(0);
        clock.advance(100);
        files.answers = {settingsFile("backup.json")};
        plan = chooseRestoreFile(*form).value();
        log.clear();
    }
    void restore() { runRestore(*form, plan, progress); }
    RestorePlan plan;
    QuietProgress progress;
};

}  // namespace

Q_DECLARE_METATYPE(Click)

class SequenceReentryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartIsRefused_data() {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<Click>("first");
        QTest::addColumn<Click>("second");
        QTest::addColumn<int>("atMs");  // when the second click comes, from the first's start
        const Click readAll = member(&Form1::Command11_Click);
        const Click gearWrite = subsystem(&writeMotorGear);
        QTest::newRow("接続 again during the read-all") << false << readAll << readAll << 3000;
        QTest::newRow("factory reset during the read-all")
            << false << readAll << setButton(27) << 3000;
        QTest::newRow("one-shot with read-back during the read-all")
            << false << readAll << tableRow(oneShotButtons(), "Command15", &pressOneShotButton)
            << 3000;
        QTest::newRow("Set during the read-all")
            << false << readAll << member(&Form1::Command34_Click) << 3000;
        QTest::newRow("preset during the gear write")
            << false << gearWrite << preset("NJP") << 2500;
        QTest::newRow("percentage during the gear write")
            << false << gearWrite << percentage(3) << 2500;
        QTest::newRow("Wi-Fi mode during the gear write")
            << false << gearWrite << tableRow(wirelessModeButtons(), "Command35", &setWirelessMode)
            << 4000;
        QTest::newRow("接続 during the factory reset") << false << setButton(27) << readAll << 2000;
        QTest::newRow("gear write during the model write")
            << false << subsystem(&writeControllerModel) << gearWrite << 1000;
        QTest::newRow("接続 during the disconnect's blink")
            << false << member(&Form1::Command12_Click) << readAll << 1000;
        QTest::newRow("park release during the polar home")
            << false << subsystem(&setHomeToPolarNorth) << subsystem(&releasePark) << 1000;
        QTest::newRow("mount mode during the restart")
            << false << setButton(28) << tableRow(mountModeButtons(), "Command55", &setMountMode)
            << 1000;
        QTest::newRow("PARK during the Wi-Fi mode")
            << false << tableRow(wirelessModeButtons(), "Command36", &setWirelessMode)
            << tableRow(confirmedOperations(), "Command57", &runConfirmedOperation) << 1500;
        QTest::newRow("LAN 接続 again during the LAN read-all")
            << true << member(&Form1::Command61_Click) << member(&Form1::Command61_Click) << 2000;
        QTest::newRow("LAN factory reset during the LAN gear write")
            << true << gearWrite << setButton(27) << 8000;
    }
    void secondStartIsRefused() {
        QFETCH(bool, lan);
        QFETCH(Click, first);
        QFETCH(Click, second);
        QFETCH(int, atMs);

        ReentryRig alone(lan);
        first(alone);

        ReentryRig twice(lan);
        twice.clock.post(atMs, [&] { second(twice); });
        first(twice);

        QCOMPARE(twice.outside(), alone.outside());
        QCOMPARE(twice.log.of(QStringLiteral("beep")), QStringList{"-"});
    }

    // "切断" is never refused: it is how the operator ends what runs, and the sequence goes on
    // to its end as for a link that is not ready. A start during its blink is refused.
    void disconnectEndsWhatRuns() {
        ReentryRig rig(false);
        rig.clock.post(3000, [&] { rig.form->Command12_Click(); });
        rig.form->Command11_Click();
        QVERIFY(rig.log.of(QStringLiteral("beep")).isEmpty());
        QVERIFY(!rig.serial.isOpen());
        const QStringList sent = rig.log.of(QStringLiteral("serial"));
        QVERIFY(!sent.contains(QStringLiteral(":GXA1#")));  // the queries after the disconnect
        QVERIFY(!rig.form->runningSequence());
    }

    // The restore of a backup is a sequence too: "接続" meanwhile is refused, and so is the
    // restore while a read-all runs.
    void restoreAndReadAll() {
        RestoreRig alone;
        alone.restore();
        QVERIFY(alone.log.of(QStringLiteral("serial")).contains(QStringLiteral(":PA800#")));

        RestoreRig twice;
        twice.clock.post(300, [&] { twice.form->Command11_Click(); });
        twice.restore();
        QCOMPARE(twice.outside(), alone.outside());
        QCOMPARE(twice.log.of(QStringLiteral("beep")), QStringList{"-"});

        RestoreRig during;
        during.clock.post(3000, [&] { during.restore(); });
        during.form->Command11_Click();
        QVERIFY(!during.log.of(QStringLiteral("serial")).contains(QStringLiteral(":PA800#")));
        QCOMPARE(during.log.of(QStringLiteral("beep")), QStringList{"-"});
    }

    // A SET that sends at once, without waiting, is no sequence: it goes out during the read-all
    // as it always did.
    void clickWithoutWaitStillWorks() {
        ReentryRig rig(false);
        rig.controls().setText(QStringLiteral("Text1(5)"), QStringLiteral("+139*45"));
        rig.clock.post(3000, [&] { rig.form->Command6_Click(11); });
        rig.form->Command11_Click();
        QVERIFY(rig.log.of(QStringLiteral("serial")).contains(QStringLiteral(":Sg-139*45#")));
        QVERIFY(rig.log.of(QStringLiteral("beep")).isEmpty());
    }

    // The running sequence is known by its name (the outermost one, through the steps it runs of
    // others) until it ends.
    void nameWhileRunning() {
        ReentryRig rig(false);
        QStringList seen;
        for (int at : {500, 10500, 11500})
            rig.clock.post(at, [&] {
                seen << (rig.form->runningSequence() ? rig.form->runningSequence()->name
                                                     : QStringLiteral("-"));
            });
        writeMotorGear(*rig.form);  // its end: the restart question, 1 s, the disconnect's blink
        QCOMPARE(seen, (QStringList{"モーターギア書き込み", "モーターギア書き込み",
                                    "モーターギア書き込み"}));
        QVERIFY(!rig.form->runningSequence());
    }

    // After a sequence has ended, the next one starts.
    void nextStartAfterTheEnd() {
        ReentryRig rig(false);
        rig.form->Command34_Click();
        rig.form->Command34_Click();
        QCOMPARE(rig.log.of(QStringLiteral("serial")).count(QStringLiteral(":GX80#")), 2);
        QVERIFY(rig.log.of(QStringLiteral("beep")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SequenceReentryTest)
#include "tst_sequence_reentry.moc"
