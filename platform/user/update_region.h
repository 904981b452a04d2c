// What each window needs painted, for WM_PAINT and for the drawing area's BeginPaint/EndPaint.
// The region is kept as one rectangle, the union of everything invalidated.
#pragma once

#include <vector>

#include "platform/user.h"

namespace platform {

// The first visible window of the thread (parents before children) with something to paint and
// within the filter (a window and its descendants; nullptr for any); nullptr when none.
HWND WindowToPaint(DWORD threadId, HWND filter);

// What BeginPaint takes: the area to paint in client coordinates and whether the background needs
// erasing; the window is validated. False for a window that is gone.
bool TakeUpdateRegion(HWND hwnd, RECT* area, bool* erase);

// Invalidates a rectangle of a window in client coordinates (nullptr: all of it), and of its
// children when it does not clip them; wakes the queue that will paint it.
bool InvalidateWindowArea(HWND hwnd, const RECT* rect, bool erase);
// Invalidates all of a window and of every visible descendant (after it is shown).
void InvalidateWindowTree(HWND hwnd);
// Invalidates what lies under a screen rectangle in the windows below (after a window hides or moves).
// The windows' descendants are included, whether their parents clip them or not.
void InvalidateScreenArea(const RECT& screenRect, HWND parent);
// After the top-level z-order changed from `before`: in each window, the places of the windows that lay
// above it and now lie below it.
void InvalidateUncovered(const std::vector<HWND>& before);

}  // namespace platform
