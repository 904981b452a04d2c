// The select-time wheel: hour, minute and, on a 12-hour clock, AM/PM boxes, stepped by keys, taps,
// drags, digits and the letters A and P.
#include "core/app_settings.h"
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

SelectTimeWheel g_SelectTime;

namespace {

enum TimeColumn : LONG { kHourColumn = 0, kMinuteColumn = 1, kAmPmColumn = 2 };
constexpr LONG kHoursPerDay = 24;
constexpr LONG kNoon = 12;
constexpr LONG kMinutesPerHour = 60;
constexpr LONG kTapMinutes = 15;

LONG Columns() { return g_Settings.hours24 ? 2 : 3; }

void SwitchAmPm() {
    g_SelectTime.hour += kNoon;
    if (g_SelectTime.hour >= kHoursPerDay) g_SelectTime.hour -= kHoursPerDay;
}

LONG Wrap(LONG value, LONG count) { return (value % count + count) % count; }

void Step(int sign) {
    SelectTimeWheel& w = g_SelectTime;
    switch (w.column) {
    case kHourColumn: w.hour = Wrap(w.hour + sign, kHoursPerDay); break;
    case kMinuteColumn: w.minute = Wrap(w.minute + sign, kMinutesPerHour); break;
    default: SwitchAmPm(); break;
    }
}

void Repaint(HWND dialog) { InvalidateRect(dialog, nullptr, FALSE); }

void HourDigit(int digit) {
    SelectTimeWheel& w = g_SelectTime;
    if (g_Settings.hours24) {
        if (w.hour > 2) {
            if (digit != 0) w.hour = digit;
        } else if (w.hour * 10 + digit < kHoursPerDay) {
            w.hour = w.hour * 10 + digit;
        }
        return;
    }
    const LONG base = w.hour < kNoon ? 0 : kNoon;
    const LONG dial = w.hour - base;
    if (dial > 1) {
        if (digit != 0) w.hour = base + digit;
        return;
    }
    LONG n = dial * 10 + digit;
    if (base == kNoon) {
        if (n != kNoon) n += kNoon;
    } else if (n == kNoon) {
        n = 0;
    }
    if (n < kHoursPerDay) w.hour = n;
}

INT_PTR OnSelectTimeCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: EndDialog(dialog, kDlgAccept); return TRUE;
    case kDlgCancel: EndDialog(dialog, kDlgCancel); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

}  // namespace

bool SelectTimeDlg(HWND parent, LONG hour, LONG minute) {
    g_SelectTime.hour = hour;
    g_SelectTime.minute = minute;
    g_SelectTime.column = kHourColumn;
    return RunProgramDialog(IDD_GO_TO_DATE, parent, SelectTimeDlgProc) == kDlgAccept;
}

void SelectTimeStepUp() { Step(1); }
void SelectTimeStepDown() { Step(-1); }

void SelectTimeTapStep() {
    SelectTimeWheel& w = g_SelectTime;
    switch (w.column) {
    case kHourColumn: w.hour = w.hour >= kHoursPerDay - 1 ? 0 : w.hour + 1; break;
    case kMinuteColumn:
        w.minute += kTapMinutes;
        if (w.minute >= kMinutesPerHour) w.minute -= kMinutesPerHour;
        break;
    default: SwitchAmPm(); break;
    }
}

void SelectTimeDigit(HWND dialog, int digit) {
    SelectTimeWheel& w = g_SelectTime;
    switch (w.column) {
    case kHourColumn: HourDigit(digit); break;
    case kMinuteColumn:
        if (w.minute > 5)
            w.minute = digit;
        else if (w.minute * 10 + digit < kMinutesPerHour)
            w.minute = w.minute * 10 + digit;
        break;
    default: SwitchAmPm(); break;
    }
    Repaint(dialog);
}

