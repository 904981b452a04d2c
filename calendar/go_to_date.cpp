// The go-to-date wheel: day, month and year boxes in "DATEFORMAT" order, stepped by keys, taps,
// drags and digits; Enter opens the select-date grid on the wheel's date.
#include <algorithm>

#include "calendar/go_to_date.h"
#include "calendar/pending_view.h"
#include "calendar/select_date_grid.h"
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/date_pickers.h"
#include "ui/dialog_conventions.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"
#include "ui/wheel_paint.h"


namespace {

enum class DateField { kDay, kMonth, kYear };

// "DATEFORMAT" values that put the day first: "DD/MM/YYYY" and "DD.MM.YYYY".
constexpr LONG kDayFirstFormats[] = {0, 3};
constexpr LONG kYearColumn = 2;
constexpr int kMonthsPerYear = 12;

DateField FieldOfColumn(LONG column) {
    if (column == kYearColumn) return DateField::kYear;
    const bool dayFirst = GoToDateDayFirst() != 0;
    return (column == 0) == dayFirst ? DateField::kDay : DateField::kMonth;
}

LONG LastDay(LONG year, LONG month) { return DaysInMonth(DateRec(static_cast<int>(year), static_cast<int>(month), 1)); }

void CutDay() { g_GoToDate.day = std::min(g_GoToDate.day, LastDay(g_GoToDate.year, g_GoToDate.month)); }

void Step(int sign) {
    GoToDateWheel& w = g_GoToDate;
    switch (FieldOfColumn(w.column)) {
    case DateField::kDay: {
        const LONG last = LastDay(w.year, w.month);
        w.day += sign;
        if (w.day > last) w.day = 1;
        if (w.day < 1) w.day = last;
        break;
    }
    case DateField::kMonth:
        w.month += sign;
        if (w.month > kMonthsPerYear) w.month = 1;
        if (w.month < 1) w.month = kMonthsPerYear;
        CutDay();
        break;
    case DateField::kYear:
        w.year += sign;
        if (w.year > kWheelLastYear) w.year = kWheelFirstYear;
        if (w.year < kWheelFirstYear) w.year = kWheelLastYear;
        CutDay();
        break;
    }
}

void Repaint(HWND dialog) { InvalidateRect(dialog, nullptr, FALSE); }

DateRec Today() {
    DateRec now;
    DateNow(now);
    return now;
}

void EndWheel(HWND dialog, INT_PTR result) {
    ApplyPendingViewChange();
    EndDialog(dialog, result);
}

INT_PTR OnGoToDateCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: EndWheel(dialog, kDlgAccept); return TRUE;
    case kDlgCancel: EndWheel(dialog, kDlgCancel); return TRUE;
    case IDCANCEL: EndWheel(dialog, IDCANCEL); return TRUE;
    case IDM_GO_TO_TODAY: GoToDateToday(dialog); return TRUE;
    }
    return FALSE;
}

}  // namespace

int GoToDateDayFirst() {
    return std::find(std::begin(kDayFirstFormats), std::end(kDayFirstFormats), g_Settings.dateFormat) !=
                   std::end(kDayFirstFormats)
               ? 1
               : 0;
}

bool GoToDateDlg(HWND parent, LONG year, LONG month, LONG day) {
    if (year == 0 || year == kNoDateYear) {
        const DateRec today = Today();
        year = today.wYear;
        month = today.wMonth;
        day = today.wDay;
    }
    g_GoToDate.year = year;
    g_GoToDate.month = month;
    g_GoToDate.day = day;
    g_GoToDate.column = GoToDateDayFirst() ? 0 : 1;
    return RunProgramDialog(IDD_GO_TO_DATE, parent, GoToDateDlgProc) == kDlgAccept;
}

void GoToDateStepUp() { Step(1); }
void GoToDateStepDown() { Step(-1); }

void GoToDateToday(HWND dialog) {
    const DateRec today = Today();
    g_GoToDate.year = today.wYear;
    g_GoToDate.month = today.wMonth;
    g_GoToDate.day = today.wDay;
    Repaint(dialog);
}

void InitGoToDateMenu(HMENU menu) {
    const DateRec today = Today();
    const bool onToday =
        g_GoToDate.year == today.wYear && g_GoToDate.month == today.wMonth && g_GoToDate.day == today.wDay;
    EnableMenuItem(menu, IDM_GO_TO_TODAY, MF_BYCOMMAND | (onToday ? MF_GRAYED : MF_ENABLED));
}

