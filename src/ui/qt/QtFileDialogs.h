#pragma once

#include "ui/platform/FileDialogs.h"

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
    std::optional<QString> chosen(const QString& path);

    QString lastFolder_;
};

}  // namespace qx
