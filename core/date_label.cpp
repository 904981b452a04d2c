// The date texts that depend on the screen, the theme, the view on screen or the device's locale:
// long dates, calendar title labels and the date of the PIM store's time-window query.
#include <vector>

#include "core/app_settings.h"
#include "core/date_text.h"
#include "core/iso_week.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"

namespace {

// What GetDateFormatW's error codes are reported as; any other code shows nothing.
struct DateErrorText {
    DWORD error;
    const WCHAR* format;
};
constexpr DateErrorText kDateErrorTexts[] = {
    {ERROR_INVALID_PARAMETER, u"Error: Invalid Parm (%s)"},
    {ERROR_INSUFFICIENT_BUFFER, u"Error: Ins Buffer (%s)"},
    {ERROR_INVALID_FLAGS, u"Error: Invalid Flags(%s)"},
};

void ReportDateFormatError(DWORD error, const std::u16string& partial) {
    for (const DateErrorText& e : kDateErrorTexts) {
        if (e.error != error) continue;
        const std::u16string text = platform::FormatW(e.format, partial.c_str());
        MessageBoxW(nullptr, text.c_str(), u"", MB_ICONEXCLAMATION);
        return;
    }
}

std::u16string WeekdayName(const DateRec& date, bool shortName) {
    std::u16string name;
    FormatWeekdayName(name, date.wDayOfWeek + 1, shortName);
    return name;
}

}  // namespace

void FormatLongDate(std::u16string& out, const DateRec& date, bool shortMonth, bool noYear) {
    const bool fullWeekday = IsQvgaScreen() && IsLandscapeScreen();
    const std::u16string weekday = WeekdayName(date, !fullWeekday);
    std::u16string month;
    FormatMonthName(month, date.wMonth, shortMonth);
    out = noYear ? platform::FormatW(u"%s %s %d", weekday.c_str(), month.c_str(), static_cast<int>(date.wDay))
                 : platform::FormatW(u"%s %s %d, %d", weekday.c_str(), month.c_str(), static_cast<int>(date.wDay),
                                     static_cast<int>(date.wYear));
}

void FormatDateText(std::u16string& out, const DateRec& date) {
    if (g_Settings.ce5OrLater != 0 && g_Settings.regional != 0) {
        out = platform::FormatW(u"%02d/%02d/%d", static_cast<int>(date.wMonth), static_cast<int>(date.wDay),
                                static_cast<int>(date.wYear));
        return;
    }
    out.clear();
    const int needed = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, nullptr, 0);
    if (needed > 0) {
        std::vector<WCHAR> buffer(static_cast<std::size_t>(needed) + 1, 0);
        if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, buffer.data(), needed) > 0) {
            out = buffer.data();
            return;
        }
    }
    ReportDateFormatError(GetLastError(), out);
}

void FormatWeekLabel(const DateRec& date, std::u16string& first, std::u16string& second, bool agenda) {
    const LONG style = GetThemeTitleBarStyle();
    const int week = g_Settings.isoWeek != 0 ? IsoWeekNumber(date.wYear, date.wMonth, date.wDay) : 0;
    if (style != kTitleBarTabs && style != kTitleBarUnderline) {
        FormatLongDate(first, date, false, false);
        if (g_Settings.isoWeek != 0) second = platform::FormatW(u"W%d", week);
        return;
    }
    if (agenda && g_Settings.cList != 0 && ViewId == kViewDates) {
        FormatLongDate(first, date, true, true);
        return;
    }
    first = WeekdayName(date, false);
    FormatShortDate(second, date);
    if (g_Settings.isoWeek != 0) second = platform::FormatW(u"%s(W%d)", second.c_str(), week);
}