void GoToDateDigit(HWND dialog, int digit) {
    GoToDateWheel& w = g_GoToDate;
    switch (FieldOfColumn(w.column)) {
    case DateField::kDay:
        if (w.day > 3) {
            if (digit != 0) w.day = digit;
        } else if (w.day * 10 + digit <= LastDay(w.year, w.month)) {
            w.day = w.day * 10 + digit;
        }
        break;
    case DateField::kMonth:
        if (w.month > 1) {
            if (digit != 0) w.month = digit;
        } else if (w.month * 10 + digit < 13) {
            w.month = w.month * 10 + digit;
        }
        CutDay();
        break;
    case DateField::kYear: break;
    }
    Repaint(dialog);
}

int GoToDateKey(HWND dialog, UINT key) {
    GoToDateWheel& w = g_GoToDate;
    switch (key) {
    case VK_UP: GoToDateStepUp(); break;
    case VK_DOWN: GoToDateStepDown(); break;
    case VK_LEFT: w.column = w.column == 0 ? kYearColumn : w.column - 1; break;
    case VK_RIGHT: w.column = w.column == kYearColumn ? 0 : w.column + 1; break;
    case VK_RETURN:
        if (SelectDateGridDlg(dialog, w.year, w.month, w.day)) {
            w.year = g_SelectDateGrid.year;
            w.month = g_SelectDateGrid.month;
            w.day = g_SelectDateGrid.day;
        }
        break;
    default: return 0;
    }
    Repaint(dialog);
    return 1;
}

void GoToDateTapDown(HWND dialog, int x, int y) {
    WheelTap& tap = g_GoToDate.tap;
    tap = WheelTap{x, y, 0, 0};
    const int column = WheelHitColumn(ComputeWheelLayout(dialog, WheelKind::kGoToDate), x, y);
    if (column < 0) return;
    if (column != g_GoToDate.column) tap.columnChanged = 1;
    g_GoToDate.column = column;
    RedrawNow(dialog);
    tap.active = 1;
}

void GoToDateTapUp(HWND dialog, int, int y) {
    const WheelTap& tap = g_GoToDate.tap;
    if (tap.x < 0 && tap.y < 0) return;
    const LONG d = y - tap.y;
    if (d > kWheelDragSlack)
        GoToDateStepDown();
    else if (d < -kWheelDragSlack)
        GoToDateStepUp();
    else if (tap.active && !tap.columnChanged)
        GoToDateStepUp();
    else
        return;
    Repaint(dialog);
}

void PaintGoToDate(HWND dialog, HDC dc) {
    const GoToDateWheel& w = g_GoToDate;
    const bool dayFirst = GoToDateDayFirst() != 0;
    const auto number = [](LONG value) { return platform::FormatW(u"%d", static_cast<int>(value)); };
    const std::array<std::u16string, kWheelMaxColumns> texts{number(dayFirst ? w.day : w.month),
                                                             number(dayFirst ? w.month : w.day), number(w.year)};
    PaintWheel(dialog, dc, ComputeWheelLayout(dialog, WheelKind::kGoToDate), static_cast<int>(w.column), texts,
               false);
}

LRESULT CALLBACK GoToDateCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (!msg || msg->message != WM_KEYDOWN) return CallPrevWndProc(control, message, wParam, lParam);
        GoToDateKey(GetParent(control), static_cast<UINT>(msg->wParam));
        return 1;
    }
    if (message == WM_CHAR) {
        const WCHAR digit = TypedDigit(wParam);
        if (digit >= u'0' && digit <= u'9') {
            GoToDateDigit(GetParent(control), digit - u'0');
            return 0;
        }
    }
    return CallPrevWndProc(control, message, wParam, lParam);
}

HRESULT SubclassGoToDateCtl(HWND control) { return InstallSubclass(control, GoToDateCtlProc); }

INT_PTR CALLBACK GoToDateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (InitWheelDialog(dialog, IDM_GO_TO_DATE_BAR, IDS_SELECT_DATE, SubclassGoToDateCtl))
            g_GoToDate.tap = WheelTap{};
        return FALSE;
    case WM_COMMAND: return OnGoToDateCommand(dialog, LOWORD(wParam));
    case WM_INITMENUPOPUP: InitGoToDateMenu(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_LBUTTONDOWN: GoToDateTapDown(dialog, PenX(lParam), PenY(lParam)); return TRUE;
    case WM_LBUTTONUP: GoToDateTapUp(dialog, PenX(lParam), PenY(lParam)); return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(dialog, &paint);
        PaintGoToDate(dialog, dc);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_ERASEBKGND: return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
