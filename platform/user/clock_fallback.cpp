// The live device clock for the windowing area while the kernel's clock is not linked in; the kernel's
// definitions replace these (they are weak).
#include <chrono>

#include "kernel/clock.h"

namespace platform {

[[gnu::weak]] std::int64_t ClockNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

[[gnu::weak]] bool ClockFrozen() { return false; }

[[gnu::weak]] void AddClockListener(ClockListener) {}

}  // namespace platform
