// One sound channel: a new sound replaces the one playing.
#pragma once

#include <string>

namespace platform {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays a WAVE file once or looping. A machine without sound plays nothing and fails nothing.
    virtual void Play(const std::string& wavePath, bool loop) = 0;
    virtual void Stop() = 0;
};

}  // namespace platform
