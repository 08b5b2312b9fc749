#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/qt/QtMessageBoxes.h"

using namespace qx;

Q_DECLARE_METATYPE(qx::MessageBoxes::Buttons)
Q_DECLARE_METATYPE(qx::MessageBoxes::Answer)

// What the operator does with the box.
enum class Reply { PressOk, PressCancel, CloseBox, PressEscape };
Q_DECLARE_METATYPE(Reply)

struct SeenBox {
    QString text, title;
    QStringList buttons;
    QWidget* parent = nullptr;
};

// Waits for the modal box, notes what it shows and answers it.
static void answerWhenShown(Reply reply, SeenBox& seen) {
    QTimer::singleShot(10, [reply, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerWhenShown(reply, seen);
            return;
        }
        seen = {box->text(), box->windowTitle(), {}, box->parentWidget()};
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        switch (reply) {
            case Reply::PressOk:
                box->button(QMessageBox::Ok)->click();
                break;
            case Reply::PressCancel:
                box->button(QMessageBox::Cancel)->click();
                break;
            case Reply::CloseBox:
                box->close();
                break;
            case Reply::PressEscape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
        }
    });
}

class MessageBoxesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data() {
        using B = MessageBoxes::Buttons;
        using A = MessageBoxes::Answer;
        QTest::addColumn<B>("buttons");
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<int>("buttonCount");
        QTest::addColumn<A>("answer");
        QTest::newRow("ok") << B::Ok << Reply::PressOk << 1 << A::Ok;
        QTest::newRow("ok of two") << B::OkCancel << Reply::PressOk << 2 << A::Ok;
        QTest::newRow("cancel") << B::OkCancel << Reply::PressCancel << 2 << A::Cancel;
        QTest::newRow("closed") << B::OkCancel << Reply::CloseBox << 2 << A::Cancel;
        QTest::newRow("escape") << B::OkCancel << Reply::PressEscape << 2 << A::Cancel;
    }
    void answers() {
        QFETCH(MessageBoxes::Buttons, buttons);
        QFETCH(Reply, reply);
        QFETCH(int, buttonCount);
        QFETCH(MessageBoxes::Answer, answer);
        QtMessageBoxes boxes;
        SeenBox seen;
        answerWhenShown(reply, seen);
        QCOMPARE(boxes.show("現在使用できるポートがありません。", "通信エラー", buttons), answer);
        QCOMPARE(seen.text, QStringLiteral("現在使用できるポートがありません。"));
        QCOMPARE(seen.title, QStringLiteral("通信エラー"));
        QCOMPARE(seen.buttons.size(), buttonCount);
    }

    void boxBelongsToTheActiveWindow() {
        QWidget window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QtMessageBoxes boxes;
        SeenBox seen;
        answerWhenShown(Reply::PressOk, seen);
        boxes.show("text", "title", MessageBoxes::Buttons::Ok);
        QCOMPARE(seen.parent, &window);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "tst_message_boxes.moc"
