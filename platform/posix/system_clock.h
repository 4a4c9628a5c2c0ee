// The system's wall clock and monotonic tick count.
#pragma once

#include "platform/clock.h"

namespace posix {

class SystemClock : public platform::Clock {
  public:
    std::int64_t Now() const override;
    std::uint64_t TickMs() const override;
};

}  // namespace posix
