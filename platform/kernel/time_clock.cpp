// The device clock: the machine's clocks while live; a held local time and tick count while frozen.
//
// States: live -> frozen (FreezeClockAt) -> frozen (advanced, set) -> live (ThawFrozenClock).
//  1. Ticks never go back: freezing holds the tick count reached, advancing adds to it, and thawing
//     keeps an offset so the live count resumes from at least the frozen one.
//  2. Local time and ticks move together when a frozen clock is advanced.
//  3. Listeners are called after every change, without the clock's lock held, on the moving thread.
#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "kernel/calendar.h"
#include "kernel/clock.h"
#include "kernel/clock_control.h"
#include "platform/system.h"
#include "platform/time.h"

namespace platform {
namespace {

struct ClockState {
    std::mutex lock;
    bool frozen = false;
    std::int64_t frozenTicks = 0;
    std::int64_t frozenLocalMs = 0;
    std::int64_t liveTickOffset = 0;
};

ClockState& State() {
    static ClockState state;
    return state;
}

struct Listeners {
    std::mutex lock;
    std::vector<ClockListener> list;
};

Listeners& ListenerList() {
    static Listeners listeners;
    return listeners;
}

void NotifyListeners() {
    std::vector<ClockListener> copy;
    {
        Listeners& l = ListenerList();
        const std::lock_guard guard(l.lock);
        copy = l.list;
    }
    for (const ClockListener listener : copy) listener();
}

std::int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t RealtimeUtcMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() + kDays1601To1970 * kMsPerDay;
}

}  // namespace

std::int64_t ClockNowMs() {
    ClockState& s = State();
    const std::lock_guard guard(s.lock);
    return s.frozen ? s.frozenTicks : SteadyMs() + s.liveTickOffset;
}

bool ClockFrozen() {
    ClockState& s = State();
    const std::lock_guard guard(s.lock);
    return s.frozen;
}

void AddClockListener(ClockListener listener) {
    if (!listener) return;
    Listeners& l = ListenerList();
    const std::lock_guard guard(l.lock);
    if (std::find(l.list.begin(), l.list.end(), listener) == l.list.end()) l.list.push_back(listener);
}

std::int64_t CurrentLocalMs() {
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (s.frozen) return s.frozenLocalMs;
    }
    const std::int64_t utc = RealtimeUtcMs();
    return utc + UtcOffsetAtUtc(utc) * kMsPerSecond;
}

std::int64_t CurrentUtcMs() {
    std::int64_t local = 0;
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (!s.frozen) return RealtimeUtcMs();
        local = s.frozenLocalMs;
    }
    return local - UtcOffsetAtLocal(local) * kMsPerSecond;
}

void FreezeClockAt(std::int64_t localMs) {
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (!s.frozen) s.frozenTicks = SteadyMs() + s.liveTickOffset;
        s.frozen = true;
        s.frozenLocalMs = localMs;
    }
    NotifyListeners();
}

bool AdvanceFrozenClock(std::int64_t milliseconds) {
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (!s.frozen) return false;
        s.frozenTicks += milliseconds;
        s.frozenLocalMs += milliseconds;
    }
    NotifyListeners();
    return true;
}

bool SetFrozenLocalTime(std::int64_t localMs) {
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (!s.frozen) return false;
        s.frozenLocalMs = localMs;
    }
    NotifyListeners();
    return true;
}

void ThawFrozenClock() {
    {
        ClockState& s = State();
        const std::lock_guard guard(s.lock);
        if (!s.frozen) return;
        s.liveTickOffset = std::max(s.liveTickOffset, s.frozenTicks - SteadyMs());
        s.frozen = false;
    }
    NotifyListeners();
}

}  // namespace platform

void GetLocalTime(LPSYSTEMTIME out) {
    if (out) *out = platform::SystemTimeOfMs(platform::CurrentLocalMs());
}

void GetSystemTime(LPSYSTEMTIME out) {
    if (out) *out = platform::SystemTimeOfMs(platform::CurrentUtcMs());
}

void GetSystemTimeAsFileTime(LPFILETIME out) {
    if (!out) return;
    const auto ticks = static_cast<ULONGLONG>(platform::CurrentUtcMs() * platform::kFileTimeTicksPerMs);
    out->dwLowDateTime = static_cast<DWORD>(ticks);
    out->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

// The machine's own clock is not ours to set; only the test clock moves.
BOOL SetLocalTime(const SYSTEMTIME* time) {
    if (!time || !platform::IsValidSystemTime(*time, 1601, 30827)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!platform::SetFrozenLocalTime(platform::MsOfSystemTime(*time))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

DWORD GetTickCount() { return static_cast<DWORD>(platform::ClockNowMs()); }

// Sleeping forever waits on either clock: pushing a frozen clock 49 days ahead would fire every
// timer of the test at once.
void Sleep(DWORD milliseconds) {
    constexpr DWORD kForever = 0xFFFFFFFF;
    if (milliseconds == kForever) {
        for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
    }
    if (platform::ClockFrozen() && platform::AdvanceFrozenClock(milliseconds)) return;
    if (milliseconds == 0) {
        std::this_thread::yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
