#pragma once

#include <QString>

namespace qx {

class Folders {
public:
    virtual ~Folders() = default;
    // Where comm.DAT, lanip.DAT, siri.DAT and SetData.txt live.
    virtual QString settingsFolder() const = 0;
    // Where the sound files live (the program's own folder).
    virtual QString programFolder() const = 0;
};

}  // namespace qx
