// The picker's format: patterns of the device's date and time formats split into fields, the text
// of each field, and the rules for stepping and typing values into them.
#include <algorithm>
#include <array>

#include "commctrl/date_picker.h"
#include "platform/device.h"
#include "platform/text.h"

namespace platform::commctrl {
namespace {

constexpr std::array<const char16_t*, 12> kMonthNames = {u"January", u"February", u"March",     u"April",
                                                         u"May",     u"June",     u"July",      u"August",
                                                         u"September", u"October", u"November", u"December"};
constexpr std::array<const char16_t*, 7> kDayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                      u"Thursday", u"Friday", u"Saturday"};
constexpr const char16_t* kLongDateFormat = u"dddd, MMMM dd, yyyy";
constexpr const char16_t* kTimeFormat = u"h:mm:ss tt";
constexpr const char16_t* kShortTimeFormat = u"h:mm tt";
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;

struct PatternLetter {
    char16_t letter;
    DateField field;
    DateField longField;  // three letters or more
};

constexpr PatternLetter kLetters[] = {
    {u'd', DateField::Day, DateField::DayName},   {u'M', DateField::Month, DateField::MonthName},
    {u'y', DateField::Year, DateField::Year},     {u'h', DateField::Hour12, DateField::Hour12},
    {u'H', DateField::Hour24, DateField::Hour24}, {u'm', DateField::Minute, DateField::Minute},
    {u's', DateField::Second, DateField::Second}, {u't', DateField::AmPm, DateField::AmPm},
};

std::u16string Number(int value, int width) {
    std::u16string s = FormatW(u"%d", value);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), u'0');
    return s;
}

int Wrap(int value, int low, int high) {
    const int span = high - low + 1;
    return low + ((value - low) % span + span) % span;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

WORD DayOfWeek(int year, int month, int day) {
    // Sakamoto's method; 0 is Sunday.
    constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7);
}

bool ValidTime(const SYSTEMTIME& t) {
    return t.wYear >= kFirstYear && t.wYear <= kLastYear && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= DaysInMonth(t.wYear, t.wMonth) && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 &&
           t.wMilliseconds < 1000;
}

int CompareTimes(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    const WORD* fieldsA[] = {&a.wYear, &a.wMonth, &a.wDay, &a.wHour, &a.wMinute, &a.wSecond};
    const WORD* fieldsB[] = {&b.wYear, &b.wMonth, &b.wDay, &b.wHour, &b.wMinute, &b.wSecond};
    for (std::size_t i = 0; i < std::size(fieldsA); ++i)
        if (*fieldsA[i] != *fieldsB[i]) return *fieldsA[i] < *fieldsB[i] ? -1 : 1;
    return 0;
}

std::u16string DefaultFormat(DWORD style) {
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return kTimeFormat;
    if (style & DTS_LONGDATEFORMAT) return kLongDateFormat;
    return Profile().shortDate;
}

std::u16string ShortTimeFormat() { return kShortTimeFormat; }

