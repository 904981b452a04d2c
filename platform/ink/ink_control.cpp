// The "InkX" control: in drawing mode the stylus lays strokes on the page, in typing mode the keys
// add text (Back deletes, Enter starts a line); the program reads and writes the page as bytes,
// sets the zoom and the mode, and shows or hides the voice recording bar (drawn; it records nothing).
#include <algorithm>
#include <cstring>
#include <mutex>

#include "controls/scroll_bar.h"
#include "ink/ink_state.h"
#include "platform/dialogs.h"

namespace platform {
namespace {

constexpr WCHAR kBack = 0x08;
constexpr WCHAR kEnter = u'\r';
constexpr WCHAR kFirstPrintable = 0x20;

ControlStates<InkState>& States() {
    static ControlStates<InkState> states;
    return states;
}

int ViewHeight(HWND hwnd, const InkState& state) {
    const RECT view = InkViewRect(hwnd, state);
    return std::max(0, static_cast<int>(view.bottom - view.top));
}

int MostScroll(HWND hwnd, const InkState& state) {
    return std::max(0, InkToView(state, InkContentHeight(state)) - ViewHeight(hwnd, state));
}

void UpdateScrollBar(HWND hwnd, InkState& state) {
    state.scroll = std::clamp(state.scroll, 0, MostScroll(hwnd, state));
    if (!(StyleOf(hwnd) & WS_VSCROLL)) return;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0,
                    std::max(0, InkToView(state, InkContentHeight(state)) - 1),
                    static_cast<UINT>(ViewHeight(hwnd, state)), state.scroll, 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

// Scroll bars, zoom and content all move the page: one place puts it right again.
void Relayout(HWND hwnd, InkState& state) {
    UpdateScrollBar(hwnd, state);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ScrollTo(HWND hwnd, InkState& state, int scroll) {
    const int clamped = std::clamp(scroll, 0, MostScroll(hwnd, state));
    if (clamped == state.scroll) return;
    state.scroll = clamped;
    Relayout(hwnd, state);
}

InkPoint PagePoint(const InkState& state, LPARAM lParam) {
    const POINT view = PointOf(lParam);
    return {std::clamp(InkToPage(state, view.x), 0, kInkMaxCoordinate),
            std::clamp(InkToPage(state, view.y + state.scroll), 0, kInkMaxCoordinate)};
}

LRESULT OnPenDown(HWND hwnd, InkState& state, LPARAM lParam) {
    SetFocus(hwnd);
    if (!state.drawing) return 0;
    const InkPoint at = PagePoint(state, lParam);
    state.page.strokes.push_back({at});
    state.inStroke = true;
    SetCapture(hwnd);
    DrawInkSegment(hwnd, state, at, at);
    return 0;
}

LRESULT OnPenMove(HWND hwnd, InkState& state, LPARAM lParam) {
    if (!state.inStroke || state.page.strokes.empty()) return 0;
    InkStroke& stroke = state.page.strokes.back();
    const InkPoint at = PagePoint(state, lParam);
    if (at == stroke.back()) return 0;
    const InkPoint from = stroke.back();
    stroke.push_back(at);
    DrawInkSegment(hwnd, state, from, at);
    return 0;
}

void EndStroke(HWND hwnd, InkState& state) {
    if (!state.inStroke) return;
    state.inStroke = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    Relayout(hwnd, state);
}

LRESULT OnPenUp(HWND hwnd, InkState& state, LPARAM lParam) {
    OnPenMove(hwnd, state, lParam);
    EndStroke(hwnd, state);
    return 0;
}

// Keeps the last line of text in view as the user types.
void ShowTextEnd(HWND hwnd, InkState& state) {
    const auto lines = std::count(state.page.text.begin(), state.page.text.end(), u'\n') + 1;
    const int bottom = InkToView(state, static_cast<int>(lines) * kInkRuleSpacing);
    const int top = bottom - InkToView(state, kInkRuleSpacing);
    if (bottom - state.scroll > ViewHeight(hwnd, state)) state.scroll = bottom - ViewHeight(hwnd, state);
    if (top < state.scroll) state.scroll = top;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Back takes a whole character, both halves of a surrogate pair.
void DeleteLastCharacter(std::u16string& text) {
    if (text.empty()) return;
    const bool pair = text.size() >= 2 && IsLowSurrogate(text.back()) && IsHighSurrogate(text[text.size() - 2]);
    text.resize(text.size() - (pair ? 2 : 1));
}

LRESULT OnChar(HWND hwnd, InkState& state, WCHAR c) {
    if (state.drawing) return 0;
    if (c == kBack) DeleteLastCharacter(state.page.text);
    else if (c == kEnter) state.page.text.push_back(u'\n');
    else if (c >= kFirstPrintable) state.page.text.push_back(c);
    else return 0;
    ShowTextEnd(hwnd, state);
    Relayout(hwnd, state);
    return 0;
}

LRESULT OnVScroll(HWND hwnd, InkState& state, WPARAM action) {
    const int line = InkToView(state, kInkRuleSpacing);
    const int page = std::max(line, ViewHeight(hwnd, state) - line);
    switch (LOWORD(action)) {
    case SB_LINEUP: ScrollTo(hwnd, state, state.scroll - line); break;
    case SB_LINEDOWN: ScrollTo(hwnd, state, state.scroll + line); break;
    case SB_PAGEUP: ScrollTo(hwnd, state, state.scroll - page); break;
    case SB_PAGEDOWN: ScrollTo(hwnd, state, state.scroll + page); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: ScrollTo(hwnd, state, HIWORD(action)); break;
    case SB_TOP: ScrollTo(hwnd, state, 0); break;
    case SB_BOTTOM: ScrollTo(hwnd, state, MostScroll(hwnd, state)); break;
    default: break;
    }
    return 0;
}

LRESULT OnSetZoom(HWND hwnd, InkState& state, LPARAM percent) {
    if (percent < IM_ZOOM_MIN || percent > IM_ZOOM_MAX) return FALSE;
    // The same part of the page stays at the top of the view.
    const int top = InkToPage(state, state.scroll);
    state.zoom = static_cast<int>(percent);
    state.scroll = InkToView(state, top);
    Relayout(hwnd, state);
    return TRUE;
}

LRESULT OnSetDrawMode(HWND hwnd, InkState& state, WPARAM mode) {
    if (mode != IM_TYPING && mode != IM_DRAWING) return FALSE;
    EndStroke(hwnd, state);
    state.drawing = mode == IM_DRAWING;
    return TRUE;
}

LRESULT OnSetData(HWND hwnd, InkState& state, WPARAM size, LPARAM bytes) {
    EndStroke(hwnd, state);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes);
    std::optional<InkPage> page;
    if (size == 0 || data) page = LoadInkPage({data, data ? size : 0});
    // Bytes we cannot read leave an empty page rather than half of one.
    state.page = page ? std::move(*page) : InkPage{};
    state.scroll = 0;
    Relayout(hwnd, state);
    return page ? TRUE : FALSE;
}

LRESULT OnGetData(const InkState& state, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<std::uint8_t*>(buffer);
    if (!out) return 0;
    const std::vector<std::uint8_t> bytes = SaveInkPage(state.page);
    const std::size_t copied = std::min<std::size_t>(size, bytes.size());
    if (copied) std::memcpy(out, bytes.data(), copied);
    return static_cast<LRESULT>(copied);
}

LRESULT OnShowVoiceBar(HWND hwnd, InkState& state, WPARAM show) {
    state.voiceBar = show != 0;
    Relayout(hwnd, state);
    return TRUE;
}

LRESULT InkMessage(HWND hwnd, InkState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: UpdateScrollBar(hwnd, state); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: return OnPenDown(hwnd, state, lParam);
    case WM_MOUSEMOVE: return OnPenMove(hwnd, state, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, state, lParam);
    case WM_CAPTURECHANGED: if (reinterpret_cast<HWND>(lParam) != hwnd) EndStroke(hwnd, state); return 0;
    case WM_CHAR: return OnChar(hwnd, state, static_cast<WCHAR>(wParam));
    case WM_VSCROLL: return OnVScroll(hwnd, state, wParam);
    case WM_SIZE: Relayout(hwnd, state); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintInk(hwnd, state); return 0;
    case IM_GETDRAWMODE: return state.drawing ? IM_DRAWING : IM_TYPING;
    case IM_SETDRAWMODE: return OnSetDrawMode(hwnd, state, wParam);
    case IM_GETINPUTMODE: return static_cast<LRESULT>(state.inputMode);
    case IM_SETINPUTMODE: state.inputMode = wParam; return TRUE;
    case IM_SETTYPINGSTATE: return TRUE;
    case IM_GETZOOM: return state.zoom;
    case IM_SETZOOM: return OnSetZoom(hwnd, state, lParam);
    case IM_REFRESHMODE: return TRUE;
    case IM_SHOWVOICEBAR: return OnShowVoiceBar(hwnd, state, wParam);
    case IM_GETDATALEN: return static_cast<LRESULT>(SaveInkPage(state.page).size());
    case IM_GETDATA: return OnGetData(state, wParam, lParam);
    case IM_SETDATA: return OnSetData(hwnd, state, wParam, lParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK InkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithControlState(States(), hwnd, message, wParam, lParam, InkMessage);
}

}  // namespace
}  // namespace platform

BOOL InitInkX() {
    static std::once_flag once;
    std::call_once(once, [] { platform::RegisterControlClass(WC_INKXW, platform::InkProc, 0); });
    WNDCLASSW existing{};
    return GetClassInfoW(nullptr, WC_INKXW, &existing);
}
