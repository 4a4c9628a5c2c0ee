// The one random source of the game: every draw that changes a game comes from here, so a seed
// replays a game exactly.
#pragma once

#include <cstdint>

namespace platform {

class Random {
  public:
    static constexpr int kMax = 32767;

    explicit Random(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    // 0..32767, the range of the C library's rand().
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }
    std::uint32_t State() const { return state_; }

  private:
    std::uint32_t state_;
};

}  // namespace platform
