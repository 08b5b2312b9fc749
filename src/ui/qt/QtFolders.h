#pragma once

#include <QProcessEnvironment>
#include <optional>

#include "ui/platform/Folders.h"

namespace qx {

// Where the tool keeps its files.
// An installed program (cmake --install, the Debian package) lives in <prefix>/bin with its data
// in <prefix>/share/quorvelx; a program in a build tree or a portable copy has its files beside
// it.
// Settings: the folder named by QUORVELX_HOME (created when missing); else, for an installed
// program, the user's configuration folder for the application (created), even when the program
// folder is writable (root); else the program's own folder when files can be created there; else
// the user's configuration folder. The choice is made once, at the first call.
// Sounds: the folder named by QUORVELX_SOUNDS; else <prefix>/share/quorvelx/sounds for an
// installed program; else the program's own folder.
class QtFolders : public Folders {
public:
    // programDir empty: the folder of the running program.
    explicit QtFolders(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
                       QString programDir = {});

    QString settingsFolder() const override;
    QString programFolder() const override;

private:
    QString programDir() const;
    // <prefix>/share/quorvelx of an installed program; empty for any other.
    QString installedDataDir() const;
    QString chooseSettingsFolder() const;

    QProcessEnvironment environment_;
    QString programDir_;
    mutable std::optional<QString> settingsFolder_;
};

}  // namespace qx
