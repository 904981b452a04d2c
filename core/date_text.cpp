// Month and weekday names, times of day, numeric dates and call durations. The names are fixed
// English texts, never the device's locale.
#include "core/date_text.h"

#include <iterator>

#include "core/app_settings.h"
#include "platform/text.h"
#include "platform/time.h"

namespace {

constexpr const WCHAR* kMonthNames[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                        u"July",    u"August",   u"September", u"October", u"November", u"December"};
// March to July keep their full names.
constexpr const WCHAR* kShortMonthNames[] = {u"Jan",  u"Feb", u"March", u"April", u"May", u"June",
                                             u"July", u"Aug", u"Sept",  u"Oct",   u"Nov", u"Dec"};
constexpr const WCHAR* kWeekdayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                          u"Thursday", u"Friday", u"Saturday"};
constexpr const WCHAR* kShortWeekdayNames[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};

constexpr int kNoon = 12;
constexpr LONGLONG kFileTimeTicksPerSecond = 10000000;
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// The numeric date formats of "DATEFORMAT", by value.
enum DateFormat { kDayMonthYear = 0, kMonthDayYear = 1, kYearMonthDay = 2, kDottedDayMonthYear = 3 };

template <std::size_t N>
std::u16string NameAt(const WCHAR* const (&names)[N], int number) {
    return number >= 1 && number <= static_cast<int>(N) ? std::u16string(names[number - 1]) : std::u16string();
}

// The hour as the clock shows it and whether it is afternoon: the suffix is chosen first.
struct ClockHour {
    int hour;
    bool afternoon;
};

ClockHour ToClockHour(int hour, bool hours24) {
    const bool afternoon = hour >= kNoon;
    if (hours24) return {hour, afternoon};
    if (hour > kNoon) hour -= kNoon;
    if (hour == 0) hour = kNoon;
    return {hour, afternoon};
}

// "%d:%02d%s" with "a"/"p" (nothing in 24-hour form); "%d%s" in the short form at minute 0.
std::u16string ShortClockText(const DateRec& time, bool hours24, bool shortForm) {
    const ClockHour clock = ToClockHour(time.wHour, hours24);
    const WCHAR* suffix = hours24 ? u"" : (clock.afternoon ? u"p" : u"a");
    if (shortForm && time.wMinute == 0) return platform::FormatW(u"%d%s", clock.hour, suffix);
    return platform::FormatW(u"%d:%02d%s", clock.hour, static_cast<int>(time.wMinute), suffix);
}

DateRec LocalDateOf(const FILETIME& time) {
    FILETIME local{};
    FileTimeToLocalFileTime(&time, &local);
    SYSTEMTIME st{};
    FileTimeToSystemTime(&local, &st);
    return DateRec(st);
}

LONGLONG LocalTicks(const FILETIME& time) {
    FILETIME local{};
    FileTimeToLocalFileTime(&time, &local);
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
}

}  // namespace

std::u16string GetMonthName(int month) { return NameAt(kMonthNames, month); }

std::u16string GetShortMonthName(int month) { return NameAt(kShortMonthNames, month); }

void FormatMonthName(std::u16string& out, int month, bool shortName) {
    out = shortName ? GetShortMonthName(month) : GetMonthName(month);
}

void FormatWeekdayName(std::u16string& out, int day, bool shortName) {
    out = shortName ? NameAt(kShortWeekdayNames, day) : NameAt(kWeekdayNames, day);
}

int ParseMonthName(std::u16string_view text) {
    for (int month = 1; month <= static_cast<int>(std::size(kMonthNames)); ++month) {
        if (platform::EqualNoCase(text, kMonthNames[month - 1])) return month;
    }
    return 0;
}

void FormatTime(std::u16string& out, const DateRec& date, bool hours24, bool suffix, bool compact) {
    const ClockHour clock = ToClockHour(date.wHour, hours24);
    const int minute = date.wMinute;
    if (!hours24 && suffix) {
        if (compact) {
            const WCHAR* mark = clock.afternoon ? u"p" : u"a";
            out = minute == 0 ? platform::FormatW(u"%d%s", clock.hour, mark)
                              : platform::FormatW(u"%d:%02d%s", clock.hour, minute, mark);
        } else {
            out = platform::FormatW(u"%d:%02d %s", clock.hour, minute, clock.afternoon ? u"PM" : u"AM");
        }
        return;
    }
    out = compact && minute == 0 ? platform::FormatW(u"%d", clock.hour)
                                 : platform::FormatW(u"%d:%02d", clock.hour, minute);
}

void FormatApptStart(const ApptRecord& appt, std::u16string& out, bool hours24, bool shortForm) {
    out = ShortClockText(appt.start, hours24, shortForm);
}

void FormatApptEnd(const ApptRecord& appt, std::u16string& out, bool hours24, bool shortForm) {
    out = ShortClockText(GetApptEnd(appt), hours24, shortForm);
}

void FormatApptTimeRange(const ApptRecord& appt, std::u16string& out, bool hours24) {
    out = ShortClockText(appt.start, hours24, false) + u"-" + ShortClockText(GetApptEnd(appt), hours24, false);
}

void FormatTimeFT(std::u16string& out, const FILETIME& time, bool hours24) {
    out = ShortClockText(LocalDateOf(time), hours24, false);
}

void FormatShortDate(std::u16string& out, const DateRec& date) {
    const int y = date.wYear;
    const int m = date.wMonth;
    const int d = date.wDay;
    switch (g_Settings.dateFormat) {
    case kDayMonthYear: out = platform::FormatW(u"%02d/%02d/%d", d, m, y); break;
    case kMonthDayYear: out = platform::FormatW(u"%d/%d/%d", m, d, y); break;
    case kYearMonthDay: out = platform::FormatW(u"%d-%02d-%02d", y, m, d); break;
    case kDottedDayMonthYear: out = platform::FormatW(u"%02d.%02d.%d", d, m, y); break;
    default: out.clear(); break;
    }
}

void FormatFileTimeDate(std::u16string& out, const FILETIME& time) { FormatShortDate(out, LocalDateOf(time)); }

void FormatMonthDay(std::u16string& out, const DateRec& date) {
    const int m = date.wMonth;
    const int d = date.wDay;
    switch (g_Settings.dateFormat) {
    case kDayMonthYear:
    case kDottedDayMonthYear: out = platform::FormatW(u"%02d/%02d", d, m); break;
    case kMonthDayYear: out = platform::FormatW(u"%d/%d", m, d); break;
    case kYearMonthDay: out = platform::FormatW(u"%02d/%02d", m, d); break;
    default: out.clear(); break;
    }
}

void FormatDurationFT(std::u16string& out, const FILETIME& start, const FILETIME& end, int& hours, int& minutes,
                      int& seconds) {
    LONGLONG elapsed = (LocalTicks(end) - LocalTicks(start)) / kFileTimeTicksPerSecond;
    if (elapsed < 0) elapsed = 0;  // a clock set back during the call
    hours = static_cast<int>(elapsed / kSecondsPerHour);
    minutes = static_cast<int>(elapsed % kSecondsPerHour / kSecondsPerMinute);
    seconds = static_cast<int>(elapsed % kSecondsPerMinute);
    out = platform::FormatW(u"%02d:%02d:%02d", hours, minutes, seconds);
}
