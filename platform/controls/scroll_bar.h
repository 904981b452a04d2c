// Scroll bars: the state of one bar, kept for a window's two bars and for scroll bar controls.
#pragma once

#include "controls/control_state.h"

namespace platform {

struct ScrollBarInfo {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;
    bool tracking = false;  // the thumb is being dragged
    int dragOffset = 0;
};

// The thumb's place along a bar of `length` pixels with arrows of `arrow` pixels: offset and size.
struct ThumbPlace {
    int start = 0;
    int size = 0;
};
ThumbPlace PlaceThumb(const ScrollBarInfo& info, int length, int arrow);
// The position a thumb starting at `start` stands for.
int PositionOfThumb(const ScrollBarInfo& info, int length, int arrow, int start);

void RegisterScrollBarClass();
void PaintScrollBarControl(HWND hwnd, const ScrollBarInfo& info);
// Paints a bar (arrows, track and thumb) into a rectangle of a DC.
void PaintScrollBar(HDC dc, RECT bar, bool vertical, const ScrollBarInfo& info, bool enabled);
// Paints the bars a window shows beside its client area.
void PaintWindowBars(HWND hwnd);
// A pen-down on one of a window's bars (client coordinates beyond the client area): the window gets
// the scroll request as WM_VSCROLL or WM_HSCROLL; false when the point is on no bar.
// A pen-down on the thumb starts a drag that the window's pen moves and pen-up hand to these
// (true while the drag is the window's): WM_VSCROLL SB_THUMBTRACK as it moves, SB_THUMBPOSITION at the end.
bool TapWindowBar(HWND hwnd, LPARAM lParam);
bool DragWindowBar(HWND hwnd, LPARAM lParam);
bool EndWindowBarDrag(HWND hwnd);
// The window lost the pen (WM_CAPTURECHANGED): a drag of its thumb ends where it is.
void CancelWindowBarDrag(HWND hwnd);
// A stylus message about to be dispatched: a press on one of the window's bars, and that press's
// moves and lifting, go to the bars (as above, with SB_ENDSCROLL when the pen lifts) and never to the
// window's procedure. True when the message was the bars'.
bool TakeWindowBarPen(const MSG& msg);

}  // namespace platform
