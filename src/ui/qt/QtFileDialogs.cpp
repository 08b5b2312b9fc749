#include "ui/qt/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace qx {

QString QtFileDialogs::startFolder() const {
    if (!lastFolder_.isEmpty()) return lastFolder_;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::optional<QString> QtFileDialogs::chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtFileDialogs::saveFileName(const QString& title,
                                                   const QString& suggestedName,
                                                   const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title,
                       QDir(startFolder()).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets the suggested one, before the dialog asks whether to
    // replace a file of that name.
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    return chosen(dialog);
}

std::optional<QString> QtFileDialogs::openFileName(const QString& title, const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title, startFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

}  // namespace qx
