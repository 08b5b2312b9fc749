// The file dialogs of the Qt platform: the name they suggest, the ending they add, the folder
// they remember, and cancelling.

#include <QTemporaryDir>
#include <QtTest>

#include "platform/AnswerFileDialog.h"
#include "ui/qt/QtFileDialogs.h"

using namespace qx;
using namespace qx::test;

class FileDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savingAddsTheEndingAndRemembersTheFolder() {
        QTemporaryDir folder;
        QtFileDialogs dialogs;
        QString offered;
        answerFileDialog(QDir(folder.path()).filePath("mine"),
                         [&offered](QFileDialog&, QLineEdit& name) { offered = name.text(); });
        const std::optional<QString> saved = dialogs.saveFileName(
            "設定保存", "QuorvelX-settings-2024-03-05-0907.json", "設定ファイル (*.json)");
        QCOMPARE(offered, QStringLiteral("QuorvelX-settings-2024-03-05-0907.json"));
        QCOMPARE(saved, std::optional<QString>(QDir(folder.path()).filePath("mine.json")));

        QFile file(*saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString startedIn;
        // A bare name: the file of that name in the folder the dialog starts in.
        answerFileDialog("mine.json", [&startedIn](QFileDialog& dialog, QLineEdit&) {
            startedIn = dialog.directory().path();
        });
        QCOMPARE(dialogs.openFileName("設定復元", "設定ファイル (*.json)"), saved);
        QCOMPARE(QDir(startedIn), QDir(folder.path()));
    }

    void cancellingGivesNothing() {
        QtFileDialogs dialogs;
        answerFileDialog(QString());
        QCOMPARE(dialogs.openFileName("設定復元", "設定ファイル (*.json)"), std::nullopt);
        answerFileDialog(QString());
        QCOMPARE(dialogs.saveFileName("設定保存", "a.json", "設定ファイル (*.json)"), std::nullopt);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "tst_file_dialogs.moc"
