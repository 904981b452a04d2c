// The test API's frozen clock: tests set the local time, then move it forward by hand.
#include "kernel/calendar.h"
#include "kernel/clock.h"
#include "kernel/clock_control.h"
#include "platform/testing.h"

namespace platform::testing {

void FreezeClock(const SYSTEMTIME& localTime) { FreezeClockAt(MsOfSystemTime(localTime)); }

void AdvanceClock(DWORD milliseconds) { AdvanceFrozenClock(milliseconds); }

void ThawClock() { ThawFrozenClock(); }

bool ClockIsFrozen() { return ClockFrozen(); }

}  // namespace platform::testing
