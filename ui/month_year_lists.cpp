// Filling and reading the month picker's two list boxes: the month names 1 to 12 and the eight
// years from 2006, each selected by its position in the list.
#include "ui/month_year_lists.h"

#include <string>

#include "core/date_text.h"
#include "platform/controls.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

void AddLine(HWND list, const std::u16string& text) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LONG Selection(HWND list) { return static_cast<LONG>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

}  // namespace

void FillMonthYearLists(HWND dialog, LONG month, LONG year) {
    const HWND months = GetDlgItem(dialog, kIdMonthList);
    const HWND years = GetDlgItem(dialog, kIdYearList);
    for (int m = 1; m <= 12; ++m) AddLine(months, GetMonthName(m));
    for (int i = 0; i < kListedYears; ++i) {
        WCHAR text[16] = {};
        wsprintfW(text, u"%d", static_cast<int>(kFirstListedYear + i));
        AddLine(years, text);
    }
    SendMessageW(months, LB_SETCURSEL, static_cast<WPARAM>(month - 1), 0);
    SendMessageW(years, LB_SETCURSEL, static_cast<WPARAM>(year - kFirstListedYear), 0);
}

void ReadMonthYearLists(HWND dialog, LONG& month, LONG& year) {
    const LONG m = Selection(GetDlgItem(dialog, kIdMonthList));
    const LONG y = Selection(GetDlgItem(dialog, kIdYearList));
    if (m >= 0) month = m + 1;
    if (y >= 0) year = y + kFirstListedYear;
}
