// The date and time picker's window procedure: its value ("no date" with DTS_SHOWNONE), its format,
// the keys and taps that change one field at a time, and DTN_DATETIMECHANGE to the parent.
#include <algorithm>

#include "commctrl/controls.h"
#include "commctrl/date_picker.h"
#include "commctrl/paint_support.h"
#include "platform/time.h"

namespace platform::commctrl {
namespace {

constexpr int kMaxTypedDigits = 4;

bool ShowsNone(const DatePicker& dp) { return GetWindowLongW(dp.hwnd, GWL_STYLE) & DTS_SHOWNONE; }

bool TextFits(const DatePicker& dp) {
    RECT rc{};
    GetClientRect(dp.hwnd, &rc);
    const std::vector<RECT> rects = FieldRects(dp);
    return rects.empty() || rects.back().right + kTextMargin <= rc.right;
}

// A time picker on its default format drops the seconds when they would be cut at its right edge.
void FitDefaultTimeFormat(DatePicker& dp) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(dp.hwnd, GWL_STYLE));
    if (!dp.customFormat.empty() || (style & DTS_TIMEFORMAT) != DTS_TIMEFORMAT) return;
    const DateField current = dp.field >= 0 ? dp.parts[static_cast<std::size_t>(dp.field)].field : DateField::Literal;
    dp.parts = ParseFormat(DefaultFormat(style));
    if (!TextFits(dp)) dp.parts = ParseFormat(ShortTimeFormat());
    dp.field = -1;
    for (std::size_t i = 0; i < dp.parts.size() && dp.field < 0; ++i)
        if (dp.parts[i].field == current) dp.field = static_cast<int>(i);
    for (std::size_t i = 0; i < dp.parts.size() && dp.field < 0; ++i)
        if (IsEditableField(dp.parts[i])) dp.field = static_cast<int>(i);
}

void Rebuild(DatePicker& dp) {
    const std::u16string format =
        dp.customFormat.empty() ? DefaultFormat(static_cast<DWORD>(GetWindowLongW(dp.hwnd, GWL_STYLE))) : dp.customFormat;
    dp.parts = ParseFormat(format);
    dp.field = -1;
    for (std::size_t i = 0; i < dp.parts.size() && dp.field < 0; ++i)
        if (IsEditableField(dp.parts[i])) dp.field = static_cast<int>(i);
    FitDefaultTimeFormat(dp);
    dp.typed = 0;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
}

void Refit(DatePicker& dp) {
    FitDefaultTimeFormat(dp);
    dp.typed = 0;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
}

void KeepInRange(DatePicker& dp) {
    if ((dp.rangeFlags & GDTR_MIN) && CompareTimes(dp.time, dp.minTime) < 0) dp.time = dp.minTime;
    if ((dp.rangeFlags & GDTR_MAX) && CompareTimes(dp.time, dp.maxTime) > 0) dp.time = dp.maxTime;
}

void NotifyChange(DatePicker& dp) {
    NMDATETIMECHANGE nm{};
    nm.dwFlags = dp.hasValue ? GDT_VALID : GDT_NONE;
    nm.st = dp.time;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
    SendNotify(dp.hwnd, DTN_DATETIMECHANGE, &nm.nmhdr);
}

// A change by the user on a picker without a value gives it one first.
void TakeValue(DatePicker& dp) { dp.hasValue = true; }

void MoveField(DatePicker& dp, int direction) {
    const int n = static_cast<int>(dp.parts.size());
    if (n == 0 || dp.field < 0) return;
    for (int step = 1; step <= n; ++step) {
        const int i = ((dp.field + direction * step) % n + n) % n;
        if (IsEditableField(dp.parts[static_cast<std::size_t>(i)])) {
            dp.field = i;
            break;
        }
    }
    dp.typed = 0;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
}

void Step(DatePicker& dp, int delta) {
    if (dp.field < 0) return;
    TakeValue(dp);
    StepField(dp.time, dp.parts[static_cast<std::size_t>(dp.field)].field, delta);
    KeepInRange(dp);
    dp.typed = 0;
    NotifyChange(dp);
}

void ToggleCheck(DatePicker& dp) {
    dp.hasValue = !dp.hasValue;
    NotifyChange(dp);
}

LRESULT OnGetTime(const DatePicker& dp, SYSTEMTIME* out) {
    if (!out) return GDT_ERROR;
    if (!dp.hasValue) return GDT_NONE;
    *out = dp.time;
    return GDT_VALID;
}

