// Filling and reading the month picker's two list boxes: the month names 1 to 12 and the years
// around the seed. The year is read back from the selected line's text, so that the list can start
// at any year.
#include "ui/month_year_lists.h"

#include <algorithm>
#include <string>

#include "core/date_text.h"
#include "platform/controls.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

constexpr int kYearChars = 16;

void AddLine(HWND list, const std::u16string& text) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LONG Selection(HWND list) { return static_cast<LONG>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

void FillMonthYearLists(HWND dialog, LONG month, LONG year) {
    const HWND months = GetDlgItem(dialog, kIdMonthList);
    const HWND years = GetDlgItem(dialog, kIdYearList);
    for (int m = 1; m <= 12; ++m) AddLine(months, GetMonthName(m));
    const LONG seed = std::clamp(year, kEarliestListedYear, kLatestListedYear);
    const LONG first = std::max(kEarliestListedYear, seed - kYearsAroundSeed);
    const LONG last = std::min(kLatestListedYear, seed + kYearsAroundSeed);
    for (LONG y = first; y <= last; ++y) {
        WCHAR text[kYearChars] = {};
        StringCchPrintfW(text, kYearChars, u"%d", static_cast<int>(y));
        AddLine(years, text);
    }
    SendMessageW(months, LB_SETCURSEL, static_cast<WPARAM>(month - 1), 0);
    SendMessageW(years, LB_SETCURSEL, static_cast<WPARAM>(seed - first), 0);
}

void ReadMonthYearLists(HWND dialog, LONG& month, LONG& year) {
    const LONG m = Selection(GetDlgItem(dialog, kIdMonthList));
    if (m >= 0 && m < 12) month = m + 1;
    const HWND years = GetDlgItem(dialog, kIdYearList);
    const LONG y = Selection(years);
    if (y < 0) return;
    WCHAR text[kYearChars] = {};
    if (SendMessageW(years, LB_GETTEXTLEN, static_cast<WPARAM>(y), 0) >= kYearChars) return;
    SendMessageW(years, LB_GETTEXT, static_cast<WPARAM>(y), reinterpret_cast<LPARAM>(text));
    const long value = _wtol(text);
    if (value >= kEarliestListedYear && value <= kLatestListedYear) year = static_cast<LONG>(value);
}
