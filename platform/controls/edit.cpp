// The edit control: one line or several (with word wrap), a caret and a selection moved by the
// stylus and the keys, the password, digits-only and letter-case styles, a limit, the modify flag,
// one step of undo, cut/copy/paste, scrolling that keeps the caret in view, and EN_* notifications.
#include "controls/edit.h"

#include <algorithm>
#include <cstring>

#include "controls/scroll_bar.h"
#include "platform/dialogs.h"
#include "platform/text.h"

namespace platform {
namespace {

ControlStates<EditState>& States() {
    static ControlStates<EditState> states;
    return states;
}

// Text cut or copied from any edit of the process.
std::u16string& Clipboard() {
    static std::u16string text;
    return text;
}

bool IsMultiLine(HWND hwnd) { return (StyleOf(hwnd) & ES_MULTILINE) != 0; }
bool IsReadOnly(HWND hwnd) { return (StyleOf(hwnd) & ES_READONLY) != 0; }

// What typing or pasting may put in: case by style, and one line in a single-line edit.
std::u16string Admit(HWND hwnd, std::u16string_view in) {
    std::u16string text(in);
    if (!IsMultiLine(hwnd)) {
        const std::size_t end = text.find_first_of(u"\r\n");
        if (end != std::u16string::npos) text.resize(end);
    }
    const DWORD style = StyleOf(hwnd);
    if (!text.empty() && (style & ES_UPPERCASE)) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    else if (!text.empty() && (style & ES_LOWERCASE)) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

int VisibleLines(HWND hwnd, const EditState& state) {
    const RECT area = EditTextArea(hwnd, state);
    const int lineHeight = std::max(MetricsOf(hwnd, state).lineHeight, 1);
    return std::max(1, static_cast<int>((area.bottom - area.top) / lineHeight));
}

void UpdateScrollBar(HWND hwnd, const EditState& state) {
    if (!(StyleOf(hwnd) & WS_VSCROLL) || !IsMultiLine(hwnd)) return;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0,
                    static_cast<int>(state.lines.size()) - 1, static_cast<UINT>(VisibleLines(hwnd, state)),
                    static_cast<int>(state.firstLine), 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

void ScrollToLine(HWND hwnd, EditState& state, std::size_t line) {
    EnsureEditLayout(hwnd, state);
    const std::size_t visible = static_cast<std::size_t>(VisibleLines(hwnd, state));
    const std::size_t most = state.lines.size() > visible ? state.lines.size() - visible : 0;
    line = std::min(line, most);
    if (line == state.firstLine) return;
    state.firstLine = line;
    UpdateScrollBar(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ScrollCaretIntoView(HWND hwnd, EditState& state) {
    EnsureEditLayout(hwnd, state);
    const RECT area = EditTextArea(hwnd, state);
    if (IsMultiLine(hwnd)) {
        const std::size_t line = LineOfPosition(state.lines, state.text.Caret());
        const std::size_t visible = static_cast<std::size_t>(VisibleLines(hwnd, state));
        if (line < state.firstLine) ScrollToLine(hwnd, state, line);
        else if (line >= state.firstLine + visible) ScrollToLine(hwnd, state, line + 1 - visible);
        else if (state.firstLine + visible > state.lines.size()) ScrollToLine(hwnd, state, state.firstLine);
        return;
    }
    const EditMetrics metrics = MetricsOf(hwnd, state);
    const std::u16string shown = ShownText(hwnd, state);
    const int caretX = metrics.measure(std::u16string_view(shown).substr(0, state.text.Caret()));
    const int width = std::max(1, static_cast<int>(area.right - area.left));
    int scroll = state.scrollX;
    if (caretX - scroll > width) scroll = caretX - width + width / 4;
    if (caretX < scroll) scroll = std::max(0, caretX - width / 4);
    scroll = std::max(0, std::min(scroll, metrics.measure(shown) - width / 2));
    if (caretX < scroll) scroll = caretX;
    if (scroll != state.scrollX) {
        state.scrollX = scroll;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

LRESULT OnPosFromChar(HWND hwnd, EditState& state, WPARAM index);

// The thread's caret follows the edit's while it has the focus.
void PlaceCaret(HWND hwnd, EditState& state) {
    if (!state.focused) return;
    const LRESULT pos = OnPosFromChar(hwnd, state, state.text.Caret());
    if (pos != -1) SetCaretPos(static_cast<SHORT>(LOWORD(pos)), static_cast<SHORT>(HIWORD(pos)));
}

// After the text changed by the user (or WM_SETTEXT): lay out again, keep the caret in view,
// repaint and tell the parent.
void Changed(HWND hwnd, EditState& state, bool notify = true) {
    state.layoutStale = true;
    ScrollCaretIntoView(hwnd, state);
    UpdateScrollBar(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    PlaceCaret(hwnd, state);
    if (!notify) return;
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

void SelectionMoved(HWND hwnd, EditState& state) {
    ScrollCaretIntoView(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    PlaceCaret(hwnd, state);
}

void Insert(HWND hwnd, EditState& state, std::u16string_view typed) {
    if (IsReadOnly(hwnd)) return;
    const std::u16string text = Admit(hwnd, typed);
    const std::u16string before = state.text.Text();
    const bool whole = state.text.ReplaceSelection(text);
    if (state.text.Text() != before) Changed(hwnd, state);
    if (!whole) NotifyParent(hwnd, EN_MAXTEXT);
}

void Copy(const EditState& state, HWND hwnd) {
    if (!state.text.HasSelection() || ((StyleOf(hwnd) & ES_PASSWORD) && !IsMultiLine(hwnd))) return;
    Clipboard() = state.text.Text().substr(state.text.SelStart(), state.text.SelEnd() - state.text.SelStart());
}

void Delete(HWND hwnd, EditState& state, bool forward) {
    if (IsReadOnly(hwnd)) return;
    if (forward ? state.text.DeleteForward() : state.text.DeleteBack()) Changed(hwnd, state);
}

void MoveCaret(HWND hwnd, EditState& state, std::size_t pos, bool extend) {
    state.text.Select(extend ? state.text.Anchor() : pos, pos);
    SelectionMoved(hwnd, state);
}

std::size_t CaretX(HWND hwnd, EditState& state, std::size_t pos) {
    EnsureEditLayout(hwnd, state);
    const EditLine& line = state.lines[LineOfPosition(state.lines, pos)];
    const std::u16string shown = ShownText(hwnd, state);
    return static_cast<std::size_t>(MetricsOf(hwnd, state).measure(std::u16string_view(shown).substr(line.start, pos - line.start)));
}

// The position one line up or down from the caret (single-line edits take Up and Down as Left and Right).
std::size_t VerticalMove(HWND hwnd, EditState& state, int lines) {
    EnsureEditLayout(hwnd, state);
    const std::size_t caret = state.text.Caret();
    if (!IsMultiLine(hwnd)) return lines < 0 ? state.text.PrevPosition(caret) : state.text.NextPosition(caret);
    const std::size_t line = LineOfPosition(state.lines, caret);
    const long target = std::clamp(static_cast<long>(line) + lines, 0L, static_cast<long>(state.lines.size()) - 1);
    const int x = static_cast<int>(CaretX(hwnd, state, caret));
    const std::u16string shown = ShownText(hwnd, state);
    return PositionAtX(shown, state.lines[static_cast<std::size_t>(target)], x, MetricsOf(hwnd, state).measure);
}

LRESULT OnKeyDown(HWND hwnd, EditState& state, WPARAM key) {
    EnsureEditLayout(hwnd, state);
    const bool extend = ShiftDown();
    const std::size_t caret = state.text.Caret();
    const EditLine& line = state.lines[LineOfPosition(state.lines, caret)];
    switch (key) {
    case VK_LEFT:
        MoveCaret(hwnd, state, !extend && state.text.HasSelection() ? state.text.SelStart() : state.text.PrevPosition(caret), extend);
        break;
    case VK_RIGHT:
        MoveCaret(hwnd, state, !extend && state.text.HasSelection() ? state.text.SelEnd() : state.text.NextPosition(caret), extend);
        break;
    case VK_UP: MoveCaret(hwnd, state, VerticalMove(hwnd, state, -1), extend); break;
    case VK_DOWN: MoveCaret(hwnd, state, VerticalMove(hwnd, state, 1), extend); break;
    case VK_PRIOR: MoveCaret(hwnd, state, VerticalMove(hwnd, state, -VisibleLines(hwnd, state)), extend); break;
    case VK_NEXT: MoveCaret(hwnd, state, VerticalMove(hwnd, state, VisibleLines(hwnd, state)), extend); break;
    case VK_HOME: MoveCaret(hwnd, state, ControlDown() ? 0 : line.start, extend); break;
    case VK_END: MoveCaret(hwnd, state, ControlDown() ? state.text.Text().size() : line.start + line.length, extend); break;
    case VK_DELETE:
        if (extend) SendMessageW(hwnd, WM_CUT, 0, 0);
        else Delete(hwnd, state, true);
        break;
    case VK_INSERT:
        if (extend) SendMessageW(hwnd, WM_PASTE, 0, 0);
        else if (ControlDown()) SendMessageW(hwnd, WM_COPY, 0, 0);
        break;
    default: break;
    }
    return 0;
}

// Control characters of typing.
constexpr WCHAR kCtrlC = 3;
constexpr WCHAR kCtrlV = 22;
constexpr WCHAR kCtrlX = 24;
constexpr WCHAR kCtrlZ = 26;

LRESULT OnChar(HWND hwnd, EditState& state, WCHAR c) {
    switch (c) {
    case VK_BACK: Delete(hwnd, state, false); return 0;
    case kCtrlC: SendMessageW(hwnd, WM_COPY, 0, 0); return 0;
    case kCtrlV: SendMessageW(hwnd, WM_PASTE, 0, 0); return 0;
    case kCtrlX: SendMessageW(hwnd, WM_CUT, 0, 0); return 0;
    case kCtrlZ: SendMessageW(hwnd, EM_UNDO, 0, 0); return 0;
    case u'\r':
        if (IsMultiLine(hwnd)) Insert(hwnd, state, u"\r\n");
        return 0;
    case u'\t':
        if (IsMultiLine(hwnd)) Insert(hwnd, state, u"\t");
        return 0;
    default: break;
    }
    if (c < u' ') return 0;
    // A digits-only edit refuses anything else that is typed (pasted text is not checked).
    if ((StyleOf(hwnd) & ES_NUMBER) && !iswdigit(c)) return 0;
    const WCHAR one[1] = {c};
    Insert(hwnd, state, std::u16string_view(one, 1));
    return 0;
}

std::size_t PositionAtPoint(HWND hwnd, EditState& state, POINT pt) {
    EnsureEditLayout(hwnd, state);
    const RECT area = EditTextArea(hwnd, state);
    const EditMetrics metrics = MetricsOf(hwnd, state);
    const std::u16string shown = ShownText(hwnd, state);
    if (!IsMultiLine(hwnd))
        return PositionAtX(shown, state.lines.front(), pt.x - area.left + state.scrollX - EditLineShift(hwnd, state, 0), metrics.measure);
    const long row = pt.y < area.top ? -1 : (pt.y - area.top) / std::max(metrics.lineHeight, 1);
    const auto index = static_cast<std::size_t>(std::clamp(static_cast<long>(state.firstLine) + row, 0L, static_cast<long>(state.lines.size()) - 1));
    return PositionAtX(shown, state.lines[index], pt.x - area.left - EditLineShift(hwnd, state, index), metrics.measure);
}

LRESULT OnPenDown(HWND hwnd, EditState& state, LPARAM lParam) {
    if (TapWindowBar(hwnd, lParam)) return 0;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    const std::size_t pos = PositionAtPoint(hwnd, state, PointOf(lParam));
    MoveCaret(hwnd, state, pos, ShiftDown());
    state.selecting = true;
    SetCapture(hwnd);
    return 0;
}

LRESULT OnPenMove(HWND hwnd, EditState& state, LPARAM lParam) {
    if (DragWindowBar(hwnd, lParam)) return 0;
    if (!state.selecting) return 0;
    const POINT pt = PointOf(lParam);
    const RECT area = EditTextArea(hwnd, state);
    // Dragging past the top or bottom scrolls a line at a time.
    if (IsMultiLine(hwnd) && pt.y < area.top && state.firstLine > 0) ScrollToLine(hwnd, state, state.firstLine - 1);
    if (IsMultiLine(hwnd) && pt.y >= area.bottom) ScrollToLine(hwnd, state, state.firstLine + 1);
    MoveCaret(hwnd, state, PositionAtPoint(hwnd, state, pt), true);
    return 0;
}

LRESULT OnPenUp(HWND hwnd, EditState& state) {
    if (EndWindowBarDrag(hwnd)) return 0;
    if (!state.selecting) return 0;
    state.selecting = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    return 0;
}

LRESULT OnDoubleTap(HWND hwnd, EditState& state, LPARAM lParam) {
    const auto [start, end] = state.text.WordAt(PositionAtPoint(hwnd, state, PointOf(lParam)));
    state.text.Select(start, end);
    SelectionMoved(hwnd, state);
    return 0;
}

LRESULT OnGetDlgCode(HWND hwnd, LPARAM lParam) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    const auto* pending = reinterpret_cast<const MSG*>(lParam);
    if (!IsMultiLine(hwnd)) {
        // Up and Down of the navigation pad leave a one-line field for the next.
        if (pending && pending->message == WM_KEYDOWN && (pending->wParam == VK_UP || pending->wParam == VK_DOWN))
            code &= ~static_cast<LRESULT>(DLGC_WANTARROWS);
        return code;
    }
    code |= DLGC_WANTALLKEYS;
    // A multi-line edit leaves Tab, Escape and (without ES_WANTRETURN) Enter to the dialog.
    if (pending && pending->message == WM_KEYDOWN) {
        const bool enter = pending->wParam == VK_RETURN && !(StyleOf(hwnd) & ES_WANTRETURN);
        if (enter || pending->wParam == VK_TAB || pending->wParam == VK_ESCAPE) code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    }
    return code;
}

LRESULT OnSetSel(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
    const int start = static_cast<int>(wParam);
    const int end = static_cast<int>(lParam);
    const std::size_t size = state.text.Text().size();
    if (start == -1) {
        state.text.Select(state.text.Caret(), state.text.Caret());
    } else {
        const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
        const std::size_t to = end < 0 ? size : static_cast<std::size_t>(end);
        state.text.Select(from, to);
    }
    SelectionMoved(hwnd, state);
    return 0;
}

LRESULT OnGetSel(const EditState& state, WPARAM wParam, LPARAM lParam) {
    const auto start = static_cast<DWORD>(state.text.SelStart());
    const auto end = static_cast<DWORD>(state.text.SelEnd());
    if (auto* out = reinterpret_cast<DWORD*>(wParam)) *out = start;
    if (auto* out = reinterpret_cast<DWORD*>(lParam)) *out = end;
    return MAKELRESULT(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

LRESULT OnSetText(HWND hwnd, EditState& state, LPCWSTR text) {
    std::u16string admitted = text ? std::u16string(text) : std::u16string();
    const DWORD style = StyleOf(hwnd);
    if (!admitted.empty() && (style & ES_UPPERCASE)) CharUpperBuffW(admitted.data(), static_cast<DWORD>(admitted.size()));
    else if (!admitted.empty() && (style & ES_LOWERCASE)) CharLowerBuffW(admitted.data(), static_cast<DWORD>(admitted.size()));
    state.text.SetText(admitted);
    state.text.SetModified(false);
    state.firstLine = 0;
    state.scrollX = 0;
    // Multi-line edits do not report text set by the program.
    Changed(hwnd, state, !IsMultiLine(hwnd));
    return TRUE;
}

LRESULT OnGetText(const EditState& state, WPARAM outChars, LPARAM out) {
    auto* buffer = reinterpret_cast<LPWSTR>(out);
    if (!buffer || outChars == 0) return 0;
    const std::u16string& text = state.text.Text();
    const std::size_t n = std::min<std::size_t>(text.size(), outChars - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<LRESULT>(n);
}

std::size_t LineOfIndex(HWND hwnd, EditState& state, WPARAM index) {
    EnsureEditLayout(hwnd, state);
    const int i = static_cast<int>(index);
    return LineOfPosition(state.lines, i < 0 ? state.text.SelStart() : static_cast<std::size_t>(i));
}

LRESULT OnGetLine(HWND hwnd, EditState& state, WPARAM lineIndex, LPARAM out) {
    EnsureEditLayout(hwnd, state);
    auto* buffer = reinterpret_cast<LPWSTR>(out);
    if (!buffer) return 0;
    const std::size_t line = IsMultiLine(hwnd) ? static_cast<std::size_t>(lineIndex) : 0;
    if (line >= state.lines.size()) return 0;
    // The buffer's first word holds its size in characters; the copy has no terminator.
    WORD room = 0;
    std::memcpy(&room, buffer, sizeof(room));
    const EditLine& l = state.lines[line];
    const std::size_t n = std::min<std::size_t>(l.length, room);
    std::copy_n(state.text.Text().data() + l.start, n, buffer);
    return static_cast<LRESULT>(n);
}

LRESULT OnPosFromChar(HWND hwnd, EditState& state, WPARAM index) {
    EnsureEditLayout(hwnd, state);
    if (index > state.text.Text().size()) return -1;
    const std::size_t line = LineOfPosition(state.lines, index);
    const RECT area = EditTextArea(hwnd, state);
    const int lineHeight = MetricsOf(hwnd, state).lineHeight;
    const int x = area.left + static_cast<int>(CaretX(hwnd, state, index)) - (IsMultiLine(hwnd) ? 0 : state.scrollX) +
                  EditLineShift(hwnd, state, line);
    const int y = area.top + (static_cast<int>(line) - static_cast<int>(state.firstLine)) * lineHeight;
    return MAKELRESULT(static_cast<WORD>(x), static_cast<WORD>(y));
}

LRESULT OnCharFromPos(HWND hwnd, EditState& state, LPARAM lParam) {
    const std::size_t pos = PositionAtPoint(hwnd, state, PointOf(lParam));
    return MAKELRESULT(static_cast<WORD>(pos), static_cast<WORD>(LineOfPosition(state.lines, pos)));
}

LRESULT OnScroll(HWND hwnd, EditState& state, WPARAM action) {
    if (!IsMultiLine(hwnd)) return FALSE;
    const long visible = VisibleLines(hwnd, state);
    long delta = 0;
    switch (LOWORD(action)) {
    case SB_LINEUP: delta = -1; break;
    case SB_LINEDOWN: delta = 1; break;
    case SB_PAGEUP: delta = -visible; break;
    case SB_PAGEDOWN: delta = visible; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: delta = static_cast<long>(HIWORD(action)) - static_cast<long>(state.firstLine); break;
    case SB_TOP: delta = -static_cast<long>(state.firstLine); break;
    case SB_BOTTOM: delta = static_cast<long>(state.lines.size()); break;
    default: return FALSE;
    }
    const std::size_t before = state.firstLine;
    ScrollToLine(hwnd, state, static_cast<std::size_t>(std::max(0L, static_cast<long>(before) + delta)));
    return MAKELRESULT(static_cast<WORD>(static_cast<long>(state.firstLine) - static_cast<long>(before)), TRUE);
}

LRESULT OnSetPasswordChar(HWND hwnd, EditState& state, WPARAM c) {
    if (IsMultiLine(hwnd)) return 0;
    state.passwordChar = static_cast<WCHAR>(c);
    const DWORD style = StyleOf(hwnd);
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(c ? style | ES_PASSWORD : style & ~static_cast<DWORD>(ES_PASSWORD)));
    state.layoutStale = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnSetMargins(HWND hwnd, EditState& state, WPARAM which, LPARAM margins) {
    if (which & EC_LEFTMARGIN) state.leftMargin = LOWORD(margins) == EC_USEFONTINFO ? 1 : LOWORD(margins);
    if (which & EC_RIGHTMARGIN) state.rightMargin = HIWORD(margins) == EC_USEFONTINFO ? 1 : HIWORD(margins);
    state.layoutStale = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnFocus(HWND hwnd, EditState& state, bool focused) {
    state.focused = focused;
    if (focused) {
        CreateCaret(hwnd, nullptr, 1, MetricsOf(hwnd, state).lineHeight);
        PlaceCaret(hwnd, state);
        ShowCaret(hwnd);
    } else {
        DestroyCaret();
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT OnUndo(HWND hwnd, EditState& state) {
    if (IsReadOnly(hwnd) || !state.text.Undo()) return FALSE;
    Changed(hwnd, state);
    return TRUE;
}

LRESULT EditMessage(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd, lParam);
    case WM_SETTEXT: return OnSetText(hwnd, state, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT: return OnGetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(state.text.Text().size());
    case WM_KEYDOWN: return OnKeyDown(hwnd, state, wParam);
    case WM_CHAR: return OnChar(hwnd, state, static_cast<WCHAR>(wParam));
    case WM_LBUTTONDOWN: return OnPenDown(hwnd, state, lParam);
    case WM_MOUSEMOVE: return OnPenMove(hwnd, state, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, state);
    case WM_LBUTTONDBLCLK: return OnDoubleTap(hwnd, state, lParam);
    case WM_CAPTURECHANGED:
        state.selecting = false;
        CancelWindowBarDrag(hwnd);
        return 0;
    case WM_SETFOCUS: return OnFocus(hwnd, state, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, state, false);
    case WM_CUT: Copy(state, hwnd); if (state.text.HasSelection()) Delete(hwnd, state, false); return 0;
    case WM_COPY: Copy(state, hwnd); return 0;
    case WM_PASTE: if (!Clipboard().empty()) Insert(hwnd, state, Clipboard()); return 0;
    case WM_CLEAR: if (state.text.HasSelection()) Delete(hwnd, state, false); return 0;
    case WM_UNDO:
    case EM_UNDO: return OnUndo(hwnd, state);
    case EM_CANUNDO: return state.text.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER: state.text.EmptyUndo(); return 0;
    case EM_GETSEL: return OnGetSel(state, wParam, lParam);
    case EM_SETSEL: return OnSetSel(hwnd, state, wParam, lParam);
    case EM_REPLACESEL: {
        const auto* text = reinterpret_cast<LPCWSTR>(lParam);
        Insert(hwnd, state, text ? std::u16string_view(text) : std::u16string_view());
        if (!wParam) state.text.EmptyUndo();
        return 0;
    }
    case EM_GETMODIFY: return state.text.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY: state.text.SetModified(wParam != 0); return 0;
    case EM_LIMITTEXT: state.text.SetLimit(static_cast<std::size_t>(wParam)); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(state.text.Limit());
    case EM_SETPASSWORDCHAR: return OnSetPasswordChar(hwnd, state, wParam);
    case EM_GETPASSWORDCHAR: return (StyleOf(hwnd) & ES_PASSWORD) ? state.passwordChar : 0;
    case EM_SETREADONLY: {
        const DWORD style = StyleOf(hwnd);
        SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(wParam ? style | ES_READONLY : style & ~static_cast<DWORD>(ES_READONLY)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case EM_GETLINECOUNT: EnsureEditLayout(hwnd, state); return static_cast<LRESULT>(state.lines.size());
    case EM_LINEINDEX: {
        EnsureEditLayout(hwnd, state);
        const int line = static_cast<int>(wParam);
        const std::size_t index = line < 0 ? LineOfPosition(state.lines, state.text.Caret()) : static_cast<std::size_t>(line);
        return index < state.lines.size() ? static_cast<LRESULT>(state.lines[index].start) : -1;
    }
    case EM_LINELENGTH: return static_cast<LRESULT>(state.lines[LineOfIndex(hwnd, state, wParam)].length);
    case EM_LINEFROMCHAR: return static_cast<LRESULT>(LineOfIndex(hwnd, state, wParam));
    case EM_GETLINE: return OnGetLine(hwnd, state, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(state.firstLine);
    case EM_LINESCROLL:
        if (!IsMultiLine(hwnd)) return FALSE;
        ScrollToLine(hwnd, state, static_cast<std::size_t>(std::max(0L, static_cast<long>(state.firstLine) + static_cast<long>(static_cast<int>(lParam)))));
        return TRUE;
    case EM_SCROLL: return OnScroll(hwnd, state, wParam);
    case WM_VSCROLL: OnScroll(hwnd, state, wParam); return 0;
    case EM_SCROLLCARET: ScrollCaretIntoView(hwnd, state); return TRUE;
    case EM_POSFROMCHAR: return OnPosFromChar(hwnd, state, wParam);
    case EM_CHARFROMPOS: return OnCharFromPos(hwnd, state, lParam);
    case EM_GETRECT: if (auto* r = reinterpret_cast<RECT*>(lParam)) *r = EditTextArea(hwnd, state); return 0;
    case EM_SETMARGINS: return OnSetMargins(hwnd, state, wParam, lParam);
    case EM_GETMARGINS: return MAKELRESULT(state.leftMargin, state.rightMargin);
    case WM_SIZE: state.layoutStale = true; ScrollCaretIntoView(hwnd, state); UpdateScrollBar(hwnd, state); return 0;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        state.layoutStale = true;
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintEdit(hwnd, state); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto state = States().Create(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) state->text.SetText(cs->lpszName);
        return TRUE;
    }
    const auto state = States().Find(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        States().Destroy(hwnd);
        return 0;
    }
    return EditMessage(hwnd, *state, message, wParam, lParam);
}

}  // namespace

std::u16string ShownText(HWND hwnd, const EditState& state) {
    const DWORD style = StyleOf(hwnd);
    if ((style & ES_PASSWORD) && !(style & ES_MULTILINE) && state.passwordChar)
        return std::u16string(state.text.Text().size(), state.passwordChar);
    return state.text.Text();
}

int EditLineShift(HWND hwnd, const EditState& state, std::size_t line) {
    const DWORD align = StyleOf(hwnd) & (ES_CENTER | ES_RIGHT);
    if (!align || line >= state.lines.size()) return 0;
    const RECT area = EditTextArea(hwnd, state);
    const std::u16string shown = ShownText(hwnd, state);
    const EditLine& l = state.lines[line];
    const int room = static_cast<int>(area.right - area.left) -
                     MetricsOf(hwnd, state).measure(std::u16string_view(shown).substr(l.start, l.length));
    if (room <= 0) return 0;
    return align == ES_CENTER ? room / 2 : room;
}

RECT EditTextArea(HWND hwnd, const EditState& state) {
    RECT r{};
    GetClientRect(hwnd, &r);
    r.left += state.leftMargin;
    r.right = std::max(r.left, r.right - state.rightMargin);
    return r;
}

void EnsureEditLayout(HWND hwnd, EditState& state) {
    if (!state.layoutStale && !state.lines.empty()) return;
    const DWORD style = StyleOf(hwnd);
    const std::u16string shown = ShownText(hwnd, state);
    if (!(style & ES_MULTILINE)) {
        state.lines = {EditLine{0, shown.size(), shown.size()}};
    } else {
        const RECT area = EditTextArea(hwnd, state);
        const bool wrap = !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
        const int width = wrap ? std::max(1, static_cast<int>(area.right - area.left)) : 0;
        state.lines = LayoutEditLines(shown, width, MetricsOf(hwnd, state).fit);
    }
    state.layoutStale = false;
}

void RegisterEditClass() { RegisterControlClass(WC_EDITW, EditProc); }

}  // namespace platform
