// Painting edits: the lines in view, the selection in the highlight colours while the edit has the
// focus (or always with ES_NOHIDESEL), the caret as a thin bar, password characters in place of the
// text; and measuring text in the edit's font.
#include <algorithm>
#include <memory>

#include "controls/control_look.h"
#include "controls/edit.h"

namespace platform {
namespace {

// A memory DC with the edit's font, kept while a measuring function lives.
struct MeasureDc {
    explicit MeasureDc(HFONT font) : dc(CreateCompatibleDC(nullptr)), old(SelectObject(dc, LookFont(font))) {}
    ~MeasureDc() {
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    MeasureDc(const MeasureDc&) = delete;
    MeasureDc& operator=(const MeasureDc&) = delete;
    HDC dc;
    HGDIOBJ old;
};

void DrawRun(HDC dc, int x, int y, std::u16string_view run, bool selected) {
    if (run.empty()) return;
    SetTextColor(dc, selected ? kLookHighlightText : GetTextColor(dc));
    SetBkColor(dc, kLookHighlight);
    SetBkMode(dc, selected ? OPAQUE : TRANSPARENT);
    ExtTextOutW(dc, x, y, 0, nullptr, run.data(), static_cast<UINT>(run.size()), nullptr);
}

}  // namespace

EditMetrics MetricsOf(HWND, const EditState& state) {
    auto context = std::make_shared<MeasureDc>(state.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context->dc, &metrics);
    MeasureRun measure = [context](std::u16string_view text) {
        if (text.empty()) return 0;
        SIZE size{};
        GetTextExtentPoint32W(context->dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    FitRun fit = [context](std::u16string_view text, int width) -> std::size_t {
        if (text.empty() || width <= 0) return 0;
        int fits = 0;
        SIZE size{};
        GetTextExtentExPointW(context->dc, text.data(), static_cast<int>(text.size()), width, &fits, nullptr, &size);
        return static_cast<std::size_t>(std::clamp(fits, 0, static_cast<int>(text.size())));
    };
    return {std::move(measure), std::move(fit), metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : LookPixels(13)};
}

void PaintEdit(HWND hwnd, EditState& state) {
    EnsureEditLayout(hwnd, state);
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const DWORD style = StyleOf(hwnd);
    const bool plain = (style & ES_READONLY) || !IsWindowEnabled(hwnd);
    const Selected font(dc, LookFont(state.font));
    FillRect(dc, &client, ParentBrush(hwnd, dc, plain ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT));
    const COLORREF textColour = GetTextColor(dc);
    const EditMetrics metrics = MetricsOf(hwnd, state);
    const RECT area = EditTextArea(hwnd, state);
    const std::u16string shown = ShownText(hwnd, state);
    const bool showSelection = state.focused || (style & ES_NOHIDESEL);
    const std::size_t selStart = state.text.SelStart();
    const std::size_t selEnd = state.text.SelEnd();
    const bool multi = (style & ES_MULTILINE) != 0;
    const int lineHeight = std::max(metrics.lineHeight, 1);
    const int visible = std::max(1, static_cast<int>((area.bottom - area.top) / lineHeight) + 1);
    const std::size_t first = multi ? state.firstLine : 0;
    const std::size_t last = std::min(state.lines.size(), first + static_cast<std::size_t>(visible));
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    for (std::size_t i = first; i < last; ++i) {
        const EditLine& line = state.lines[i];
        const int y = multi ? area.top + static_cast<int>(i - first) * lineHeight
                            : area.top + std::max(0, static_cast<int>(area.bottom - area.top) - lineHeight) / 2;
        const int x0 = area.left - (multi ? 0 : state.scrollX) + EditLineShift(hwnd, state, i);
        const std::u16string_view text = std::u16string_view(shown).substr(line.start, line.length);
        // Three runs: before, inside and after the selection.
        const std::size_t a = std::clamp(selStart, line.start, line.start + line.length) - line.start;
        const std::size_t b = std::clamp(selEnd, line.start, line.start + line.length) - line.start;
        const bool any = showSelection && a < b;
        SetTextColor(dc, textColour);
        DrawRun(dc, x0, y, any ? text.substr(0, a) : text, false);
        if (any) {
            DrawRun(dc, x0 + metrics.measure(text.substr(0, a)), y, text.substr(a, b - a), true);
            SetTextColor(dc, textColour);
            DrawRun(dc, x0 + metrics.measure(text.substr(0, b)), y, text.substr(b), false);
        }
    }
    if (state.focused && !state.text.HasSelection()) {
        const std::size_t caret = state.text.Caret();
        const std::size_t lineIndex = LineOfPosition(state.lines, caret);
        if (lineIndex >= first && lineIndex < last) {
            const EditLine& line = state.lines[lineIndex];
            const int x = area.left - (multi ? 0 : state.scrollX) + EditLineShift(hwnd, state, lineIndex) +
                          metrics.measure(std::u16string_view(shown).substr(line.start, caret - line.start));
            const int y = multi ? area.top + static_cast<int>(lineIndex - first) * lineHeight
                                : area.top + std::max(0, static_cast<int>(area.bottom - area.top) - lineHeight) / 2;
            FillLook(dc, {x, y, x + 1, y + lineHeight}, textColour);
        }
    }
    DrawControlBorder(hwnd);
}

}  // namespace platform
