// The game's one sound channel on Qt Multimedia.
#include "platform/qt/qt_sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace qtplatform {

QtSoundPlayer::QtSoundPlayer() : effect_(std::make_unique<QSoundEffect>()) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const std::string& wavePath, bool loop) {
    // One channel: a new sound cuts off the one playing.
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(wavePath)));
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // Before the file is loaded, play() waits for it; a file that fails to load never plays.
    effect_->play();
}

void QtSoundPlayer::Stop() {
    effect_->stop();
}

}  // namespace qtplatform
