// Off-screen buffers of the views and dialogs; made, drawn, copied and released on the
// user-interface thread only.
#include "ui/offscreen.h"

#include "core/frame_state.h"
#include "platform/gdi.h"
#include "platform/user.h"

namespace {

constexpr COLORREF kBufferBackground = RGB(255, 255, 255);

void FreeObjects(OffscreenBuffer& buffer, BOOL& deleted) {
    SelectObject(buffer.memDC, buffer.prevBitmap);
    DeleteObject(buffer.bitmap);
    deleted = DeleteDC(buffer.memDC);
    buffer.valid = 0;
    buffer.drawn = 0;
    buffer.memDC = nullptr;
    buffer.bitmap = nullptr;
}

}  // namespace

bool CreateOffscreen(OffscreenBuffer& buffer, HDC referenceDC, int width, int height) {
    if (buffer.valid) return true;
    // A buffer that reports itself valid without its objects would paint nothing for ever after;
    // what was made is released and the next paint tries again.
    const HDC memDC = CreateCompatibleDC(referenceDC);
    if (!memDC) return false;
    // Compatible with the reference context: the new memory context would give a one-bit bitmap.
    const HBITMAP bitmap = CreateCompatibleBitmap(referenceDC, width, height);
    if (!bitmap) {
        DeleteDC(memDC);
        return false;
    }
    buffer.memDC = memDC;
    buffer.bitmap = bitmap;
    buffer.width = width;
    buffer.height = height;
    buffer.prevBitmap = static_cast<HBITMAP>(SelectObject(memDC, bitmap));
    const RECT all{0, 0, width, height};
    if (const HBRUSH white = CreateSolidBrush(kBufferBackground)) {
        FillRect(memDC, &all, white);
        DeleteObject(white);
    }
    buffer.valid = 1;
    return true;
}

void ReleaseOffscreen(OffscreenBuffer& buffer) {
    buffer.valid = 0;
    buffer.drawn = 0;
    if (!buffer.memDC || !buffer.bitmap) return;
    BOOL deleted = FALSE;
    FreeObjects(buffer, deleted);
}

LONG_PTR ReleaseOffscreenB(OffscreenBuffer& buffer) {
    if (!buffer.memDC || !buffer.bitmap) return reinterpret_cast<LONG_PTR>(buffer.memDC);
    BOOL deleted = FALSE;
    FreeObjects(buffer, deleted);
    return deleted;
}

void RedrawNow(HWND window) {
    const HWND target = window ? window : g_Frame.mainWnd;
    if (!target) return;
    InvalidateRect(target, nullptr, TRUE);
    UpdateWindow(target);
}
