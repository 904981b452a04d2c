// The key-translating procedures of date fields and keypad fields: letter keys of thumb keyboards
// give the digits printed on them, and Enter on a date field opens the select-date grid.
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/time.h"
#include "platform/user.h"
#include "ui/date_pickers.h"
#include "ui/frame_calls.h"
#include "ui/popup_menus.h"
#include "ui/subclass.h"

namespace {

DateRec g_EditorItemDate(kNoDateYear, 1, 1);

// The style bit of a date picker that may hold no date.
constexpr LONG kShowNoneStyle = 0x0002;

LRESULT TranslateChar(HWND window, WPARAM wParam, LPARAM lParam) {
    const WCHAR digit = KeyToDigit(g_Frame.kbdModelCode, static_cast<int>(wParam));
    return CallPrevWndProc(window, WM_CHAR, digit ? digit : wParam, lParam);
}

bool IsPendingEnter(LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

void ClearPicker(HWND picker) { SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0); }

bool PickerHasDate(HWND picker, SYSTEMTIME& date) { return DateTime_GetSystemtime(picker, &date) != GDT_NONE; }

// Opens the grid at the date; on "Done" the picker takes the chosen day at 0:00:00.
bool PickDateInto(HWND picker, const SYSTEMTIME& start) {
    if (!SelectDateDlg(GetParent(picker), start.wYear, start.wMonth, start.wDay)) return false;
    SYSTEMTIME chosen{};
    chosen.wYear = static_cast<WORD>(g_SelectDateGrid.year);
    chosen.wMonth = static_cast<WORD>(g_SelectDateGrid.month);
    chosen.wDay = static_cast<WORD>(g_SelectDateGrid.day);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&chosen));
    return true;
}

// Where the grid of a field without a date opens: the date of the item being edited, else today.
SYSTEMTIME EmptyFieldStart() {
    if (g_EditorItemDate.wYear != kNoDateYear) return g_EditorItemDate;
    SYSTEMTIME today{};
    GetLocalTime(&today);
    return today;
}

}  // namespace

LRESULT CALLBACK KeypadFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) return TranslateChar(window, wParam, lParam);
    if (message == WM_GETDLGCODE && IsPendingEnter(lParam) && (GetWindowLongW(window, GWL_STYLE) & kShowNoneStyle)) {
        SYSTEMTIME date{};
        if (PickerHasDate(window, date)) {
            ClearPicker(window);
            return 0;
        }
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}

LRESULT CALLBACK DateFieldMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) return TranslateChar(window, wParam, lParam);
    if (message != WM_GETDLGCODE || !IsPendingEnter(lParam)) return CallPrevWndProc(window, message, wParam, lParam);
    SYSTEMTIME start{};
    if (!PickerHasDate(window, start)) {
        start = EmptyFieldStart();
    } else {
        const UINT command = ShowSetDatePopup(GetParent(window));
        if (command == kCmdNoDate) {
            ClearPicker(window);
            return 0;
        }
        if (command != kCmdSetDate) return CallPrevWndProc(window, message, wParam, lParam);
    }
    if (PickDateInto(window, start)) return 0;
    return CallPrevWndProc(window, message, wParam, lParam);
}

LRESULT CALLBACK DateFieldPickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) return TranslateChar(window, wParam, lParam);
    const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
    if (message == WM_GETDLGCODE && IsPendingEnter(lParam)) {
        SYSTEMTIME start{};
        if (!PickerHasDate(window, start)) start = EmptyFieldStart();
        PickDateInto(window, start);
    }
    return result;
}

void SetEditorItemDate(const DateRec& date) { g_EditorItemDate = date; }

void ClearEditorItemDate() { g_EditorItemDate = DateRec(kNoDateYear, 1, 1); }

DateRec EditorItemDate() { return g_EditorItemDate; }