int SelectTimeKey(HWND dialog, UINT key) {
    SelectTimeWheel& w = g_SelectTime;
    switch (key) {
    case VK_UP: SelectTimeStepUp(); break;
    case VK_DOWN: SelectTimeStepDown(); break;
    case VK_RETURN: SelectTimeTapStep(); break;
    case VK_LEFT: w.column = Wrap(w.column - 1, Columns()); break;
    case VK_RIGHT: w.column = Wrap(w.column + 1, Columns()); break;
    default: return 0;
    }
    Repaint(dialog);
    return 1;
}

void SelectTimeTapDown(HWND dialog, int x, int y) {
    WheelTap& tap = g_SelectTime.tap;
    tap = WheelTap{x, y, 0, 0};
    const int column = WheelHitColumn(ComputeWheelLayout(dialog, WheelKind::kSelectTime), x, y);
    if (column < 0) return;
    if (column != g_SelectTime.column) tap.columnChanged = 1;
    g_SelectTime.column = column;
    RedrawNow(dialog);
    tap.active = 1;
}

void SelectTimeTapUp(HWND dialog, int, int y) {
    const WheelTap& tap = g_SelectTime.tap;
    if (tap.x < 0 && tap.y < 0) return;
    const LONG d = y - tap.y;
    if (d > kWheelDragSlack)
        SelectTimeStepDown();
    else if (d < -kWheelDragSlack)
        SelectTimeStepUp();
    else if (tap.active && !tap.columnChanged)
        SelectTimeTapStep();
    else
        return;
    Repaint(dialog);
}

void PaintSelectTime(HWND dialog, HDC dc) {
    const SelectTimeWheel& w = g_SelectTime;
    std::array<std::u16string, kWheelMaxColumns> texts;
    if (g_Settings.hours24) {
        texts[0] = platform::FormatW(u"%02d", static_cast<int>(w.hour));
    } else {
        const LONG dial = w.hour % kNoon == 0 ? kNoon : w.hour % kNoon;
        texts[0] = platform::FormatW(u"%d", static_cast<int>(dial));
        texts[2] = w.hour < kNoon ? u"AM" : u"PM";
    }
    texts[1] = platform::FormatW(u"%02d", static_cast<int>(w.minute));
    PaintWheel(dialog, dc, ComputeWheelLayout(dialog, WheelKind::kSelectTime), static_cast<int>(w.column), texts,
               true);
}

LRESULT CALLBACK SelectTimeCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (!msg || msg->message != WM_KEYDOWN) return CallPrevWndProc(control, message, wParam, lParam);
        SelectTimeKey(GetParent(control), static_cast<UINT>(msg->wParam));
        return 1;
    }
    if (message == WM_CHAR) {
        const WCHAR digit = TypedDigit(wParam);
        if (digit >= u'0' && digit <= u'9') {
            SelectTimeDigit(GetParent(control), digit - u'0');
            return 0;
        }
        switch (wParam) {
        case u'A':
        case u'a':
        case u'P':
        case u'p':
            SwitchAmPm();
            Repaint(GetParent(control));
            return 0;
        }
    }
    return CallPrevWndProc(control, message, wParam, lParam);
}

HRESULT SubclassSelectTimeCtl(HWND control) { return InstallSubclass(control, SelectTimeCtlProc); }

INT_PTR CALLBACK SelectTimeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (InitWheelDialog(dialog, IDM_SELECT_CANCEL_BAR, IDS_SELECT_TIME, SubclassSelectTimeCtl))
            g_SelectTime.tap = WheelTap{};
        return FALSE;
    case WM_COMMAND: return OnSelectTimeCommand(dialog, LOWORD(wParam));
    case WM_LBUTTONDOWN: SelectTimeTapDown(dialog, PenX(lParam), PenY(lParam)); return TRUE;
    case WM_LBUTTONUP: SelectTimeTapUp(dialog, PenX(lParam), PenY(lParam)); return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(dialog, &paint);
        PaintSelectTime(dialog, dc);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_ERASEBKGND: return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
