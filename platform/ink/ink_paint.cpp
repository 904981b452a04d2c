// Painting the ink page: a white page with faint ruled lines, the typed text on those lines in the
// default font, the strokes over them, and the voice recording bar at the bottom when it is shown.
#include <algorithm>
#include <string_view>

#include "controls/control_look.h"
#include "controls/scroll_bar.h"
#include "ink/ink_state.h"

namespace platform {
namespace {

constexpr COLORREF kRuleColour = RGB(205, 220, 240);
constexpr COLORREF kInkColour = RGB(0, 0, 0);
constexpr COLORREF kRecordColour = RGB(200, 0, 0);
constexpr int kVoiceButtonSize = 14;  // view pixels
constexpr int kVoiceButtonGap = 8;

// A drawing object deleted with the object.
class OwnedObject {
public:
    explicit OwnedObject(HGDIOBJ object) : object_(object) {}
    ~OwnedObject() {
        if (object_) DeleteObject(object_);
    }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    HGDIOBJ Get() const { return object_; }

private:
    HGDIOBJ object_;
};

// The default font scaled by the zoom; nothing when it cannot be made (the stock font then serves).
HGDIOBJ ZoomedFont(const InkState& state) {
    LOGFONTW font{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) || font.lfHeight == 0) return nullptr;
    font.lfHeight = font.lfHeight * state.zoom / IM_ZOOM_DEFAULT;
    if (font.lfHeight == 0) font.lfHeight = -1;
    return CreateFontIndirectW(&font);
}

HGDIOBJ InkPen(const InkState& state) {
    return CreatePen(PS_SOLID, std::max(1, InkToView(state, kInkPenWidth)), kInkColour);
}

void PaintRules(HDC dc, const InkState& state, const RECT& view) {
    const int spacing = InkToView(state, kInkRuleSpacing);
    const int first = state.scroll / spacing + 1;
    for (int line = first;; ++line) {
        const int y = line * spacing - state.scroll - 1;
        if (y >= view.bottom) break;
        FillLook(dc, {view.left, y, view.right, y + 1}, kRuleColour);
    }
}

void PaintText(HDC dc, const InkState& state, const RECT& view) {
    const OwnedObject zoomed(ZoomedFont(state));
    const Selected font(dc, zoomed.Get() ? zoomed.Get() : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, kLookText);
    SetBkMode(dc, TRANSPARENT);
    const std::u16string_view text = state.page.text;
    const int height = InkToView(state, kInkRuleSpacing);
    int top = -state.scroll;
    for (std::size_t start = 0; start <= text.size() && top < view.bottom; top += height) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        if (top + height > 0) {
            RECT line{InkToView(state, kInkTextMargin), top, view.right, top + height - 1};
            DrawTextW(dc, text.data() + start, static_cast<int>(end - start), &line,
                      DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_NOCLIP);
        }
        start = end + 1;
    }
}

void PaintStroke(HDC dc, const InkState& state, const InkStroke& stroke) {
    std::vector<POINT> points;
    points.reserve(stroke.size() + 1);
    for (const InkPoint& p : stroke) points.push_back({InkToView(state, p.x), InkToView(state, p.y) - state.scroll});
    // A tap leaves a dot.
    if (points.size() == 1) points.push_back({points[0].x + 1, points[0].y});
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void PaintVoiceBar(HDC dc, const RECT& client) {
    const RECT bar{client.left, client.bottom - kInkVoiceBarHeight, client.right, client.bottom};
    FillLook(dc, bar, kLookFace);
    FillLook(dc, {bar.left, bar.top, bar.right, bar.top + 1}, kLookShadow);
    const int top = bar.top + (kInkVoiceBarHeight - kVoiceButtonSize) / 2;
    // Record, then stop.
    const OwnedObject red(CreateSolidBrush(kRecordColour));
    const Selected brush(dc, red.Get());
    const Selected pen(dc, GetStockObject(NULL_PEN));
    const int left = bar.left + kVoiceButtonGap;
    Ellipse(dc, left, top, left + kVoiceButtonSize, top + kVoiceButtonSize);
    const int stop = left + kVoiceButtonSize + kVoiceButtonGap;
    FillLook(dc, {stop, top, stop + kVoiceButtonSize, top + kVoiceButtonSize}, kLookFrame);
}

}  // namespace

RECT InkViewRect(HWND hwnd, const InkState& state) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (state.voiceBar) client.bottom = std::max(client.top, client.bottom - kInkVoiceBarHeight);
    return client;
}

int InkToView(const InkState& state, int page) { return page * state.zoom / IM_ZOOM_DEFAULT; }

int InkToPage(const InkState& state, int view) { return view * IM_ZOOM_DEFAULT / state.zoom; }

int InkContentHeight(const InkState& state) {
    const auto lines = std::count(state.page.text.begin(), state.page.text.end(), u'\n') + 1;
    int bottom = state.page.text.empty() ? 0 : static_cast<int>(lines) * kInkRuleSpacing;
    for (const InkStroke& stroke : state.page.strokes)
        for (const InkPoint& p : stroke) bottom = std::max(bottom, p.y + kInkPenWidth);
    return bottom + kInkRuleSpacing;
}

void PaintInk(HWND hwnd, const InkState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const RECT view = InkViewRect(hwnd, state);
    {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, view.left, view.top, view.right, view.bottom);
        FillLook(dc, view, kLookWindow);
        PaintRules(dc, state, view);
        PaintText(dc, state, view);
        const OwnedObject pen(InkPen(state));
        const Selected selected(dc, pen.Get());
        for (const InkStroke& stroke : state.page.strokes) PaintStroke(dc, state, stroke);
        RestoreDC(dc, saved);
    }
    if (state.voiceBar) PaintVoiceBar(dc, client);
    PaintWindowBars(hwnd);
}

void DrawInkSegment(HWND hwnd, const InkState& state, InkPoint from, InkPoint to) {
    const HDC dc = GetDC(hwnd);
    if (!dc) return;
    const RECT view = InkViewRect(hwnd, state);
    IntersectClipRect(dc, view.left, view.top, view.right, view.bottom);
    {
        const OwnedObject pen(InkPen(state));
        const Selected selected(dc, pen.Get());
        const InkStroke segment = from == to ? InkStroke{from} : InkStroke{from, to};
        PaintStroke(dc, state, segment);
    }
    ReleaseDC(hwnd, dc);
}

}  // namespace platform