std::vector<FormatPart> ParseFormat(std::u16string_view format) {
    std::vector<FormatPart> parts;
    auto literal = [&](std::u16string_view text) {
        if (parts.empty() || parts.back().field != DateField::Literal) parts.push_back(FormatPart{});
        parts.back().literal.append(text);
    };
    for (std::size_t i = 0; i < format.size();) {
        const char16_t c = format[i];
        if (c == u'\'') {  // quoted text
            const std::size_t end = format.find(u'\'', i + 1);
            literal(format.substr(i + 1, (end == std::u16string_view::npos ? format.size() : end) - i - 1));
            i = end == std::u16string_view::npos ? format.size() : end + 1;
            continue;
        }
        const auto letter = std::find_if(std::begin(kLetters), std::end(kLetters), [&](const PatternLetter& l) { return l.letter == c; });
        if (letter == std::end(kLetters)) {
            literal(format.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        FormatPart part;
        part.field = run >= 3 ? letter->longField : letter->field;
        part.width = static_cast<int>(run);
        parts.push_back(part);
        i += run;
    }
    return parts;
}

std::u16string FieldText(const FormatPart& part, const SYSTEMTIME& t) {
    switch (part.field) {
    case DateField::Literal: return part.literal;
    case DateField::Day: return Number(t.wDay, part.width);
    case DateField::DayName: {
        const std::u16string name = kDayNames[t.wDayOfWeek % 7];
        return part.width == 3 ? name.substr(0, 3) : name;
    }
    case DateField::Month: return Number(t.wMonth, part.width);
    case DateField::MonthName: {
        const std::u16string name = kMonthNames[static_cast<std::size_t>(std::clamp<int>(t.wMonth, 1, 12) - 1)];
        return part.width == 3 ? name.substr(0, 3) : name;
    }
    case DateField::Year: return part.width <= 2 ? Number(t.wYear % 100, 2) : Number(t.wYear, part.width);
    case DateField::Hour12: return Number(t.wHour % 12 == 0 ? 12 : t.wHour % 12, part.width);
    case DateField::Hour24: return Number(t.wHour, part.width);
    case DateField::Minute: return Number(t.wMinute, part.width);
    case DateField::Second: return Number(t.wSecond, part.width);
    case DateField::AmPm: {
        const std::u16string marker = t.wHour < 12 ? u"AM" : u"PM";
        return part.width == 1 ? marker.substr(0, 1) : marker;
    }
    }
    return {};
}

std::u16string DisplayText(const DatePicker& dp) {
    std::u16string text;
    for (const FormatPart& part : dp.parts) text += FieldText(part, dp.time);
    return text;
}

bool IsEditableField(const FormatPart& part) {
    return part.field != DateField::Literal && part.field != DateField::DayName;
}

void StepField(SYSTEMTIME& t, DateField field, int delta) {
    switch (field) {
    case DateField::Day: t.wDay = static_cast<WORD>(Wrap(t.wDay + delta, 1, DaysInMonth(t.wYear, t.wMonth))); break;
    case DateField::Month:
    case DateField::MonthName: t.wMonth = static_cast<WORD>(Wrap(t.wMonth + delta, 1, 12)); break;
    case DateField::Year: t.wYear = static_cast<WORD>(std::clamp(t.wYear + delta, kFirstYear, kLastYear)); break;
    case DateField::Hour12:
    case DateField::Hour24: t.wHour = static_cast<WORD>(Wrap(t.wHour + delta, 0, 23)); break;
    case DateField::Minute: t.wMinute = static_cast<WORD>(Wrap(t.wMinute + delta, 0, 59)); break;
    case DateField::Second: t.wSecond = static_cast<WORD>(Wrap(t.wSecond + delta, 0, 59)); break;
    case DateField::AmPm: t.wHour = static_cast<WORD>((t.wHour + 12) % 24); break;
    default: return;
    }
    t.wDay = static_cast<WORD>(std::min<int>(t.wDay, DaysInMonth(t.wYear, t.wMonth)));
    t.wDayOfWeek = DayOfWeek(t.wYear, t.wMonth, t.wDay);
}

bool SetFieldValue(SYSTEMTIME& t, DateField field, int value) {
    switch (field) {
    case DateField::Day:
        if (value < 1 || value > DaysInMonth(t.wYear, t.wMonth)) return false;
        t.wDay = static_cast<WORD>(value);
        break;
    case DateField::Month:
    case DateField::MonthName:
        if (value < 1 || value > 12) return false;
        t.wMonth = static_cast<WORD>(value);
        t.wDay = static_cast<WORD>(std::min<int>(t.wDay, DaysInMonth(t.wYear, t.wMonth)));
        break;
    case DateField::Year:
        if (value < kFirstYear || value > kLastYear) return false;
        t.wYear = static_cast<WORD>(value);
        t.wDay = static_cast<WORD>(std::min<int>(t.wDay, DaysInMonth(t.wYear, t.wMonth)));
        break;
    case DateField::Hour12:
        if (value < 1 || value > 12) return false;
        t.wHour = static_cast<WORD>(value % 12 + (t.wHour >= 12 ? 12 : 0));
        break;
    case DateField::Hour24:
        if (value > 23) return false;
        t.wHour = static_cast<WORD>(value);
        break;
    case DateField::Minute:
        if (value > 59) return false;
        t.wMinute = static_cast<WORD>(value);
        break;
    case DateField::Second:
        if (value > 59) return false;
        t.wSecond = static_cast<WORD>(value);
        break;
    default: return false;
    }
    t.wDayOfWeek = DayOfWeek(t.wYear, t.wMonth, t.wDay);
    return true;
}

}  // namespace platform::commctrl
