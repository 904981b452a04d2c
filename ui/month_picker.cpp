// The month picker's dialog: the twelve month names and the offered years in two spin lists,
// selected from the seed and read back on "Done".
#include "ui/month_picker.h"

#include "core/date_text.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"

MonthPickerWords g_MonthPicker;

namespace {

constexpr int kMonths = 12;

void AddString(HWND list, const std::u16string& text) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

INT_PTR OnMonthPickerInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kOverride)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    FillMonthPickerLists(dialog);
    return TRUE;
}

INT_PTR OnMonthPickerCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept:
        ReadMonthPickerLists(dialog);
        EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case kDlgCancel: EndDialog(dialog, id); return TRUE;
    }
    return FALSE;
}

}  // namespace

void FillMonthPickerLists(HWND dialog) {
    const HWND months = GetDlgItem(dialog, IDC_MONTH_LIST);
    for (int month = 1; month <= kMonths; ++month) AddString(months, GetMonthName(month));
    SendMessageW(months, LB_SETCURSEL, static_cast<WPARAM>(g_MonthPicker.month - 1), 0);
    const HWND years = GetDlgItem(dialog, IDC_YEAR_LIST);
    for (LONG year = kFirstPickerYear; year <= kLastPickerYear; ++year) AddString(years, platform::FormatW(u"%d", static_cast<int>(year)));
    SendMessageW(years, LB_SETCURSEL, static_cast<WPARAM>(g_MonthPicker.year - kFirstPickerYear), 0);
}

int ReadMonthPickerLists(HWND dialog) {
    // A list without selection reads as entry -1: month 0, or the year before the first.
    const auto selected = [dialog](int id) {
        return static_cast<LONG>(SendDlgItemMessageW(dialog, id, LB_GETCURSEL, 0, 0));
    };
    g_MonthPicker.month = selected(IDC_MONTH_LIST) + 1;
    g_MonthPicker.year = selected(IDC_YEAR_LIST) + kFirstPickerYear;
    return 1;
}

int ShowMonthPicker(HWND parent, LONG& year, LONG& month) {
    g_MonthPicker = MonthPickerWords{year, month};
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    if (RunProgramDialog(IDD_MONTH_PICKER, parent, MonthPickerDlgProc) != kDlgAccept) return 0;
    year = g_MonthPicker.year;
    month = g_MonthPicker.month;
    return 1;
}

INT_PTR CALLBACK MonthPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnMonthPickerInit(dialog);
    case WM_COMMAND: return OnMonthPickerCommand(dialog, LOWORD(wParam));
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(dialog, &paint);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    }
    return FALSE;
}
