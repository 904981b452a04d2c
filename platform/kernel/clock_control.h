// The frozen clock's controls, for the test API (platform/testing.h) and SetLocalTime, and the
// current moment as the time calls read it.
#pragma once

#include <cstdint>

namespace platform {

// Local wall time and UTC now, in milliseconds since 1 January 1601.
std::int64_t CurrentLocalMs();
std::int64_t CurrentUtcMs();

// Freezes the clock at a local wall time (or moves a frozen one there); the tick count stays where it is.
void FreezeClockAt(std::int64_t localMs);
// Moves a frozen clock's local time and tick count forward; false when the clock is live.
bool AdvanceFrozenClock(std::int64_t milliseconds);
// Sets a frozen clock's local time without moving its ticks; false when the clock is live.
bool SetFrozenLocalTime(std::int64_t localMs);
void ThawFrozenClock();

}  // namespace platform
