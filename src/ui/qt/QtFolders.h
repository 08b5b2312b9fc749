#pragma once

#include <QProcessEnvironment>
#include <optional>

#include "ui/platform/Folders.h"

namespace qx {

// Where the tool keeps its files.
// Settings: the folder named by QUORVELX_HOME (created when missing); else the program's own
// folder when files can be created there; else the user's configuration folder for the
// application (created). The choice is made once, at the first call.
// Sounds: the program's own folder, or the folder named by QUORVELX_SOUNDS.
class QtFolders : public Folders {
public:
    // programDir empty: the folder of the running program.
    explicit QtFolders(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
                       QString programDir = {});

    QString settingsFolder() const override;
    QString programFolder() const override;

private:
    QString programDir() const;
    QString chooseSettingsFolder() const;

    QProcessEnvironment environment_;
    QString programDir_;
    mutable std::optional<QString> settingsFolder_;
};

}  // namespace qx
