#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace qx::test {

// The next file dialog to come up is answered as the operator does: `path` typed into its name
// box, then Enter; again while the dialog stays up (one still reading its folder may not take
// the name yet). `seen` is shown the dialog first, as it came up. An empty path presses Escape.
inline void answerFileDialog(const QString& path,
                             std::function<void(QFileDialog& dialog, QLineEdit& name)> seen = {}) {
    QTimer::singleShot(50, [path, seen] {
        QPointer<QFileDialog> dialog =
            qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name =
            dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name) {
            answerFileDialog(path, seen);
            return;
        }
        if (seen) seen(*dialog, *name);
        if (path.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        }
        if (dialog && QApplication::activeModalWidget() == dialog) answerFileDialog(path);
    });
}

}  // namespace qx::test