LRESULT OnSetTime(DatePicker& dp, WPARAM flag, const SYSTEMTIME* time) {
    if (flag == GDT_NONE) {
        if (!ShowsNone(dp)) return FALSE;
        dp.hasValue = false;
    } else if (flag == GDT_VALID) {
        if (!time || !ValidTime(*time)) return FALSE;
        dp.time = *time;
        dp.time.wDayOfWeek = DayOfWeek(time->wYear, time->wMonth, time->wDay);
        dp.time.wMilliseconds = 0;
        dp.hasValue = true;
    } else {
        return FALSE;
    }
    dp.typed = 0;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT OnSetRange(DatePicker& dp, DWORD flags, const SYSTEMTIME* range) {
    if (!range && flags) return FALSE;
    if ((flags & GDTR_MIN) && !ValidTime(range[0])) return FALSE;
    if ((flags & GDTR_MAX) && !ValidTime(range[1])) return FALSE;
    dp.rangeFlags = flags & (GDTR_MIN | GDTR_MAX);
    if (flags & GDTR_MIN) dp.minTime = range[0];
    if (flags & GDTR_MAX) dp.maxTime = range[1];
    KeepInRange(dp);
    return TRUE;
}

LRESULT OnGetRange(const DatePicker& dp, SYSTEMTIME* range) {
    if (!range) return 0;
    range[0] = dp.rangeFlags & GDTR_MIN ? dp.minTime : SYSTEMTIME{};
    range[1] = dp.rangeFlags & GDTR_MAX ? dp.maxTime : SYSTEMTIME{};
    return static_cast<LRESULT>(dp.rangeFlags);
}

LRESULT OnKeyDown(DatePicker& dp, WPARAM key) {
    switch (key) {
    case VK_SPACE:
        if (ShowsNone(dp)) ToggleCheck(dp);
        return 0;
    case VK_LEFT: MoveField(dp, -1); return 0;
    case VK_RIGHT: MoveField(dp, 1); return 0;
    case VK_UP: Step(dp, 1); return 0;
    case VK_DOWN: Step(dp, -1); return 0;
    default: return 0;
    }
}

LRESULT OnChar(DatePicker& dp, WCHAR c) {
    if (dp.field < 0) return 0;
    const DateField field = dp.parts[static_cast<std::size_t>(dp.field)].field;
    if (field == DateField::AmPm) {
        const bool pm = c == u'p' || c == u'P';
        if (!pm && c != u'a' && c != u'A') return 0;
        TakeValue(dp);
        if ((dp.time.wHour >= 12) != pm) dp.time.wHour = static_cast<WORD>((dp.time.wHour + 12) % 24);
        NotifyChange(dp);
        return 0;
    }
    if (c < u'0' || c > u'9') return 0;
    const int digit = c - u'0';
    TakeValue(dp);
    // Digits build up a value; one that cannot be had starts anew from the digit.
    const int candidate = dp.typed > 0 ? dp.typedValue * 10 + digit : digit;
    SYSTEMTIME t = dp.time;
    if (dp.typed > 0 && dp.typed < kMaxTypedDigits && (SetFieldValue(t, field, candidate) || field == DateField::Year)) {
        dp.typedValue = candidate;
        ++dp.typed;
    } else {
        t = dp.time;
        dp.typedValue = digit;
        dp.typed = 1;
    }
    if (SetFieldValue(t, field, dp.typedValue)) {
        dp.time = t;
        KeepInRange(dp);
    }
    if (dp.typed >= kMaxTypedDigits || (field != DateField::Year && dp.typedValue * 10 > 99)) dp.typed = 0;
    NotifyChange(dp);
    return 0;
}

LRESULT OnButtonDown(DatePicker& dp, POINT point) {
    if (GetFocus() != dp.hwnd) SetFocus(dp.hwnd);
    if (dp.destroyed) return 0;
    const RECT box = CheckBoxRect(dp);
    if (ShowsNone(dp) && PtInRect(&box, point)) {
        ToggleCheck(dp);
        return 0;
    }
    const std::vector<RECT> rects = FieldRects(dp);
    for (std::size_t i = 0; i < rects.size() && i < dp.parts.size(); ++i)
        if (IsEditableField(dp.parts[i]) && PtInRect(&rects[i], point)) {
            dp.field = static_cast<int>(i);
            dp.typed = 0;
            InvalidateRect(dp.hwnd, nullptr, TRUE);
        }
    return 0;
}

LRESULT OnFocus(DatePicker& dp, bool gained) {
    dp.hasFocus = gained;
    dp.typed = 0;
    InvalidateRect(dp.hwnd, nullptr, TRUE);
    SendSimpleNotify(dp.hwnd, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    return 0;
}

LRESULT OnPaint(DatePicker& dp) {
    PaintScope paint(dp.hwnd);
    if (paint.Dc()) PaintPicker(dp, paint.Dc(), paint.Area());
    return 0;
}

LRESULT OnPrintClient(DatePicker& dp, HDC dc) {
    RECT rc{};
    GetClientRect(dp.hwnd, &rc);
    if (dc) PaintPicker(dp, dc, rc);
    return 0;
}

void InitPicker(DatePicker& dp) {
    GetLocalTime(&dp.time);
    dp.time.wMilliseconds = 0;
    Rebuild(dp);
}

LRESULT Dispatch(DatePicker& dp, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case DTM_GETSYSTEMTIME: return OnGetTime(dp, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETSYSTEMTIME: return OnSetTime(dp, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_SETRANGE: return OnSetRange(dp, static_cast<DWORD>(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE: return OnGetRange(dp, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETFORMATW:
        dp.customFormat = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        Rebuild(dp);
        return TRUE;
    case WM_GETTEXT: return CopyOut(dp.hasValue ? DisplayText(dp) : u"", reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH: return dp.hasValue ? static_cast<LRESULT>(DisplayText(dp).size()) : 0;
    case WM_SETTEXT: return FALSE;
    case WM_STYLECHANGED: Rebuild(dp); return 0;
    case WM_ENABLE: InvalidateRect(dp.hwnd, nullptr, TRUE); return 0;
    case WM_SETFONT: dp.font = reinterpret_cast<HFONT>(wParam); Refit(dp); return 0;
    case WM_SIZE: Refit(dp); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(dp.font);
    case WM_SETFOCUS: return OnFocus(dp, true);
    case WM_KILLFOCUS: return OnFocus(dp, false);
    case WM_GETDLGCODE: return kDlgWantArrows | kDlgWantChars;
    case WM_KEYDOWN: return OnKeyDown(dp, wParam);
    case WM_CHAR: return OnChar(dp, static_cast<WCHAR>(wParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(dp, PointFromLParam(lParam));
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint(dp);
    case WM_PRINTCLIENT: return OnPrintClient(dp, reinterpret_cast<HDC>(wParam));
    default: return DefWindowProcW(dp.hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK DatePickerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc<DatePicker, Dispatch, InitPicker>(hwnd, message, wParam, lParam);
}

}  // namespace platform::commctrl
