// Backup and restore through the real window, its real file dialogs and a pseudo-terminal,
// against the simulator program: "接続", "設定保存…" to a file, the file edited, "設定復元…" and
// "書き込み". The simulator accepts ":PE…#" but keeps its value.

#include <QAbstractButton>
#include <QTableWidget>
#include <QtTest>

#include "Program.h"
#include "SimulatorProcess.h"
#include "platform/AnswerFileDialog.h"
#include "shell/SettingsFiles.h"
#include "ui/window/SettingsRestoreWindow.h"

using namespace qx;
using qx::test::answerFileDialog;

namespace {

QString resultOf(const SettingsRestoreWindow& restore, const char* control) {
    for (int row = 0; row < int(restore.plan().rows.size()); ++row)
        if (qstrcmp(restore.plan().rows[row].setting->control, control) == 0)
            return restore.table()->item(row, SettingsRestoreWindow::Result)->text();
    return {};
}

}  // namespace

class BackupRestoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void backupEditRestore() {
        SimulatorProcess sim(
            {QStringLiteral("--no-tcp"), QStringLiteral("--fault"), QStringLiteral(":PE=ignore")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;
        QVERIFY(program.click(QStringLiteral("Command11")));  // returns when the read has ended

        const QString path = QDir(program.home.path()).filePath(QStringLiteral("backup.json"));
        answerFileDialog(path);
        QVERIFY(program.click(QStringLiteral("Command80")));
        QByteArray bytes = readWholeFile(path).value();
        qInfo("backup file: %lld bytes, %lld lines", qint64(bytes.size()),
              qint64(bytes.count('\n')));
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        bytes.replace("\"Text1(0)\": \"800\"", "\"Text1(0)\": \"700\"");
        bytes.replace("\"Text1(4)\": \"32000\"", "\"Text1(4)\": \"31000\"");
        QVERIFY(saveFileAtomically(path, bytes));

        answerFileDialog(path);
        QVERIFY(program.click(QStringLiteral("Command81")));
        auto* restore = program.window->findChild<SettingsRestoreWindow*>();
        QVERIFY(restore);
        const qsizetype before = sim.received().size();
        QAbstractButton* write = nullptr;
        for (QAbstractButton* b : restore->findChildren<QAbstractButton*>())
            if (b->text() == QStringLiteral("書き込み")) write = b;
        QVERIFY(write && write->isEnabled());
        QElapsedTimer elapsed;
        elapsed.start();
        write->click();  // returns when the restore has ended
        qInfo("restore of 2 settings took %lld ms", elapsed.elapsed());

        QTRY_COMPARE_WITH_TIMEOUT(sim.received().size(), before + 4, 3000);
        const QList<SimulatorProcess::Received> received = sim.received().mid(before);
        QStringList commands;
        for (const auto& r : received) commands << r.command;
        QCOMPARE(commands, (QStringList{":PA700#", ":PE31000#", ":GXE1#", ":GXEE#"}));
        for (int i = 1; i < received.size(); ++i) {
            const qint64 gap = received[i].atMs - received[i - 1].atMs;
            QVERIFY2(gap >= 480 && gap < 800, qPrintable(QString::number(gap)));
        }
        QCOMPARE(resultOf(*restore, "Text1(0)"), QStringLiteral("確認済み"));
        QCOMPARE(resultOf(*restore, "Text1(4)"),
                 QStringLiteral("確認できません: 「32000」が返りました"));
        QCOMPARE(program.text(QStringLiteral("Text1(0)")), QStringLiteral("700"));
    }
};

QTEST_MAIN(BackupRestoreTest)
#include "tst_e2e_backup_restore.moc"
