// A clock that tests set and advance by hand.
#pragma once

#include "platform/clock.h"

namespace headless {

class ManualClock : public platform::Clock {
  public:
    std::int64_t Now() const override { return now_; }
    std::uint64_t TickMs() const override { return tickMs_; }
    void Set(std::int64_t now) { now_ = now; }
    void Advance(std::uint64_t ms) {
        tickMs_ += ms;
        now_ += static_cast<std::int64_t>(ms / 1000);
    }

  private:
    std::int64_t now_ = 1'700'000'000;
    std::uint64_t tickMs_ = 0;
};

}  // namespace headless
