#pragma once

#include <QString>
#include <map>
#include <memory>

#include "ui/platform/Sound.h"

class QAudioOutput;
class QMediaPlayer;

namespace qx {

// Sound files through Qt Multimedia. Each file gets its own player the first time it is prepared
// or played and keeps it, so that playing it again restarts it from the beginning, as a
// close-open-play of the file did. The first player starts the media framework (GStreamer, its
// plugins, the audio devices): about a tenth of a second, which is why the window prepares its
// first sound before any sequence needs it.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;

    void play(const QString& filePath) override;
    void prepare(const QString& filePath) override;
    void beep() override;

    // How many files have a player by now.
    int playerCount() const { return static_cast<int>(players_.size()); }
    // The player of a file that has been played, for tests; null before.
    const QMediaPlayer* playerOf(const QString& filePath) const;

private:
    struct Player;
    Player& playerFor(const QString& filePath);

    std::map<QString, std::unique_ptr<Player>> players_;
};

}  // namespace qx
