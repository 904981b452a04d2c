// The device's look of the standard controls: its colours, the default font, and the helpers every
// painter uses (the paint scope, the colours a parent chooses with WM_CTLCOLOR*, solid fills).
#pragma once

#include "controls/control_state.h"
#include "platform/gdi.h"

namespace platform {

constexpr COLORREF kLookWindow = RGB(255, 255, 255);
constexpr COLORREF kLookText = RGB(0, 0, 0);
constexpr COLORREF kLookGrayText = RGB(128, 128, 128);
constexpr COLORREF kLookHighlight = RGB(0, 82, 156);
constexpr COLORREF kLookHighlightText = RGB(255, 255, 255);
constexpr COLORREF kLookFace = RGB(222, 222, 222);
constexpr COLORREF kLookPushedFace = RGB(160, 160, 160);
constexpr COLORREF kLookFrame = RGB(0, 0, 0);
constexpr COLORREF kLookShadow = RGB(128, 128, 128);
constexpr COLORREF kLookSeeThrough = RGB(255, 0, 255);  // magenta in a picture is not drawn

// Leaves out of a screen DC's clip the top-level windows above the window's own: what a window draws
// outside its client area (its frame, its bars) stays under a dialog opened over it, as the rest does.
void ExcludeWindowsAbove(HDC dc, HWND hwnd);

// BeginPaint and EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC for a while.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selected() {
        if (old_) SelectObject(dc_, old_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The font a control draws with: its own (WM_SETFONT) or the system's.
HFONT LookFont(HFONT font);
// Sets the default colours, then lets the parent choose (WM_CTLCOLOR*); the brush to fill with.
HBRUSH ParentBrush(HWND hwnd, HDC dc, UINT ctlColorMessage);
void FillLook(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame just inside the rectangle.
void FrameLook(HDC dc, const RECT& rect, COLORREF colour);
// The border of a control with WS_BORDER or WS_EX_CLIENTEDGE, drawn around its client area.
void DrawControlBorder(HWND hwnd);
// A size at 96 dots per inch on this screen.
int LookPixels(int size96);
// The height of a line of text in a font.
int LineHeight(HFONT font);

}  // namespace platform
