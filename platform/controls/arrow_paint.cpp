// Painting the controls made of arrows: the up-down control's two buttons and the scroll bar
// control's arrows, track and thumb.
#include <algorithm>

#include "controls/control_look.h"
#include "controls/scroll_bar.h"
#include "controls/up_down.h"

namespace platform {
namespace {

enum class Pointing { Up, Down, Left, Right };

// A filled triangle centred in the box.
void DrawArrow(HDC dc, RECT box, Pointing way, COLORREF colour) {
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    const int half = std::max(1, std::min(w, h) / 4);
    const int cx = box.left + w / 2;
    const int cy = box.top + h / 2;
    for (int i = 0; i < half; ++i) {
        switch (way) {
        case Pointing::Up: FillLook(dc, {cx - i, cy - half / 2 + i, cx + i + 1, cy - half / 2 + i + 1}, colour); break;
        case Pointing::Down: FillLook(dc, {cx - i, cy + half / 2 - i, cx + i + 1, cy + half / 2 - i + 1}, colour); break;
        case Pointing::Left: FillLook(dc, {cx - half / 2 + i, cy - i, cx - half / 2 + i + 1, cy + i + 1}, colour); break;
        case Pointing::Right: FillLook(dc, {cx + half / 2 - i, cy - i, cx + half / 2 - i + 1, cy + i + 1}, colour); break;
        }
    }
}

void DrawButton(HDC dc, RECT box, bool pressed, Pointing way, bool enabled) {
    FillLook(dc, box, pressed ? kLookPushedFace : kLookFace);
    FrameLook(dc, box, kLookFrame);
    DrawArrow(dc, box, way, enabled ? kLookFrame : kLookShadow);
}

}  // namespace

void PaintUpDown(HWND hwnd, const UpDownState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (StyleOf(hwnd) & UDS_HORZ) {
        const int mid = client.right / 2;
        DrawButton(dc, {client.left, client.top, mid, client.bottom}, state.pressed < 0, Pointing::Left, enabled);
        DrawButton(dc, {mid, client.top, client.right, client.bottom}, state.pressed > 0, Pointing::Right, enabled);
    } else {
        const int mid = client.bottom / 2;
        DrawButton(dc, {client.left, client.top, client.right, mid}, state.pressed > 0, Pointing::Up, enabled);
        DrawButton(dc, {client.left, mid, client.right, client.bottom}, state.pressed < 0, Pointing::Down, enabled);
    }
}

void PaintScrollBarControl(HWND hwnd, const ScrollBarInfo& info) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    PaintScrollBar(dc, client, (StyleOf(hwnd) & SBS_VERT) != 0, info, IsWindowEnabled(hwnd) != FALSE);
}

void PaintScrollBar(HDC dc, RECT bar, bool vertical, const ScrollBarInfo& info, bool enabled) {
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    const int arrow = std::min(thickness, length / 2);
    FillLook(dc, bar, kLookFace);
    const ThumbPlace thumb = PlaceThumb(info, length, arrow);
    RECT first = bar, second = bar, knob = bar;
    if (vertical) {
        first.bottom = bar.top + arrow;
        second.top = bar.bottom - arrow;
        knob.top = bar.top + thumb.start;
        knob.bottom = knob.top + thumb.size;
    } else {
        first.right = bar.left + arrow;
        second.left = bar.right - arrow;
        knob.left = bar.left + thumb.start;
        knob.right = knob.left + thumb.size;
    }
    const bool firstOn = enabled && !(info.disabledArrows & ESB_DISABLE_LTUP);
    const bool secondOn = enabled && !(info.disabledArrows & ESB_DISABLE_RTDN);
    DrawButton(dc, first, false, vertical ? Pointing::Up : Pointing::Left, firstOn);
    DrawButton(dc, second, false, vertical ? Pointing::Down : Pointing::Right, secondOn);
    if (enabled && thumb.size > 0 && info.max > info.min) {
        FillLook(dc, knob, kLookShadow);
        FrameLook(dc, knob, kLookFrame);
    }
}

}  // namespace platform
