// The select-date grid: the month calendar of the chosen date, moved by the arrow keys, with the
// month picture kept between paints and redrawn only when the month changes.
#include <algorithm>

#include "calendar/calendar_nav.h"
#include "calendar/month_view.h"
#include "calendar/select_date_grid.h"
#include "core/date_rec.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/date_pickers.h"
#include "ui/dialog_conventions.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/subclass.h"
#include "ui/text_links.h"
#include "ui/theme_colors.h"
#include "ui/themed_bars.h"
#include "ui/view_focus.h"

namespace {

struct GridPlace {
    LONG left, top, width, height;
};
constexpr GridPlace kGridQvgaLandscape{2, 24, 318, 183};
constexpr GridPlace kGridQvgaPortrait{0, 25, 240, 266};
constexpr GridPlace kGridQvgaSquare{0, 27, 240, 183};
constexpr GridPlace kGridOther{0, 20, 176, 180};
constexpr int kTitleTop = 3;
constexpr int kTitleTextTop = 5;

using DateStepper = void (*)(LONG&, LONG&, LONG&, int);

// A day step on the grid's words; a new month is loaded by the stepper and drawn afresh here.
void StepGrid(HWND dialog, DateStepper step) {
    SelectDateGrid& g = g_SelectDateGrid;
    const LONG month = g.month;
    step(g.year, g.month, g.day, 0);
    if (g.month != month) g_SelectDateGridView.picture.drawn = 0;
    InvalidateRect(dialog, nullptr, FALSE);
}

void ToToday(HWND dialog) {
    DateRec today;
    DateNow(today);
    SelectDateGrid& g = g_SelectDateGrid;
    if (g.year == today.wYear && g.month == today.wMonth && g.day == today.wDay) return;
    const bool newMonth = g.year != today.wYear || g.month != today.wMonth;
    g = SelectDateGrid{today.wMonth, today.wDay, today.wYear};
    if (newMonth) {
        g_SelectDateGridView.picture.drawn = 0;
        if (g_MonthCacheReload) ReLoadApptPOOM(g.year, g.month, 0);
    }
    InvalidateRect(dialog, nullptr, FALSE);
}

void EndGrid(HWND dialog, INT_PTR result) {
    ReleaseOffscreen(g_SelectDateGridView.picture);
    EndDialog(dialog, result);
}

INT_PTR OnGridCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: EndGrid(dialog, kDlgAccept); return TRUE;
    case IDCANCEL:
    case kDlgCancel: EndGrid(dialog, id); return TRUE;
    }
    return FALSE;
}

INT_PTR OnGridInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return FALSE;
    }
    SetTitleText(dialog, LoadResString(IDS_SELECT_DATE).c_str());
    SetSelectDateGridLayout();
    const HWND control = GetDlgItem(dialog, IDC_PICKER_FOCUS);
    SubclassSelectDateGridCtl(control);
    SetFocus(control);
    return FALSE;
}

}  // namespace

bool SelectDateGridDlg(HWND parent, LONG year, LONG month, LONG day) {
    g_SelectDateGrid = SelectDateGrid{month, day, year};
    g_MonthCacheReload = 1;
    return RunProgramDialog(IDD_SELECT_DATE_GRID, parent, SelectDateGridDlgProc) == kDlgAccept;
}

void SetSelectDateGridLayout() {
    GridPlace place = kGridOther;
    if (IsQvgaScreen()) {
        if (IsLandscapeScreen())
            place = kGridQvgaLandscape;
        else if (IsPortraitScreen())
            place = kGridQvgaPortrait;
        else
            place = kGridQvgaSquare;
    }
    SelectDateGridView& v = g_SelectDateGridView;
    v.left = place.left;
    v.top = place.top;
    v.width = place.width;
    v.height = place.height;
}

void DrawSelectDateGridTitle(HDC dc) {
    const SelectDateGridView& v = g_SelectDateGridView;
    RECT band{v.left, kTitleTop, v.width, v.top - kTitleTop};
    DrawThemedBackground(dc, band, true, false, false, false);
    const std::u16string title = platform::FormatW(u"%s %d", GetMonthName(static_cast<int>(g_SelectDateGrid.month)).c_str(),
                                                   static_cast<int>(g_SelectDateGrid.year));
    const SelectScope font(dc, g_Main.themeFonts[kFontList]);
    SIZE size{};
    GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &size);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColor(kThemeTextColor));
    DrawStrAt(dc, (v.width - v.left) / 2 - size.cx / 2, kTitleTextTop, title, 0);
}

void PaintSelectDateGrid(HWND dialog, HDC dc) {
    SelectDateGridView& v = g_SelectDateGridView;
    const SelectDateGrid& g = g_SelectDateGrid;
    const LONG right = v.left + v.width;
    const LONG bottom = v.top + v.height;
    if (!v.picture.valid) {
        RECT view{};
        GetViewClientRect(g_Frame.mainWnd ? g_Frame.mainWnd : dialog, view);
        const int width = std::max<int>(view.right - view.left, right);
        const int height = std::max<int>(view.bottom - view.top, bottom);
        if (!CreateOffscreen(v.picture, dc, width, height)) return;
    }
    if (!v.picture.drawn) {
        DrawMonthCalGrid(v.picture.memDC, v.left, v.top, right, bottom, g.year, g.month);
        DrawSelectDateGridTitle(v.picture.memDC);
        v.picture.drawn = 1;
    }
    BitBlt(dc, 0, 0, v.picture.width, v.picture.height, v.picture.memDC, 0, 0, SRCCOPY);
    DrawMonthMarks(dc, g.year, g.month, g.day, v.left, v.top, right, bottom);
}

int SelectDateGridKey(HWND dialog, UINT key) {
    switch (key) {
    case VK_RIGHT: StepGrid(dialog, DateStepFwd); return 1;
    case VK_LEFT: StepGrid(dialog, DateStepBack); return 1;
    case VK_DOWN: StepGrid(dialog, DateNextWeek); return 1;
    case VK_UP: StepGrid(dialog, DatePrevWeek); return 1;
    case VK_RETURN: EndGrid(dialog, kDlgAccept); return 1;
    }
    return 0;
}

LRESULT CALLBACK SelectDateGridCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (!msg || msg->message != WM_KEYDOWN) return CallPrevWndProc(control, message, wParam, lParam);
        SelectDateGridKey(GetParent(control), static_cast<UINT>(msg->wParam));
        return 1;
    }
    if (message == WM_CHAR) {
        switch (wParam) {
        case u'E':
        case u'e':
        case u'2': ToToday(GetParent(control)); break;
        }
        return 0;
    }
    return CallPrevWndProc(control, message, wParam, lParam);
}

HRESULT SubclassSelectDateGridCtl(HWND control) { return InstallSubclass(control, SelectDateGridCtlProc); }

INT_PTR CALLBACK SelectDateGridDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnGridInit(dialog);
    case WM_COMMAND: return OnGridCommand(dialog, LOWORD(wParam));
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(dialog, &paint);
        PaintSelectDateGrid(dialog, dc);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_ERASEBKGND: return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
