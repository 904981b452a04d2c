// The device clock behind GetTickCount, GetLocalTime, Sleep and timers, for the platform's areas.
// Live, it follows the machine's clocks; frozen (platform/testing.h), it moves only when advanced.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start, never going back; GetTickCount is its low 32 bits.
std::int64_t ClockNowMs();
bool ClockFrozen();

// Called after the frozen clock is frozen, advanced or thawed, on the thread that moved it, so
// that waiters (message queues with timers) can wake and look at the clock again.
using ClockListener = void (*)();
void AddClockListener(ClockListener listener);

}  // namespace platform
