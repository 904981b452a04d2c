// Editing a field-list row in place: the editor each kind opens on Enter or a double tap, the tap
// zones of a row, typed characters that start a text editor, and the list's own procedure.
#include <string>

#include "core/app_settings.h"
#include "editors/cat_picker.h"
#include "editors/field_list.h"
#include "editors/field_zones.h"
#include "editors/text_pick_dlg.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/color_picker.h"
#include "ui/date_pickers.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/icon_picker.h"
#include "ui/list_rows.h"
#include "ui/list_subclass.h"
#include "ui/list_view_calls.h"
#include "ui/main_routines.h"
#include "ui/popup_menus.h"
#include "ui/subclass.h"
#include "ui/text_prompt.h"
#include "ui/view_calls.h"

namespace {

constexpr const WCHAR* kWalletFieldCaption = u"Wallet Field";
constexpr WCHAR kFirstTypedChar = 31;
constexpr WCHAR kLastTypedChar = 126;
// Codes the list keeps for itself (the arrow keys' codes as characters).
constexpr WCHAR kSkippedChars[] = {38, 40};

bool IsShortText(LONG kind) { return kind >= kFieldSecret && kind <= kFieldLastShortText; }
bool IsTypedTextKind(LONG kind) {
    return IsShortText(kind) || kind == kFieldLongText || kind == kFieldSubject || kind == kFieldLocation;
}

// The folder part of a path: everything before its last backslash.
std::u16string FolderOf(const std::u16string& path) {
    const std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

bool PickDate(HWND dialog, DateRec& date) {
    DateRec seed = date;
    if (seed.wYear == kNoDateYear) seed = EditorItemDate();  // the item's own date, else today
    if (seed.wYear == kNoDateYear) DateNow(seed);
    if (!SelectDateDlg(dialog, seed.wYear, seed.wMonth, seed.wDay)) return false;
    const WORD hour = seed.wHour, minute = seed.wMinute;
    DateInit(date, g_SelectDateGrid.year, g_SelectDateGrid.month, g_SelectDateGrid.day, hour, minute, 0);
    return true;
}

// The text editors of the text kinds, starting from `text`; true with the edited text in row.
bool EditRowText(HWND dialog, ValSnap& row, const std::u16string& text) {
    if (IsShortText(row.kind)) {
        g_PromptText = text;
        const LONG mode = row.kind == kFieldLastShortText ? kPromptPlain : row.kind;
        if (PromptTextOpt(dialog, kWalletFieldCaption, row.label, mode) != kPromptAccepted) return false;
        row.textValue = g_PromptText;
        return true;
    }
    if (row.kind == kFieldLongText) {
        std::u16string edited = text;
        if (!views::EditTextFieldDlg(dialog, edited, 1)) return false;
        row.textValue = edited;
        return true;
    }
    g_TextInOut = text;
    if (SubjectTextDlg(dialog, row.kind) == 0) return false;
    row.textValue = g_TextInOut;
    return true;
}

// Runs the kind's editor on a copy of the row; true when the copy changed and is to be stored.
bool RunRowEditor(HWND dialog, ValSnap& row) {
    switch (row.kind) {
    case kFieldCheck: row.plainValue = row.plainValue ? 0 : 1; return true;
    case kFieldChoice: return TextListPickDlg(dialog, row) != 0;
    case kFieldColor:
        if (!PickColorDlg(dialog, static_cast<COLORREF>(row.numberValue), row.rowOption)) return false;
        row.numberValue = static_cast<LONG>(PickedColor);
        return true;
    case kFieldIcon:
        if (!PickIconDlg(dialog, row.indexValue)) return false;
        row.indexValue = PickedIcon;
        return true;
    case kFieldIconColor: TrackPopupMenuById(dialog, kFieldMenuX, kFieldMenuY, IDM_ICON_COLOR_MENU); return false;
    case kFieldPath:
        if (row.rowOption == kPickerImageMenu) {
            TrackPopupMenuById(dialog, kFieldMenuX, kFieldMenuY, IDM_IMAGE_MENU);
            return false;
        }
        g_FilePicker.chosenPath = FolderOf(row.textValue);
        if (!ShowFilePickerDlg(dialog, row.rowOption) || g_FilePicker.chosenPath.empty()) return false;
        row.textValue = g_FilePicker.chosenPath;
        return true;
    case kFieldDate: return PickDate(dialog, row.dateValue);
    case kFieldDateOrNone:
        if (row.dateValue.wYear != kNoDateYear) {
            const UINT command = ShowSetDatePopup(dialog);
            if (command == kCmdNoDate) {
                row.dateValue.wYear = kNoDateYear;
                return true;
            }
            if (command != kCmdSetDate) return false;
        }
        return PickDate(dialog, row.dateValue);
    case kFieldTime: {
        LONG hour = row.dateValue.wHour, minute = row.dateValue.wMinute;
        if (!SelectTimeDlg(dialog, hour, minute)) return false;
        row.dateValue.wHour = static_cast<WORD>(g_SelectTime.hour);
        row.dateValue.wMinute = static_cast<WORD>(g_SelectTime.minute);
        return true;
    }
    case kFieldCheckColor: SetCatRowTick(row, !CatRowTicked(row)); return true;
    case kFieldCategories:
        if (!SelectCatsDlg(dialog, row.textValue)) return false;
        row.textValue = g_CatPickerText;
        return true;
    case kFieldSubject:
    case kFieldLocation:
    case kFieldLongText: return EditRowText(dialog, row, row.textValue);
    default:
        if (IsShortText(row.kind)) return EditRowText(dialog, row, row.textValue);
        return false;
    }
}

void EditRowAt(HWND list, int index) {
    if (index < 0 || index >= FieldListRows().Size()) return;
    ValSnap row = FieldListRows()[index];
    if (row.locked != 0) return;
    if (RunRowEditor(GetParent(list), row)) StoreFieldRow(list, index, row);
    SetFocus(list);
}

// The category colour of a kind-13 row, offered as the picker's start colour.
bool PickCatRowColor(HWND dialog, ValSnap& row) {
    if (!PickColorDlg(dialog, CatPickerStartColour(static_cast<COLORREF>(row.plainValue)), kCatColorPalette)) return false;
    row.plainValue = static_cast<LONG>(PickedColor);
    return true;
}

void TapRow(HWND list, int index, int x) {
    ValSnap row = FieldListRows()[index];
    if (row.locked != 0 || row.kind == kFieldHeader || row.kind == kFieldLabelOnly) return;
    const RowZones zones = GetRowZones(list, index, row);
    switch (row.kind) {
    case kFieldCheck:
        if (x < zones.checkLeft) return;
        row.plainValue = row.plainValue ? 0 : 1;
        StoreFieldRow(list, index, row);
        return;
    case kFieldChoice:
    case kFieldNumbered: {
        if (x < zones.arrowsLeft || x > zones.arrowsRight) return;
        const bool forward = row.kind == kFieldNumbered || x >= (zones.arrowsLeft + zones.arrowsRight) / 2;
        if (row.kind == kFieldNumbered) ValSnapNext(row);
        else if (forward) ValSnapListNext(row);
        else ValSnapListPrev(row);
        StoreFieldRow(list, index, row);
        return;
    }
    case kFieldCheckColor:
        if (x < zones.iconRight) {
            SetCatRowTick(row, !CatRowTicked(row));
            StoreFieldRow(list, index, row);
        } else if (x >= zones.swatchLeft) {
            if (PickCatRowColor(GetParent(list), row)) StoreFieldRow(list, index, row);
        } else if (x >= zones.styleLeft) {
            EditCatStyle(GetParent(list), GetDlgCtrlID(list));
        }
        return;
    default:
        if (x >= zones.valueLeft) EditRowAt(list, index);
        return;
    }
}

int RowAtPoint(HWND list, int x, int y) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    const int row = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return row >= 0 && row < FieldListRows().Size() ? row : -1;
}

LRESULT SettingsListPenDown(HWND list, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const int row = RowAtPoint(list, x, y);
    if (row >= 0) {
        LvSelectRow(list, row);
        FieldRowTap(list, row, x, y);
    }
    SetFocus(list);
    ListTapStart(list, POINT{x, y});
    return 0;
}

LRESULT OnDoubleTap(HWND list, LPARAM lParam) {
    const int index = FieldListSelRow(list);
    if (index < 0) return 0;
    const ValSnap& row = FieldListRows()[index];
    const int x = static_cast<short>(LOWORD(lParam));
    const RowZones zones = GetRowZones(list, index, row);
    const bool onArrows = row.kind == kFieldChoice && x >= zones.arrowsLeft && x <= zones.arrowsRight;
    if (row.kind != kFieldCheckColor && !onArrows) EditRowAt(list, index);
    // Taps that queued up while the editor ran belong to it, not to the rows now under them.
    PumpMessagesSkipPen();
    return 0;
}

LRESULT OnListKey(HWND list, UINT message, WPARAM key, LPARAM lParam) {
    const HWND dialog = GetParent(list);
    const int id = GetDlgCtrlID(list);
    switch (key) {
    case VK_UP: FieldListUp(dialog, id, true); return 0;
    case VK_DOWN: FieldListDown(dialog, id, true); return 0;
    case VK_RETURN:
        // A dialog that takes Enter itself (the categories picker ends like Done) says so first.
        if (SendMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0)) return 0;
        EditFieldRow(dialog, id);
        return 0;
    case VK_LEFT: FieldRowDecrease(dialog, id); return 0;
    case VK_RIGHT: FieldRowIncrease(dialog, id); return 0;
    }
    return CallPrevWndProc(list, message, key, lParam);
}

