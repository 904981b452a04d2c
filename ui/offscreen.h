// Off-screen buffers: a memory device context holding a bitmap of a view's size, which the view
// draws into once and copies to the screen on every paint until it clears `drawn`.
#pragma once

#include "platform/types.h"

// Zero at start. valid 1 means memDC and bitmap exist and bitmap is selected into memDC; release
// keeps prevBitmap, width and height, which mean something only while valid is 1.
struct OffscreenBuffer {
    LONG valid = 0;
    LONG drawn = 0;
    HDC memDC = nullptr;
    HBITMAP bitmap = nullptr;
    HBITMAP prevBitmap = nullptr;
    LONG width = 0;
    LONG height = 0;
};

// Makes the buffer, white, unless it is already valid (then the size asked for is ignored).
// False when the memory context or the bitmap could not be made; the buffer then stays empty.
bool CreateOffscreen(OffscreenBuffer& buffer, HDC referenceDC, int width, int height);
// Clears both flags and, when it holds its objects, releases them.
void ReleaseOffscreen(OffscreenBuffer& buffer);
// As ReleaseOffscreen, but the flags stay as they were when there was nothing to release. The
// result of deleting the memory context, or the memDC word when nothing was released.
LONG_PTR ReleaseOffscreenB(OffscreenBuffer& buffer);
// Invalidates the whole client area with erasing and repaints it at once; null is the main window.
void RedrawNow(HWND window);
