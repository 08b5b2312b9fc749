// The backup of the controller's settings: the file's format and its reader, the "設定保存…"
// click with its dialog, the file's permissions, and when the button is offered.

#include <QtTest>

#include "fakes/TestRig.h"
#include "shell/SettingsFiles.h"
#include "write/SettingsBackup.h"
#include "write/SettingsRestore.h"

using namespace qx;
using namespace qx::test;

namespace {

// Texts that a careless format would bend: blanks around values, "*", signs, quotes, backslashes,
// the characters of INI and JSON, Japanese, an empty value.
void fillAwkwardValues(Controls& c) {
    c.setText("Text1(0)", "800");
    c.setText("Text1(5)", "+139*45");
    c.setText("Text1(6)", " +35*40");
    c.setText("Text1(7)", "+09");
    c.setText("Text1(12)", "+85");
    c.setText("Text1(13)", "-10");
    c.setText("Text1(8)", "005");
    c.setText("Combo4", " 16");
    c.setText("Combo3", "6");
    c.setText("Text1(23)", " my AP ");
    c.setText("Text1(24)", "p\"a\\s=s;w,o[r]d#%");
    c.setText("Text1(40)", "ホーム");
    c.setText("Text1(41)", "");
    c.setText("Text1(55)", "Kestrana-k192.168.4.1");
    c.setBackColor("Shape5", kLampLit);
    c.setBackColor("Shape6", kLampUnlit);
    c.setBackColor("Shape1", kLampNotRead);
    c.setBackColor("Shape2", 0x123456);
}

SettingsBackup sampleBackup(const Controls& c) {
    return takeBackup(c, "QuorvelX ｾｯﾃｲ ver10.3.2", "2024-03-05 09:07:05", "serial COM10");
}

QFileDevice::Permissions othersAndGroup() {
    return QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
           QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
}

}  // namespace

class SettingsBackupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every setting comes back exactly as the window held it, and set beside the same window the
    // backup differs nowhere.
    void everySettingRoundTrips() {
        TestRig rig;
        fillAwkwardValues(rig.controls());
        const SettingsBackup backup = sampleBackup(rig.controls());
        const BackupFile file = parseBackupFile(backupFileBytes(backup));
        QCOMPARE(file.problem, QString());
        QVERIFY(file.badValues.isEmpty());
        QVERIFY(file.unknownKeys.isEmpty());
        QCOMPARE(file.backup.values, backup.values);
        QCOMPARE(file.backup.values.size(), qsizetype(backupSettings().size()));
        QCOMPARE(file.backup.values.value("Text1(24)"), QStringLiteral("p\"a\\s=s;w,o[r]d#%"));
        QCOMPARE(file.backup.values.value("Combo4"), QStringLiteral(" 16"));
        QCOMPARE(file.backup.values.value("Shape5"), QStringLiteral("lit"));
        QCOMPARE(file.backup.values.value("Shape1"), QStringLiteral("not read"));
        QCOMPARE(file.backup.values.value("Shape2"), QStringLiteral("0x123456"));
        QCOMPARE(file.backup.tool, backup.tool);
        QCOMPARE(file.backup.saved, backup.saved);
        QCOMPARE(file.backup.link, backup.link);

        const RestorePlan plan = planRestore(rig.controls(), file);
        for (const RestoreRow& row : plan.rows) {
            QVERIFY2(!row.ticked, row.setting->control);
            QCOMPARE(row.fileValue.value_or("(none)"), row.windowValue);
        }
    }

    // A person can read it: one setting per line, the format and its version named.
    void theFileIsReadableText() {
        TestRig rig;
        fillAwkwardValues(rig.controls());
        const QString text = QString::fromUtf8(backupFileBytes(sampleBackup(rig.controls())));
        const QStringList lines = text.split('\n');
        QVERIFY(lines.contains("    \"format\": \"QuorvelX settings backup\","));
        QVERIFY(lines.contains("    \"version\": 1"));
        QVERIFY(lines.contains("        \"Text1(5)\": \"+139*45\","));
        QVERIFY(lines.contains("        \"Text1(40)\": \"ホーム\","));
        QVERIFY(lines.contains("        \"Combo4\": \" 16\","));
        for (const BackupSetting& setting : backupSettings())
            QCOMPARE(lines.filter(QStringLiteral("\"%1\":").arg(setting.control)).size(), 1);
    }

    // Damaged and edited files: a problem for the whole file or for the entries it concerns,
    // never a crash.
    void damagedFilesAreReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileProblem");  // part of the file's problem; empty: none

        TestRig rig;
        fillAwkwardValues(rig.controls());
        const QByteArray good = backupFileBytes(sampleBackup(rig.controls()));
        QTest::newRow("empty") << QByteArray() << "壊れています";
        QTest::newRow("cut in half") << good.left(good.size() / 2) << "壊れています";
        const qsizetype afterValue = good.indexOf("\"+139*45\"") + 9;
        QTest::newRow("cut after a value") << good.left(afterValue) << "壊れています";
        QTest::newRow("cut before the last brace")
            << good.left(good.lastIndexOf('}')) << "壊れています";
        QTest::newRow("not JSON") << QByteArray("[comm]\nport=10\n") << "壊れています";
        QTest::newRow("another JSON file") << QByteArray("{\"name\": \"x\"}") << "ではありません";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "ではありません";
        QByteArray later = good;
        later.replace("\"version\": 1", "\"version\": 2");
        QTest::newRow("a later version") << later << "形式の版 2 は読めません";
        QByteArray noVersion = good;
        noVersion.replace("\"version\": 1", "\"versio\": 1");
        QTest::newRow("no version") << noVersion << "形式の版がありません";
        QByteArray textVersion = good;
        textVersion.replace("\"version\": 1", "\"version\": \"1\"");
        QTest::newRow("version as text") << textVersion << "形式の版がありません";
        QByteArray noSettings = good;
        noSettings.replace("\"settings\"", "\"setting\"");
        QTest::newRow("no settings") << noSettings << "設定がありません";
        QTest::newRow("too large") << QByteArray(kMaxBackupFileBytes + 1, ' ') << "大きすぎます";
    }
    void damagedFilesAreReported() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileProblem);
        const BackupFile file = parseBackupFile(bytes);
        QVERIFY2(file.problem.contains(fileProblem), qPrintable(file.problem));
        TestRig rig;
        const RestorePlan plan = planRestore(rig.controls(), file);
        for (const RestoreRow& row : plan.rows) {
            QCOMPARE(row.problem, file.problem);
            QVERIFY(!row.writable() && !row.ticked);
        }
    }

    // Entries edited by hand concern their own rows only.
    void editedEntriesConcernTheirRows() {
        TestRig rig;
        fillAwkwardValues(rig.controls());
        QByteArray bytes = backupFileBytes(sampleBackup(rig.controls()));
        bytes.replace("\"Text1(0)\": \"800\"", "\"Text1(0)\": 800");
        bytes.replace("\"Text1(3)\": \"\",\n", "");
        bytes.replace("\"Text1(5)\": \"+139*45\"",
                      "\"Text1(5)\": \"+139*45\", \"Text1(999)\": \"x\"");
        const BackupFile file = parseBackupFile(bytes);
        QCOMPARE(file.problem, QString());
        QVERIFY(file.badValues.value("Text1(0)").contains("文字列ではありません"));
        QVERIFY(!file.backup.values.contains("Text1(3)"));
        QCOMPARE(file.unknownKeys, QStringList{"Text1(999)"});
        QCOMPARE(file.backup.values.value("Text1(5)"), QStringLiteral("+139*45"));
    }

    // "設定保存…": the dialog offers a name with the date, the file holds every setting and the
    // header, and only its owner may read it, also when it replaces a file others could read.
    void savesThroughTheDialog() {
        TestRig rig;
        fillAwkwardValues(rig.controls());
        const QString path = rig.settingsFile("backup.json");
        QVERIFY(saveFileAtomically(path, "old"));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther);
        rig.files.answers = {path};
        saveSettingsBackup(*rig.form);

        QCOMPARE(rig.log.of("file"), QStringList{"save QuorvelX-settings-2024-03-05-0907.json"});
        const BackupFile file = parseBackupFile(readWholeFile(path).value());
        QCOMPARE(file.problem, QString());
        QCOMPARE(file.backup.values, sampleBackup(rig.controls()).values);
        QCOMPARE(file.backup.saved, QStringLiteral("2024-03-05 09:07:05"));
        QCOMPARE(file.backup.tool, QStringLiteral("QuorvelX ｾｯﾃｲ ver10.3.2"));
        QCOMPARE(file.backup.link, QStringLiteral("serial COM10"));
        const QFileDevice::Permissions permissions = QFile::permissions(path);
        QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(permissions & othersAndGroup(), QFileDevice::Permissions());
        QCOMPARE(rig.controls().mark("Command80"), QString());
    }

    void namesTheLanLink() {
        TestRig rig;
        rig.controls().setChecked("Option8", true);
        rig.controls().setText("Text13", " 10.0.0.7 ");
        const QString path = rig.settingsFile("lan.json");
        rig.files.answers = {path};
        saveSettingsBackup(*rig.form);
        QCOMPARE(parseBackupFile(readWholeFile(path).value()).backup.link,
                 QStringLiteral("LAN 10.0.0.7"));
    }

    // Cancelling the dialog writes nothing; a file that cannot be written marks the button, and
    // the next good save takes the mark away.
    void cancelledOrFailedSaves() {
        TestRig rig;
        saveSettingsBackup(*rig.form);
        QCOMPARE(QDir(rig.settingsDir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(rig.controls().mark("Command80"), QString());

        const QString unwritable = rig.settingsFile("no-such-folder/backup.json");
        rig.files.answers = {unwritable};
        saveSettingsBackup(*rig.form);
        QVERIFY(rig.controls().mark("Command80").contains(unwritable));

        rig.files.answers = {rig.settingsFile("backup.json")};
        saveSettingsBackup(*rig.form);
        QCOMPARE(rig.controls().mark("Command80"), QString());
    }

    // The buttons are offered by a completed read, and withdrawn by the next read's start and by
    // a disconnect; a serial port that does not open completes no read.
    void offeredAfterACompletedRead() {
        TestRig rig;
        rig.attachSimulator();
        using Buttons = QPair<bool, bool>;
        auto buttons = [&rig] {
            return Buttons(rig.controls().enabled("Command80"),
                           rig.controls().enabled("Command81"));
        };
        QCOMPARE(buttons(), Buttons(false, false));
        rig.form->Command11_Click();
        QCOMPARE(buttons(), Buttons(true, true));
        rig.form->Command12_Click();
        QCOMPARE(buttons(), Buttons(false, false));

        rig.serial.availablePorts.clear();
        rig.form->Command11_Click();
        QCOMPARE(buttons(), Buttons(false, false));

        rig.controls().setChecked("Option8", true);
        rig.pinger.status = 0;
        rig.form->Command61_Click();
        QCOMPARE(buttons(), Buttons(true, true));
    }
};

QTEST_GUILESS_MAIN(SettingsBackupTest)
#include "tst_settings_backup.moc"
