// The month picker's dialog: the twelve month names and the years around the seed in two spin
// lists, selected from the seed and read back on "Done".
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
#include "ui/month_year_lists.h"

static_assert(IDC_MONTH_LIST == kIdMonthList && IDC_YEAR_LIST == kIdYearList);

MonthPickerWords g_MonthPicker;

namespace {

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

// The picker's lists are the month and year lists, years around the seed: a month of any year can
// be chosen, not only of the years a fixed list held.
void FillMonthPickerLists(HWND dialog) { FillMonthYearLists(dialog, g_MonthPicker.month, g_MonthPicker.year); }

int ReadMonthPickerLists(HWND dialog) {
    ReadMonthYearLists(dialog, g_MonthPicker.month, g_MonthPicker.year);
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
