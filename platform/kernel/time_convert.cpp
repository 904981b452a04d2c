// FILETIME conversions: UTC and local file times by the machine's time zone, file times to and
// from calendar fields, and their comparison.
#include "kernel/calendar.h"
#include "platform/system.h"
#include "platform/time.h"

namespace {

using platform::kFileTimeTicksPerMs;
using platform::kFileTimeTicksPerSecond;

// A FILETIME with its top bit set is out of every conversion's range.
constexpr ULONGLONG kMaxFileTime = 0x7FFFFFFFFFFFFFFFull;

ULONGLONG Ticks(const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

void SetTicks(FILETIME& t, ULONGLONG ticks) {
    t.dwLowDateTime = static_cast<DWORD>(ticks);
    t.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

// Shifts a file time by a time-zone offset, refusing results outside the FILETIME range.
BOOL Shift(const FILETIME* in, LPFILETIME out, bool toLocal) {
    if (!in || !out) return Fail(ERROR_INVALID_PARAMETER);
    const ULONGLONG ticks = Ticks(*in);
    if (ticks > kMaxFileTime) return Fail(ERROR_INVALID_PARAMETER);
    const auto ms = static_cast<std::int64_t>(ticks / kFileTimeTicksPerMs);
    const std::int64_t offset =
        (toLocal ? platform::UtcOffsetAtUtc(ms) : -platform::UtcOffsetAtLocal(ms)) * kFileTimeTicksPerSecond;
    const auto signedTicks = static_cast<std::int64_t>(ticks);
    if ((offset < 0 && signedTicks < -offset) || (offset > 0 && signedTicks > static_cast<std::int64_t>(kMaxFileTime) - offset))
        return Fail(ERROR_INVALID_PARAMETER);
    SetTicks(*out, static_cast<ULONGLONG>(signedTicks + offset));
    return TRUE;
}

}  // namespace

BOOL FileTimeToLocalFileTime(const FILETIME* utc, LPFILETIME local) { return Shift(utc, local, true); }

BOOL LocalFileTimeToFileTime(const FILETIME* local, LPFILETIME utc) { return Shift(local, utc, false); }

BOOL FileTimeToSystemTime(const FILETIME* time, LPSYSTEMTIME out) {
    if (!time || !out) return Fail(ERROR_INVALID_PARAMETER);
    const ULONGLONG ticks = Ticks(*time);
    if (ticks > kMaxFileTime) return Fail(ERROR_INVALID_PARAMETER);
    *out = platform::SystemTimeOfMs(static_cast<std::int64_t>(ticks / kFileTimeTicksPerMs));
    return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* time, LPFILETIME out) {
    if (!time || !out || !platform::IsValidSystemTime(*time, 1601, 30827)) return Fail(ERROR_INVALID_PARAMETER);
    SetTicks(*out, static_cast<ULONGLONG>(platform::MsOfSystemTime(*time) * kFileTimeTicksPerMs));
    return TRUE;
}

LONG CompareFileTime(const FILETIME* a, const FILETIME* b) {
    const ULONGLONG x = Ticks(*a);
    const ULONGLONG y = Ticks(*b);
    return x < y ? -1 : (x > y ? 1 : 0);
}
