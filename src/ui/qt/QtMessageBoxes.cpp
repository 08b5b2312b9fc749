#include "ui/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qx {

MessageBoxes::Answer QtMessageBoxes::show(const QString& text, const QString& title,
                                          Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    if (buttons == Buttons::OkCancel) {
        // Escape and the title bar's close button both press Cancel.
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    }
    box.exec();
    return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

}  // namespace qx
