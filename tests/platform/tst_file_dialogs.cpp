// The file dialogs of the Qt platform: the name they suggest, the ending they add, the folder
// they remember, and cancelling.

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/qt/QtFileDialogs.h"

using namespace qx;

namespace {

// Once the dialog is up, `answer` does what the operator would.
void whenShown(std::function<void(QFileDialog*)> answer) {
    QTimer::singleShot(10, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            whenShown(answer);
            return;
        }
        answer(dialog);
    });
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savingAddsTheEndingAndRemembersTheFolder() {
        QTemporaryDir folder;
        QtFileDialogs dialogs;
        QString suggested;
        whenShown([&](QFileDialog* dialog) {
            suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->setDirectory(folder.path());
            dialog->selectFile(QStringLiteral("mine"));
            static_cast<QDialog*>(dialog)->accept();  // the "Save" or "Open" button
        });
        const std::optional<QString> saved = dialogs.saveFileName(
            "設定保存", "QuorvelX-settings-2024-03-05-0907.json", "設定ファイル (*.json)");
        QCOMPARE(suggested, QStringLiteral("QuorvelX-settings-2024-03-05-0907.json"));
        QCOMPARE(saved, std::optional<QString>(QDir(folder.path()).filePath("mine.json")));

        QFile file(*saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString startedIn;
        whenShown([&](QFileDialog* dialog) {
            startedIn = dialog->directory().path();
            dialog->selectFile(*saved);
            static_cast<QDialog*>(dialog)->accept();  // the "Save" or "Open" button
        });
        QCOMPARE(dialogs.openFileName("設定復元", "設定ファイル (*.json)"), saved);
        QCOMPARE(QDir(startedIn), QDir(folder.path()));
    }

    void cancellingGivesNothing() {
        QtFileDialogs dialogs;
        whenShown([](QFileDialog* dialog) { dialog->reject(); });
        QCOMPARE(dialogs.openFileName("設定復元", "設定ファイル (*.json)"), std::nullopt);
        whenShown([](QFileDialog* dialog) { dialog->reject(); });
        QCOMPARE(dialogs.saveFileName("設定保存", "a.json", "設定ファイル (*.json)"), std::nullopt);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "tst_file_dialogs.moc"