// Enter stays with the list: the options dialog has no default button to press.
LRESULT OnDlgCode(const MSG* message) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    if (message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTALLKEYS;
    return code;
}

// Nothing is selected until the list gets the focus; then the first selectable row is.
LRESULT OnListFocus(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallPrevWndProc(list, message, wParam, lParam);
    if (FieldListSelRow(list) < 0 && FieldListHasRows()) FieldListDown(GetParent(list), GetDlgCtrlID(list), false);
    return result;
}

// A character no row takes is offered to the dialog (a number typed into a number row).
LRESULT OnListChar(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND dialog = GetParent(list);
    if (FieldRowChar(dialog, GetDlgCtrlID(list), static_cast<WCHAR>(wParam))) return 0;
    if (SendMessageW(dialog, kMsgFieldRowChar, wParam, 0)) return 0;
    return CallPrevWndProc(list, message, wParam, lParam);
}

}  // namespace

void EditFieldRow(HWND dialog, int listId) {
    const HWND list = GetDlgItem(dialog, listId);
    EditRowAt(list, FieldListSelRow(list));
}

void FieldRowTap(HWND list, int row, int x, int /*y*/) {
    if (row < 0 || row >= FieldListRows().Size()) return;
    TapRow(list, row, x);
}

bool FieldRowChar(HWND dialog, int listId, WCHAR ch) {
    if (ch < kFirstTypedChar || ch > kLastTypedChar) return false;
    for (const WCHAR skipped : kSkippedChars) {
        if (ch == skipped) return false;
    }
    const HWND list = GetDlgItem(dialog, listId);
    const int index = FieldListSelRow(list);
    if (index < 0) return false;
    ValSnap row = FieldListRows()[index];
    if (row.locked != 0 || !IsTypedTextKind(row.kind)) return false;
    // Every automatic-capitals mode capitalises the start of a text.
    const bool capital = g_Settings.autoCaps == kAutoCapsEveryWord || g_Settings.autoCaps == kAutoCapsFirstWord;
    const WCHAR first = capital ? towupper(ch) : ch;
    if (EditRowText(dialog, row, std::u16string(1, first))) StoreFieldRow(list, index, row);
    return true;
}

LRESULT CALLBACK SettingsListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: return SettingsListPenDown(window, lParam);
    // Dragging over the rows scrolls them; a leftward swipe is Back, as in the item lists.
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (message == WM_MOUSEMOVE) ListTapMove(window, point);
        else ListTapEnd(window, point);
        return result;
    }
    case WM_LBUTTONDBLCLK: return OnDoubleTap(window, lParam);
    case WM_KEYDOWN: return OnListKey(window, message, wParam, lParam);
    case WM_GETDLGCODE: return OnDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_CHAR: return OnListChar(window, message, wParam, lParam);
    case WM_SETFOCUS: return OnListFocus(window, message, wParam, lParam);
    case WM_ERASEBKGND: EraseListBkgnd(reinterpret_cast<HDC>(wParam), window); return 1;
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}
