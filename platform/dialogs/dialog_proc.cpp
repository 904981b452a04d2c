// DefDlgProcW: every message goes first to the dialog's procedure; what it leaves is handled here:
// the focus kept across activation, the default push button (DM_GETDEFID, DM_SETDEFID), moving the
// focus (WM_NEXTDLGCTL), WM_CLOSE as Cancel, and the end of the dialog's record.
#include <mutex>

#include "dialogs/dialog_state.h"
#include "platform/gdi.h"
#include "platform/text.h"

namespace platform {
namespace {

// Messages whose answer is what the dialog procedure returns, not DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG: return true;
    default: return false;
    }
}

HWND FirstTabItem(HWND dialog) { return GetNextDlgTabItem(dialog, nullptr, FALSE); }

// The push button that Enter presses: the one set with DM_SETDEFID, else a BS_DEFPUSHBUTTON child.
LRESULT GetDefId(HWND dialog, const DialogState& state) {
    if (state.defaultId) return MAKELRESULT(state.defaultId, DC_HASDEFID);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return MAKELRESULT(GetDlgCtrlID(child), DC_HASDEFID);
    return 0;
}

LRESULT SetDefId(HWND dialog, DialogState& state, int id) {
    const LRESULT previous = GetDefId(dialog, state);
    if (HIWORD(previous) == DC_HASDEFID)
        if (const HWND old = GetDlgItem(dialog, LOWORD(previous)); old && (SendMessageW(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    state.defaultId = id;
    if (const HWND button = GetDlgItem(dialog, id); button && (SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    return TRUE;
}

LRESULT NextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = nullptr;
    if (LOWORD(lParam)) target = reinterpret_cast<HWND>(wParam);
    else target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    if (target && IsChild(dialog, target)) FocusControl(target, true);
    return 0;
}

void RestoreFocus(HWND dialog, DialogState& state) {
    const HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus)) return;
    const HWND target = state.savedFocus && IsWindow(state.savedFocus) && IsChild(dialog, state.savedFocus)
                            ? state.savedFocus
                            : FirstTabItem(dialog);
    if (target) FocusControl(target, !state.savedFocus);
}

// Dialogs are white with black text unless their procedure says otherwise (WM_CTLCOLORDLG).
LRESULT EraseBackground(HWND dialog, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(dialog)));
    if (!brush) brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT box{};
    if (GetClipBox(dc, &box) == ERROR) GetClientRect(dialog, &box);
    FillRect(dc, &box, brush);
    return 1;
}

LRESULT DefaultColours(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT DefaultHandling(HWND dialog, DialogState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return wParam ? EraseBackground(dialog, reinterpret_cast<HDC>(wParam)) : 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return wParam ? DefaultColours(reinterpret_cast<HDC>(wParam)) : 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(dialog, focus)) state.savedFocus = focus;
        } else {
            RestoreFocus(dialog, state);
        }
        return 0;
    case WM_SETFOCUS: RestoreFocus(dialog, state); return 0;
    case WM_CLOSE: {
        const HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel)) return 0;
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case DM_GETDEFID: return GetDefId(dialog, state);
    case DM_SETDEFID: return SetDefId(dialog, state, static_cast<int>(wParam));
    case WM_NEXTDLGCTL: return NextControl(dialog, wParam, lParam);
    case WM_NCDESTROY: ForgetDialog(dialog); return DefWindowProcW(dialog, message, wParam, lParam);
    }
    return DefWindowProcW(dialog, message, wParam, lParam);
}

}  // namespace

void EnsureDialogClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardControls();
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = DefDlgProcW;
        wc.cbWndExtra = kDialogExtraBytes;
        wc.lpszClassName = WC_DIALOG;
        RegisterClassW(&wc);
    });
}

}  // namespace platform

using namespace platform;

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto state = FindDialog(dialog);
    if (!state) return DefWindowProcW(dialog, message, wParam, lParam);
    if (const DLGPROC proc = CurrentDialogProc(dialog, *state)) {
        const DWORD error = GetLastError();
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        SetLastError(error);
        const INT_PTR handled = proc(dialog, message, wParam, lParam);
        if (handled) {
            if (AnswersDirectly(message)) return handled;
            return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        }
        // The procedure may have destroyed the dialog.
        if (!FindDialog(dialog)) return 0;
    }
    return DefaultHandling(dialog, *state, message, wParam, lParam);
}
