#include <QtTest>

#include "fakes/TestRig.h"
#include "shell/SettingsFiles.h"

using namespace qx;
using namespace qx::test;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class SettingsFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formats() {
        QCOMPARE(commFileBytes(true), QByteArray(" 9 "));
        QCOMPARE(commFileBytes(false), QByteArray(" 10 "));
        QCOMPARE(siriFileBytes(3), QByteArray(" 3 \r\n"));
        QCOMPARE(lanipFileBytes(QStringLiteral(" 192.168.1.5 ")),
                 QByteArray("\" 192.168.1.5 \"\r\n"));
    }

    void firstField_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("field");  // "<none>" when nothing can be read
        QTest::newRow("number") << QByteArray(" 10 ") << "10";
        QTest::newRow("quoted keeps blanks") << QByteArray("\" 1.2.3.4 \"\r\n") << " 1.2.3.4 ";
        QTest::newRow("to comma") << QByteArray("ab,cd") << "ab";
        QTest::newRow("to line end") << QByteArray("  4 \r\n7") << "4";
        QTest::newRow("unclosed quote") << QByteArray("\"abc") << "abc";
        QTest::newRow("empty") << QByteArray() << "<none>";
        QTest::newRow("blanks") << QByteArray("   ") << "<none>";
    }
    void firstField() {
        QFETCH(QByteArray, content);
        QFETCH(QString, field);
        const std::optional<QString> f = qx::firstField(content);
        QCOMPARE(f ? *f : QStringLiteral("<none>"), field);
    }

    // Saving through the window writes exactly these bytes, and loading them gives back the state.
    void roundTripThroughTheWindow() {
        TestRig rig;
        rig.controls().setText("Text13", " 10.0.0.7 ");
        rig.form->Option8_Click();
        QCOMPARE(readBytes(rig.settingsFile(kCommFile)), QByteArray(" 9 "));
        QCOMPARE(readBytes(rig.settingsFile(kLanipFile)), QByteArray("\" 10.0.0.7 \"\r\n"));
        rig.controls().setText("Combo1", "COM4");
        rig.form->Combo1_LostFocus();
        QCOMPARE(readBytes(rig.settingsFile(kSiriFile)), QByteArray(" 4 \r\n"));
        QCOMPARE(rig.log.of("beep").size(), 1);

        TestRig next;
        for (const char* name : {kCommFile, kLanipFile, kSiriFile})
            writeBytes(next.settingsFile(name), readBytes(rig.settingsFile(name)));
        next.form->Form_Load();
        QCOMPARE(next.controls().text("Text13"), QStringLiteral("10.0.0.7"));
        QVERIFY(next.controls().checked("Option8"));
        QVERIFY(next.controls().visible("Command61"));
        QVERIFY(!next.controls().visible("Command11"));
        QCOMPARE(next.serial.portNumber(), 4);
        QCOMPARE(next.controls().text("Combo1"), QStringLiteral("COM4"));
        // Choosing the LAN at start-up pings the saved address; the stand-in ping fails.
        QCOMPARE(next.log.of("ping"), QStringList{"10.0.0.7"});
        QCOMPARE(next.controls().text("Command60"), QStringLiteral("NG"));
        QCOMPARE(next.log.of("sound"), QStringList{"IPno.mp3"});
    }

    void linkChoiceFile_data() {
        QTest::addColumn<QByteArray>("content");  // "<missing>": no file
        QTest::addColumn<bool>("lan");
        QTest::newRow("19 has a 9") << QByteArray(" 19 ") << true;
        QTest::newRow("text with 9") << QByteArray("x9y") << true;
        QTest::newRow("serial") << QByteArray(" 10 ") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("missing") << QByteArray("<missing>") << false;
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x01") << false;
    }
    void linkChoiceFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, lan);
        TestRig rig;
        if (content != "<missing>") writeBytes(rig.settingsFile(kCommFile), content);
        rig.form->Form_Load();
        QCOMPARE(rig.controls().checked("Option8"), lan);
        QCOMPARE(rig.controls().visible("Combo1"), !lan);
        QCOMPARE(rig.controls().visible("Text13"), lan);
        QVERIFY(rig.log.of("message").isEmpty());
    }

    void portFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("combo");
        QTest::newRow("4") << QByteArray(" 4 \r\n") << 4 << "COM4";
        QTest::newRow("refused number") << QByteArray(" 42 \r\n") << 10 << "COM10";
        QTest::newRow("garbage") << QByteArray("abc") << 10 << "COM10";
        QTest::newRow("empty") << QByteArray() << 10 << "COM10";
    }
    void portFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        QFETCH(QString, combo);
        TestRig rig;
        writeBytes(rig.settingsFile(kSiriFile), content);
        rig.form->Form_Load();
        QCOMPARE(rig.serial.portNumber(), port);
        QCOMPARE(rig.controls().text("Combo1"), combo);
    }

    void portChoice_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("COM3") << "COM3" << 3;
        QTest::newRow("COM19") << "COM19" << 19;
        QTest::newRow("lower case") << "com3" << 10;
        QTest::newRow("beyond the list") << "COM20" << 10;
    }
    void portChoice() {
        QFETCH(QString, text);
        QFETCH(int, port);
        TestRig rig;
        rig.controls().setText("Combo1", text);
        rig.form->Combo1_LostFocus();
        QCOMPARE(rig.serial.portNumber(), port);
        QCOMPARE(readBytes(rig.settingsFile(kSiriFile)),
                 siriFileBytes(port));  // saved in every case
    }

    void missingAddressKeepsDesignText() {
        TestRig rig;
        rig.form->Form_Load();
        QCOMPARE(rig.controls().text("Text13"), QStringLiteral("192.168.1.1"));
    }

    // A folder that cannot take files: saving fails silently and the window keeps its choice.
    void unwritableFolder() {
        TestRig rig;
        QTemporaryFile blocker;
        QVERIFY(blocker.open());
        rig.folders.settings = blocker.fileName() + QStringLiteral("/sub");  // under a plain file
        rig.form->Option8_Click();
        rig.controls().setText("Combo1", "COM5");
        rig.form->Combo1_LostFocus();
        QVERIFY(rig.controls().checked("Option8"));
        QCOMPARE(rig.serial.portNumber(), 5);
        QVERIFY(rig.log.of("message").isEmpty());
    }

    // A save that cannot complete leaves the previous file whole.
    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("comm.DAT"));
        QVERIFY(saveFileAtomically(path, commFileBytes(true)));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const bool saved = saveFileAtomically(path, commFileBytes(false));
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (saved) QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(readBytes(path), QByteArray(" 9 "));
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "tst_settings_files.moc"
