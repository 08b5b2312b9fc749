// The backup buttons of the main window and the restore window: opening a backup from the file
// dialog, the masked passwords, the ticks, the run with its progress, cancelling and closing.

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "WindowRig.h"
#include "ui/window/SettingsRestoreWindow.h"

using namespace qx;
using namespace qx::test;
using namespace qx::windowtest;

namespace {

// A window that has read the simulated controller and saved a backup of it; the controller's
// MaxRate and station password have changed since, and the window has read them again.
struct RestoreRig : WindowRig {
    RestoreRig() {
        fakes.serial.availablePorts = {10};
        fakes.attachSimulator();
        fakes.form->Command11_Click();
        fakes.files.answers = {backupPath()};
        QTest::mouseClick(widget<QPushButton>("Command80"), Qt::LeftButton);
        fakes.controller->setQueryValue(":GXE1#", "900");
        fakes.controller->setQueryValue(":GXET#", "changed");
        fakes.form->Command12_Click();
        fakes.form->Command11_Click();
    }

    QString backupPath() const { return fakes.settingsFile("backup.json"); }

    SettingsRestoreWindow* openRestore() {
        fakes.files.answers = {backupPath()};
        QTest::mouseClick(widget<QPushButton>("Command81"), Qt::LeftButton);
        return window.findChild<SettingsRestoreWindow*>();
    }
};

int rowOf(const SettingsRestoreWindow& restore, const char* control) {
    const std::vector<RestoreRow>& rows = restore.plan().rows;
    for (int i = 0; i < int(rows.size()); ++i)
        if (qstrcmp(rows[i].setting->control, control) == 0) return i;
    return -1;
}

QString cell(const SettingsRestoreWindow& restore, const char* control, int column) {
    return restore.table()->item(rowOf(restore, control), column)->text();
}

QPushButton* button(const SettingsRestoreWindow& restore, const char* text) {
    for (QPushButton* b : restore.findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(text)) return b;
    return nullptr;
}

using W = SettingsRestoreWindow;

}  // namespace

class SettingsRestoreWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The backup shown beside the window: the changed rows ticked, the passwords masked until
    // the operator asks to see them.
    void showsTheBackupBesideTheWindow() {
        RestoreRig rig;
        SettingsRestoreWindow* restore = rig.openRestore();
        QVERIFY(restore);
        QCOMPARE(cell(*restore, "Text1(0)", W::InWindow), QStringLiteral("900"));
        QCOMPARE(cell(*restore, "Text1(0)", W::InFile), QStringLiteral("800"));
        QCOMPARE(restore->table()->item(rowOf(*restore, "Text1(0)"), W::Write)->checkState(),
                 Qt::Checked);
        QCOMPARE(restore->table()->item(rowOf(*restore, "Text1(3)"), W::Write)->checkState(),
                 Qt::Unchecked);
        QVERIFY(!(restore->table()->item(rowOf(*restore, "Text1(1)"), W::Write)->flags() &
                  Qt::ItemIsUserCheckable));
        QVERIFY(cell(*restore, "Text1(1)", W::Result).contains("ギア"));
        QCOMPARE(cell(*restore, "Shape13", W::InFile), QStringLiteral("点灯"));

        QCOMPARE(cell(*restore, "Text1(41)", W::InWindow), QStringLiteral("••••••••"));
        QCOMPARE(cell(*restore, "Text1(41)", W::InFile), QStringLiteral("••••••••"));
        QCOMPARE(cell(*restore, "Text1(23)", W::InFile), QStringLiteral("Kestrana-AP"));
        restore->findChild<QCheckBox*>()->setChecked(true);
        QCOMPARE(cell(*restore, "Text1(41)", W::InWindow), QStringLiteral("changed"));
        QCOMPARE(cell(*restore, "Text1(41)", W::InFile), QStringLiteral("password1"));
    }

    // "書き込み" writes what stays ticked, shows each row's outcome and the progress at its end.
    void writesTheTickedRows() {
        RestoreRig rig;
        SettingsRestoreWindow* restore = rig.openRestore();
        restore->table()
            ->item(rowOf(*restore, "Text1(41)"), W::Write)
            ->setCheckState(Qt::Unchecked);
        rig.fakes.log.clear();
        QTest::mouseClick(button(*restore, "書き込み"), Qt::LeftButton);
        QCOMPARE(rig.fakes.log.of("serial"), (QStringList{":PA800#", ":GXE1#"}));
        QCOMPARE(cell(*restore, "Text1(0)", W::Result), QStringLiteral("確認済み"));
        QCOMPARE(cell(*restore, "Text1(0)", W::InWindow), QStringLiteral("800"));
        QCOMPARE(cell(*restore, "Text1(41)", W::Result), QString());
        QProgressBar* progress = restore->findChild<QProgressBar*>();
        QCOMPARE(progress->value(), progress->maximum());
        QCOMPARE(progress->maximum(), 2);

        restore->table()->item(rowOf(*restore, "Text1(0)"), W::Write)->setCheckState(Qt::Unchecked);
        QVERIFY(!button(*restore, "書き込み")->isEnabled());
    }

    // While it runs: "中止" stops it between two rows; closing the window stops it too, and the
    // window goes once the restore has ended; the main window's button brings it to the front
    // rather than opening a second one.
    void stoppedWhileRunning() {
        RestoreRig rig;
        QPointer<SettingsRestoreWindow> restore = rig.openRestore();
        restore->show();
        bool enabledWhileRunning = false;
        rig.fakes.clock.post(200, [&] {
            enabledWhileRunning =
                button(*restore, "中止")->isEnabled() && !button(*restore, "閉じる")->isEnabled();
            QCOMPARE(rig.openRestore(), restore.data());
            QVERIFY(rig.fakes.log.of("file").isEmpty());  // no dialog for a second restore
            QTest::mouseClick(button(*restore, "中止"), Qt::LeftButton);
        });
        rig.fakes.log.clear();
        QTest::mouseClick(button(*restore, "書き込み"), Qt::LeftButton);
        QVERIFY(enabledWhileRunning);
        QCOMPARE(rig.fakes.log.of("serial"), QStringList{":PA800#"});
        QVERIFY(cell(*restore, "Text1(41)", W::Result).contains("中止"));

        rig.fakes.clock.post(200, [&] { restore->close(); });
        QTest::mouseClick(button(*restore, "書き込み"), Qt::LeftButton);
        QTRY_VERIFY(restore.isNull());
    }
};

QTEST_MAIN(SettingsRestoreWindowTest)
#include "tst_settings_restore_window.moc"
