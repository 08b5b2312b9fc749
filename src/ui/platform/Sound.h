#pragma once

#include <QString>

namespace qx {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a sound file in the background and returns at once; a second call for the
    // same file restarts it. A missing or unplayable file plays nothing.
    virtual void play(const QString& filePath) = 0;
    // Gets ready to play the file, so that its first play starts at once. The first file
    // prepared (or played) starts the sound system, which takes a while.
    virtual void prepare(const QString& filePath) = 0;
    virtual void beep() = 0;  // the system beep
};

}  // namespace qx
