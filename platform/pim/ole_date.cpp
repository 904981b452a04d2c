// Calendar arithmetic of the PIM store.
#include "pim/ole_date.h"

#include <cmath>

#include "platform/time.h"

namespace platform::pim {
namespace {

// Day 0 of OLE dates, 30 December 1899, counted from 1 January 1970.
constexpr std::int64_t kOleEpochDays = -25569;
// 1 January 1601 (FILETIME's start) counted in OLE days.
constexpr std::int64_t kFileTimeEpochOleDay = -109205;
constexpr std::int64_t kTicksPerMinute = 600000000;
constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

DATE ToOleDate(const CivilTime& t) {
    const std::int64_t day = DaysFromCivil(t.year, t.month, t.day) - kOleEpochDays;
    const double fraction = (t.hour * 3600.0 + t.minute * 60.0 + t.second) / kSecondsPerDay;
    return static_cast<double>(day) + fraction;
}

CivilTime FromOleDate(DATE date) {
    const std::int64_t seconds = std::llround(date * kSecondsPerDay);
    std::int64_t day = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --day;
    }
    CivilTime t;
    CivilFromDays(day + kOleEpochDays, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

bool IsNoDate(DATE date) { return std::fabs(date - kNoDate) < 1e-6 || date > kNoDate; }

std::int64_t OleMinutes(DATE date) { return std::llround(date * kMinutesPerDay); }

std::int64_t OleDay(DATE date) {
    const std::int64_t minutes = OleMinutes(date);
    return minutes >= 0 ? minutes / kMinutesPerDay : -((-minutes + kMinutesPerDay - 1) / kMinutesPerDay);
}

DATE OleFromMinutes(std::int64_t minutes) { return static_cast<double>(minutes) / kMinutesPerDay; }

int DayOfWeek(std::int64_t oleDay) {
    // 30 December 1899 was a Saturday.
    return static_cast<int>(((oleDay + 6) % 7 + 7) % 7);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
    return kDays[(month - 1) % 12];
}

FILETIME FileTimeFromOle(DATE date) {
    const std::int64_t minutes = OleMinutes(date) - kFileTimeEpochOleDay * kMinutesPerDay;
    const std::uint64_t ticks = static_cast<std::uint64_t>(minutes < 0 ? 0 : minutes) * kTicksPerMinute;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

DATE OleFromFileTime(const FILETIME& time) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    const double days = static_cast<double>(ticks) / (kTicksPerMinute * static_cast<double>(kMinutesPerDay));
    return days + static_cast<double>(kFileTimeEpochOleDay);
}

bool SystemTimeToOle(const SYSTEMTIME& time, DATE& out) {
    if (time.wYear < 100 || time.wYear > 9999 || time.wMonth < 1 || time.wMonth > 12 || time.wDay < 1 ||
        time.wDay > DaysInMonth(time.wYear, time.wMonth) || time.wHour > 23 || time.wMinute > 59 || time.wSecond > 59)
        return false;
    out = ToOleDate({time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond});
    return true;
}

bool OleToSystemTime(DATE date, SYSTEMTIME& out) {
    if (!(date >= -657434.0 && date < 2958466.0)) return false;  // 1 January 100 .. 31 December 9999
    const CivilTime t = FromOleDate(date);
    out.wYear = static_cast<WORD>(t.year);
    out.wMonth = static_cast<WORD>(t.month);
    out.wDay = static_cast<WORD>(t.day);
    out.wDayOfWeek = static_cast<WORD>(DayOfWeek(DaysFromCivil(t.year, t.month, t.day) - kOleEpochDays));
    out.wHour = static_cast<WORD>(t.hour);
    out.wMinute = static_cast<WORD>(t.minute);
    out.wSecond = static_cast<WORD>(t.second);
    out.wMilliseconds = 0;
    return true;
}

DATE OleNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DATE date = 0;
    SystemTimeToOle(now, date);
    return date;
}

}  // namespace platform::pim
