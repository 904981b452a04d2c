// Drag images: one picture that follows the stylus over a locked window, drawn over what the window
// shows and taken away again by putting back the pixels it covered.
#include <memory>

#include "commctrl/image_list.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {
namespace {

struct DragImage {
    HIMAGELIST image = nullptr;  // a list of one picture, owned here
    POINT hotspot{};
    HWND lock = nullptr;
    POINT position{};
    bool entered = false;
    bool shown = false;
    std::unique_ptr<PixelBuffer> under;  // what the picture covers while shown
};

DragImage& Drag() {
    static DragImage drag;
    return drag;
}

RECT PictureRect(const DragImage& d) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(d.image, &cx, &cy);
    const LONG left = d.position.x - d.hotspot.x, top = d.position.y - d.hotspot.y;
    return RECT{left, top, left + cx, top + cy};
}

void Show(DragImage& d) {
    if (d.shown || !d.entered || !d.image) return;
    const RECT rc = PictureRect(d);
    const HDC dc = GetDC(d.lock);
    if (!dc) return;
    d.under = std::make_unique<PixelBuffer>(rc.right - rc.left, rc.bottom - rc.top);
    if (d.under->Ok()) BitBlt(d.under->Dc(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, dc, rc.left, rc.top, SRCCOPY);
    ImageList_Draw(d.image, 0, dc, rc.left, rc.top, ILD_NORMAL);
    ReleaseDC(d.lock, dc);
    d.shown = true;
}

void Hide(DragImage& d) {
    if (!d.shown) return;
    d.shown = false;
    const RECT rc = PictureRect(d);
    const HDC dc = GetDC(d.lock);
    if (dc && d.under && d.under->Ok())
        BitBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, d.under->Dc(), 0, 0, SRCCOPY);
    if (dc) ReleaseDC(d.lock, dc);
    d.under.reset();
}

}  // namespace
}  // namespace platform::commctrl

using namespace platform::commctrl;

BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int dxHotspot, int dyHotspot) {
    ImageList* source = FindImageList(track);
    if (!source || index < 0 || static_cast<std::size_t>(index) >= source->images.size()) return FALSE;
    ImageList_EndDrag();
    auto copy = std::make_unique<ImageList>();
    copy->cx = source->cx;
    copy->cy = source->cy;
    copy->flags = source->flags;
    copy->grow = 1;
    copy->images.push_back(source->images[static_cast<std::size_t>(index)]);
    DragImage& d = Drag();
    d.image = AddImageList(std::move(copy));
    d.hotspot = POINT{dxHotspot, dyHotspot};
    return TRUE;
}

void ImageList_EndDrag() {
    DragImage& d = Drag();
    Hide(d);
    if (d.image) ImageList_Destroy(d.image);
    d = DragImage{};
}

BOOL ImageList_DragEnter(HWND lock, int x, int y) {
    DragImage& d = Drag();
    if (!d.image || (lock && !IsWindow(lock))) return FALSE;
    Hide(d);
    d.lock = lock;
    d.position = POINT{x, y};
    d.entered = true;
    Show(d);
    return TRUE;
}

BOOL ImageList_DragLeave(HWND lock) {
    DragImage& d = Drag();
    if (!d.entered || d.lock != lock) return FALSE;
    Hide(d);
    d.entered = false;
    d.lock = nullptr;
    return TRUE;
}

BOOL ImageList_DragMove(int x, int y) {
    DragImage& d = Drag();
    if (!d.image) return FALSE;
    const bool wasShown = d.shown;
    Hide(d);
    d.position = POINT{x, y};
    if (wasShown) Show(d);
    return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL show) {
    DragImage& d = Drag();
    if (!d.image) return FALSE;
    if (show) Show(d);
    else Hide(d);
    return TRUE;
}

HIMAGELIST ImageList_GetDragImage(POINT* position, POINT* hotspot) {
    DragImage& d = Drag();
    if (!d.image) return nullptr;
    if (position) *position = d.position;
    if (hotspot) *hotspot = d.hotspot;
    return d.image;
}
