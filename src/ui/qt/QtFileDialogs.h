#pragma once

#include "ui/platform/FileDialogs.h"

class QFileDialog;

namespace qx {

// QFileDialog over the active window. The first dialog starts in the user's documents folder;
// later ones start where the last file was chosen.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> saveFileName(const QString& title, const QString& suggestedName,
                                        const QString& filter) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;

private:
    QString startFolder() const;
    // The file the operator chose in the dialog, remembered as the next dialog's folder.
    std::optional<QString> chosen(QFileDialog& dialog);

    QString lastFolder_;
};

}  // namespace qx
