// The locale's date and time texts (English names; the short date picture from the device profile)
// and the few locale settings the program asks for.
#include <string>

#include "kernel/calendar.h"
#include "platform/device.h"
#include "platform/system.h"
#include "platform/time.h"

namespace {

constexpr const char16_t* kLongDatePicture = u"dddd, MMMM dd, yyyy";
constexpr const char16_t* kTimePicture = u"h:mm:ss tt";
constexpr const char16_t* kFirstDayOfWeek = u"6";  // Sunday, counting from Monday as 0
constexpr const char16_t* kEra = u"A.D.";

constexpr const char16_t* kDayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                         u"Thursday", u"Friday", u"Saturday"};
constexpr const char16_t* kDayAbbreviations[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr const char16_t* kMonthNames[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                           u"July",    u"August",   u"September", u"October", u"November", u"December"};
constexpr const char16_t* kMonthAbbreviations[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

constexpr DWORD kDateFlags = DATE_SHORTDATE | DATE_LONGDATE | LOCALE_NOUSEROVERRIDE;
constexpr DWORD kTimeFlags =
    TIME_NOMINUTESORSECONDS | TIME_NOSECONDS | TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT | LOCALE_NOUSEROVERRIDE;

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// The platform's buffer rule for locale texts: the count includes the terminator.
int ReturnText(const std::u16string& text, LPWSTR out, int outChars) {
    const int needed = static_cast<int>(text.size()) + 1;
    if (outChars == 0) return needed;
    if (outChars < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    text.copy(out, text.size());
    out[text.size()] = 0;
    return needed;
}

void AppendNumber(std::u16string& out, int value, int minDigits) {
    const std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()); i < minDigits; ++i) out += u'0';
    for (const char c : digits) out += static_cast<char16_t>(c);
}

// Walks a picture: runs of one pattern letter go to the expander, quoted text ('...', '' for a
// quote) and every other character are copied as they stand.
template <class Expand>
std::u16string ExpandPicture(const std::u16string_view picture, std::u16string_view letters, Expand expand) {
    std::u16string out;
    for (std::size_t i = 0; i < picture.size();) {
        const char16_t c = picture[i];
        if (c == u'\'') {
            for (++i; i < picture.size(); ++i) {
                if (picture[i] != u'\'') {
                    out += picture[i];
                } else if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
                    out += u'\'';
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            continue;
        }
        if (letters.find(c) == std::u16string_view::npos) {
            expand.Literal(out, c);
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        expand.Field(out, c, static_cast<int>(run));
        i += run;
    }
    return out;
}

struct DateFields {
    const SYSTEMTIME& date;
    void Literal(std::u16string& out, char16_t c) const { out += c; }
    void Field(std::u16string& out, char16_t letter, int run) const {
        switch (letter) {
        case u'd':
            if (run <= 2) AppendNumber(out, date.wDay, run);
            else out += (run == 3 ? kDayAbbreviations : kDayNames)[date.wDayOfWeek];
            break;
        case u'M':
            if (run <= 2) AppendNumber(out, date.wMonth, run);
            else out += (run == 3 ? kMonthAbbreviations : kMonthNames)[date.wMonth - 1];
            break;
        case u'y':
            if (run <= 2) AppendNumber(out, date.wYear % 100, run);
            else AppendNumber(out, date.wYear, 1);
            break;
        case u'g':
            out += kEra;
            break;
        }
    }
};

// Time fields; a field left out by the flags takes the separator before it along (or, when it
// comes first, the one after it), so that "h:mm:ss tt" without seconds reads "h:mm tt".
struct TimeFields {
    const SYSTEMTIME& time;
    DWORD flags;
    std::size_t lastFieldEnd = 0;
    bool anyField = false;
    bool skipSeparator = false;

    bool Dropped(char16_t letter) const {
        switch (letter) {
        case u'm': return (flags & TIME_NOMINUTESORSECONDS) != 0;
        case u's': return (flags & (TIME_NOMINUTESORSECONDS | TIME_NOSECONDS)) != 0;
        case u't': return (flags & TIME_NOTIMEMARKER) != 0;
        }
        return false;
    }
    void Literal(std::u16string& out, char16_t c) {
        if (!skipSeparator) out += c;
    }
    void Field(std::u16string& out, char16_t letter, int run) {
        if (Dropped(letter)) {
            out.resize(lastFieldEnd);
            skipSeparator = !anyField;
            return;
        }
        skipSeparator = false;
        const bool twelveHour = letter == u'h' && !(flags & TIME_FORCE24HOURFORMAT);
        switch (letter) {
        case u'h':
        case u'H': {
            const int hour = twelveHour ? (time.wHour % 12 == 0 ? 12 : time.wHour % 12) : time.wHour;
            AppendNumber(out, hour, run >= 2 ? 2 : 1);
            break;
        }
        case u'm': AppendNumber(out, time.wMinute, run >= 2 ? 2 : 1); break;
        case u's': AppendNumber(out, time.wSecond, run >= 2 ? 2 : 1); break;
        case u't': {
            if (flags & TIME_FORCE24HOURFORMAT) {
                out.resize(lastFieldEnd);
                return;
            }
            const char16_t* marker = time.wHour < 12 ? u"AM" : u"PM";
            out += run >= 2 ? std::u16string_view(marker) : std::u16string_view(marker, 1);
            break;
        }
        }
        lastFieldEnd = out.size();
        anyField = true;
    }
};

bool BadBuffer(LPWSTR out, int outChars) { return outChars < 0 || (outChars > 0 && !out); }

}  // namespace

int GetDateFormatW(LCID, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out, int outChars) {
    if (BadBuffer(out, outChars)) return Fail(ERROR_INVALID_PARAMETER);
    if ((flags & ~kDateFlags) || (flags & DATE_SHORTDATE && flags & DATE_LONGDATE) ||
        (format && (flags & (DATE_SHORTDATE | DATE_LONGDATE | LOCALE_NOUSEROVERRIDE))))
        return Fail(ERROR_INVALID_FLAGS);
    SYSTEMTIME when{};
    if (date) {
        when = *date;
        when.wHour = when.wMinute = when.wSecond = when.wMilliseconds = 0;  // only the date counts here
        if (!platform::IsValidSystemTime(when, 1601, 30827)) return Fail(ERROR_INVALID_PARAMETER);
        when.wDayOfWeek = static_cast<WORD>(platform::DayOfWeekOf(platform::DayNumber(when.wYear, when.wMonth, when.wDay)));
    } else {
        GetLocalTime(&when);
    }
    const std::u16string picture = format                     ? std::u16string(format)
                                   : (flags & DATE_LONGDATE) ? std::u16string(kLongDatePicture)
                                                             : platform::Profile().shortDate;
    return ReturnText(ExpandPicture(picture, u"dMyg", DateFields{when}), out, outChars);
}

int GetTimeFormatW(LCID, DWORD flags, const SYSTEMTIME* time, LPCWSTR format, LPWSTR out, int outChars) {
    if (BadBuffer(out, outChars)) return Fail(ERROR_INVALID_PARAMETER);
    if ((flags & ~kTimeFlags) || (format && (flags & LOCALE_NOUSEROVERRIDE))) return Fail(ERROR_INVALID_FLAGS);
    SYSTEMTIME when{};
    if (time) {
        when = *time;
        if (when.wHour >= 24 || when.wMinute >= 60 || when.wSecond >= 60 || when.wMilliseconds >= 1000)
            return Fail(ERROR_INVALID_PARAMETER);
    } else {
        GetLocalTime(&when);
    }
    const std::u16string_view picture = format ? std::u16string_view(format) : std::u16string_view(kTimePicture);
    return ReturnText(ExpandPicture(picture, u"hHmst", TimeFields{when, flags}), out, outChars);
}

int GetLocaleInfoW(LCID, DWORD type, LPWSTR out, int outChars) {
    if (BadBuffer(out, outChars)) return Fail(ERROR_INVALID_PARAMETER);
    switch (type & ~LOCALE_NOUSEROVERRIDE) {
    case LOCALE_SSHORTDATE: return ReturnText(platform::Profile().shortDate, out, outChars);
    case LOCALE_SLONGDATE: return ReturnText(kLongDatePicture, out, outChars);
    case LOCALE_STIMEFORMAT: return ReturnText(kTimePicture, out, outChars);
    case LOCALE_IFIRSTDAYOFWEEK: return ReturnText(kFirstDayOfWeek, out, outChars);
    }
    return Fail(ERROR_INVALID_FLAGS);
}
