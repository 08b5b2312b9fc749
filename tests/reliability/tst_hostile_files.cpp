// Settings files that the tool did not write: garbage, binary, huge, truncated and unreadable
// comm.DAT, lanip.DAT, siri.DAT and SetData.txt. Start-up and the preset load take the designed
// fallbacks, show no message, and read only the start of a file.

#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "fakes/TestRig.h"
#include "mount/UserPresetFile.h"
#include "shell/SettingsFiles.h"

using namespace qx;
using namespace qx::test;

namespace {

// What stands in place of a file.
enum class Hostile { Content, Folder, Pipe, NoPermission };

constexpr qint64 kHugeBytes = 100 * 1024 * 1024;

QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes += char(b);
    return bytes;
}

// Puts `content` (made `huge` by zeros after it, a sparse file) or a folder, a pipe or a file
// nobody may read where `name` is expected.
void plant(const TestRig& rig, const char* name, Hostile kind, const QByteArray& content,
           bool huge) {
    const QString path = rig.settingsFile(name);
    switch (kind) {
        case Hostile::Folder:
            QVERIFY(QDir().mkpath(path));
            return;
        case Hostile::Pipe:
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            return;
        case Hostile::Content:
        case Hostile::NoPermission: {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(content), content.size());
            if (huge) QVERIFY(f.resize(kHugeBytes));
            f.close();
            if (kind == Hostile::NoPermission) QVERIFY(f.setPermissions({}));
            return;
        }
    }
}

// Whether a file without read permission cannot be read (it can by root).
bool permissionsApply() {
    QTemporaryFile f;
    if (!f.open() || !f.setPermissions({})) return false;
    return !QFile(f.fileName()).open(QIODevice::ReadOnly);
}

void addHostileColumns() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("huge");
    QTest::addColumn<Hostile>("kind");
}

}  // namespace

Q_DECLARE_METATYPE(Hostile)

class HostileFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Start-up with one hostile file: the link choice, the address and the port it gives.
    void startUp_data() {
        QTest::addColumn<QByteArray>("file");
        addHostileColumns();
        QTest::addColumn<bool>("lan");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        const QString design = QStringLiteral("192.168.1.1");
        const QString com10 = QStringLiteral("COM10");
        const auto row = [](const char* name, const char* file) -> QTestData& {
            return QTest::newRow(name) << QByteArray(file);
        };
        const auto content = Hostile::Content;
        // comm.DAT: a "9" anywhere in the first field chooses the LAN.
        row("comm garbage", kCommFile)
            << QByteArray("x;\x7f\x80zz") << false << content << false << design << com10;
        row("comm binary", kCommFile)
            << everyByte() << false << content << false << design << com10;
        row("comm huge", kCommFile) << QByteArray() << true << content << false << design << com10;
        row("comm huge after a field", kCommFile)
            << QByteArray(" 9 \r\n") << true << content << true << design << com10;
        row("comm huge, one long field", kCommFile)
            << QByteArray(" 1") << true << content << false << design << com10;
        row("comm truncated", kCommFile)
            << QByteArray(" ") << false << content << false << design << com10;
        row("comm folder", kCommFile)
            << QByteArray() << false << Hostile::Folder << false << design << com10;
        row("comm pipe", kCommFile)
            << QByteArray() << false << Hostile::Pipe << false << design << com10;
        row("comm unreadable", kCommFile)
            << QByteArray(" 9 ") << false << Hostile::NoPermission << false << design << com10;
        // lanip.DAT: the first field, trimmed.
        row("lanip garbage", kLanipFile) << QByteArray("zz\x01 ,10.0.0.1") << false << content
                                         << false << QStringLiteral("zz\x01") << com10;
        row("lanip huge", kLanipFile)
            << QByteArray() << true << content << false << design << com10;
        row("lanip huge after a field", kLanipFile)
            << QByteArray("\"10.1.2.3\"\r\n") << true << content << false
            << QStringLiteral("10.1.2.3") << com10;
        row("lanip huge, quote not closed", kLanipFile)
            << QByteArray("\"10.1.2.3") << true << content << false << design << com10;
        row("lanip truncated", kLanipFile)
            << QByteArray("\"10.1") << false << content << false << QStringLiteral("10.1") << com10;
        row("lanip folder", kLanipFile)
            << QByteArray() << false << Hostile::Folder << false << design << com10;
        row("lanip pipe", kLanipFile)
            << QByteArray() << false << Hostile::Pipe << false << design << com10;
        row("lanip unreadable", kLanipFile) << QByteArray("\"10.1.2.3\"\r\n") << false
                                            << Hostile::NoPermission << false << design << com10;
        // siri.DAT: a port number 1..19.
        row("siri garbage", kSiriFile)
            << QByteArray("COM3\r\n") << false << content << false << design << com10;
        row("siri binary", kSiriFile)
            << everyByte() << false << content << false << design << com10;
        row("siri out of range", kSiriFile)
            << QByteArray(" 70000 \r\n") << false << content << false << design << com10;
        row("siri huge", kSiriFile) << QByteArray() << true << content << false << design << com10;
        row("siri huge after a field", kSiriFile) << QByteArray(" 4 \r\n") << true << content
                                                  << false << design << QStringLiteral("COM4");
        row("siri truncated", kSiriFile)
            << QByteArray(" ") << false << content << false << design << com10;
        row("siri folder", kSiriFile)
            << QByteArray() << false << Hostile::Folder << false << design << com10;
        row("siri pipe", kSiriFile)
            << QByteArray() << false << Hostile::Pipe << false << design << com10;
        row("siri unreadable", kSiriFile)
            << QByteArray(" 4 \r\n") << false << Hostile::NoPermission << false << design << com10;
    }
    void startUp() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, huge);
        QFETCH(Hostile, kind);
        QFETCH(bool, lan);
        QFETCH(QString, address);
        QFETCH(QString, port);
        if (kind == Hostile::NoPermission && !permissionsApply())
            QSKIP("running with rights that ignore file permissions");
        TestRig rig;
        plant(rig, file.constData(), kind, content, huge);
        rig.form->Form_Load();
        QCOMPARE(rig.controls().checked("Option8"), lan);
        QCOMPARE(rig.controls().visible("Combo1"), !lan);
        QCOMPARE(rig.controls().text("Text13"), address);
        QCOMPARE(rig.controls().text("Combo1"), port);
        QVERIFY(rig.log.of("message").isEmpty());
    }

    // Loading the user preset ("USER", or the family "その他"): a file that cannot give eleven
    // fields changes nothing.
    void presetLoad_data() {
        addHostileColumns();
        QTest::addColumn<bool>("loads");
        const QByteArray valid =
            userPresetBytes({"200", "8", "3", "240", "200", "8", "3", "144", "200", "1", "0"});
        QTest::newRow("garbage") << QByteArray("\x1b[2J\x7f,;") << false << Hostile::Content
                                 << false;
        QTest::newRow("binary") << everyByte() << false << Hostile::Content << false;
        QTest::newRow("huge") << QByteArray() << true << Hostile::Content << false;
        QTest::newRow("huge after the items") << valid << true << Hostile::Content << true;
        QTest::newRow("truncated")
            << valid.left(valid.size() / 2) << false << Hostile::Content << false;
        QTest::newRow("folder") << QByteArray() << false << Hostile::Folder << false;
        QTest::newRow("pipe") << QByteArray() << false << Hostile::Pipe << false;
        QTest::newRow("unreadable") << valid << false << Hostile::NoPermission << false;
    }
    void presetLoad() {
        QFETCH(QByteArray, content);
        QFETCH(bool, huge);
        QFETCH(Hostile, kind);
        QFETCH(bool, loads);
        if (kind == Hostile::NoPermission && !permissionsApply())
            QSKIP("running with rights that ignore file permissions");
        TestRig rig;
        Controls& c = rig.controls();
        const QStringList gear{"Text2", "Text3", "Text4", "Text5",
                               "Text6", "Text7", "Text8", "Text9"};
        for (const QString& f : gear) c.setText(f, "before");
        plant(rig, kSetDataFile, kind, content, huge);
        Load_Set(*rig.form);
        QCOMPARE(c.text("Text5"), loads ? QStringLiteral("240") : QStringLiteral("before"));
        QCOMPARE(c.text("Text9"), loads ? QStringLiteral("144") : QStringLiteral("before"));
        QVERIFY(rig.log.of("message").isEmpty());
    }

    // A save killed between writing its temporary file and putting it in place leaves that file
    // behind; the next start removes it, and nothing else.
    void leftoversOfKilledSavesGoAtStartUp() {
        TestRig rig;
        const QStringList leftovers{"comm.DAT.Ab12Cd", "lanip.DAT.zzzzzz", "siri.DAT.000000",
                                    "SetData.txt.Q1w2E3"};
        const QStringList kept{"comm.DAT", "comm.DAT.keep", "comm.DAT.Ab12Cd7", "other.DAT.Ab12Cd",
                               "lanip.DAT.a-b_cd"};
        for (const QString& name : leftovers + kept) {
            QFile f(rig.settingsFile(name.toLatin1().constData()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(" 10 ");
        }
        rig.form->Form_Load();
        QDir dir(rig.settingsDir.path());
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expected);
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "tst_hostile_files.moc"
