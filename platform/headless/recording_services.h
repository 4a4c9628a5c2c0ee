// Sound and shell services that record what the game asked of them.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/sound.h"

namespace headless {

class RecordingSound : public platform::SoundPlayer {
  public:
    struct Played {
        std::string wavePath;
        bool loop;
        bool operator==(const Played&) const = default;
    };
    void Play(const std::string& wavePath, bool loop) override {
        played.push_back({wavePath, loop});
    }
    void Stop() override { ++stops; }

    std::vector<Played> played;
    int stops = 0;
};

class RecordingShell : public platform::Shell {
  public:
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return succeeds;
    }
    bool OpenMail(const std::string& mailtoLink) override {
        mails.push_back(mailtoLink);
        return succeeds;
    }

    std::vector<std::string> urls;
    std::vector<std::string> mails;
    bool succeeds = true;  // what both operations answer
};

}  // namespace headless
