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

std::optional<QString> QtFileDialogs::chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtFileDialogs::saveFileName(const QString& title,
                                                   const QString& suggestedName,
                                                   const QString& filter) {
    return chosen(QFileDialog::getSaveFileName(
        QApplication::activeWindow(), title, QDir(startFolder()).filePath(suggestedName), filter));
}

std::optional<QString> QtFileDialogs::openFileName(const QString& title, const QString& filter) {
    return chosen(
        QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder(), filter));
}

}  // namespace qx
