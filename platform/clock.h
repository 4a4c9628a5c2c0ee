// Wall-clock time for the game: the playing time and the dates in saved games and scores.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 UTC.
    virtual std::int64_t Now() const = 0;
    // A monotonic millisecond count, for measuring intervals.
    virtual std::uint64_t TickMs() const = 0;
};

}  // namespace platform
