// The game's one sound channel on Qt Multimedia.
#pragma once

#include <memory>

#include "platform/sound.h"

class QSoundEffect;

namespace qtplatform {

class QtSoundPlayer : public platform::SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // A missing file or a machine without an audio device plays nothing and reports nothing.
    void Play(const std::string& wavePath, bool loop) override;
    void Stop() override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace qtplatform
