#include "ui/qt/QtSound.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace qx {

struct QtSound::Player {
    explicit Player(const QString& filePath) {
        media.setAudioOutput(&output);
        media.setSource(QUrl::fromLocalFile(filePath));
    }

    QAudioOutput output;
    QMediaPlayer media;
};

QtSound::QtSound() = default;

QtSound::~QtSound() = default;

void QtSound::play(const QString& filePath) {
    if (!QFileInfo(filePath).isFile()) {
        return;
    }
    QMediaPlayer& media = playerFor(filePath).media;
    media.stop();
    media.setPosition(0);
    media.play();
}

void QtSound::prepare(const QString& filePath) {
    if (QFileInfo(filePath).isFile()) playerFor(filePath);
}

QtSound::Player& QtSound::playerFor(const QString& filePath) {
    std::unique_ptr<Player>& player = players_[filePath];
    if (!player) {
        player = std::make_unique<Player>(filePath);
    }
    return *player;
}

const QMediaPlayer* QtSound::playerOf(const QString& filePath) const {
    const auto found = players_.find(filePath);
    return found == players_.end() ? nullptr : &found->second->media;
}

void QtSound::beep() {
    QApplication::beep();
}

}  // namespace qx
