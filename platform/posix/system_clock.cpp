// The system clock: time() for dates, the steady clock for intervals.
#include "platform/posix/system_clock.h"

#include <chrono>
#include <ctime>

namespace posix {

std::int64_t SystemClock::Now() const {
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::uint64_t SystemClock::TickMs() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace posix
