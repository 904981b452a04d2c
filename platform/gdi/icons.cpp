// Icons: a colour picture and a mask. Drawing ANDs the mask onto the destination and then XORs the
// colour picture, so white mask pixels over black colour pixels leave the destination showing.
#include "gdi/bitmap.h"
#include "gdi/blit.h"
#include "platform/system.h"

using namespace platform::gdi;

namespace {

// A copy of a bitmap's pixels; one-bit masks are kept as black and white colour pixels so that the
// DC's text and background colours never enter into drawing them.
void CopyPixels(const Surface& from, int top, int height, PixelStore& to) {
    to.Allocate(from.width, height, false, false);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < from.width; ++x) to.surface.Row(y)[x] = from.Row(top + y)[x] & 0xFFFFFF;
}

HBITMAP BitmapCopy(const PixelStore& store, bool monochrome) {
    auto bitmap = NewBitmap(store.surface.width, store.surface.height, monochrome);
    for (int y = 0; y < store.surface.height; ++y)
        for (int x = 0; x < store.surface.width; ++x)
            bitmap->surface().Row(y)[x] = bitmap->surface().Fit(store.surface.Row(y)[x]);
    return static_cast<HBITMAP>(RegisterObject(bitmap));
}

}  // namespace

HICON CreateIconIndirect(PICONINFO info) {
    const auto mask = info ? LookupObjectAs<BitmapObject>(info->hbmMask) : nullptr;
    if (!mask) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto icon = std::make_shared<IconObject>();
    icon->info = *info;
    const Surface& m = mask->surface();
    if (const auto colour = LookupObjectAs<BitmapObject>(info->hbmColor)) {
        CopyPixels(colour->surface(), 0, colour->surface().height, icon->color);
        CopyPixels(m, 0, std::min(m.height, colour->surface().height), icon->mask);
    } else {
        // Without a colour bitmap the mask is twice as high: the AND half above the XOR half.
        const int half = m.height / 2;
        CopyPixels(m, 0, half, icon->mask);
        CopyPixels(m, half, half, icon->color);
    }
    icon->hasColor = info->hbmColor != nullptr;
    return static_cast<HICON>(RegisterObject(icon));
}

BOOL GetIconInfo(HICON handle, PICONINFO info) {
    const auto icon = LookupObjectAs<IconObject>(handle);
    if (!icon || !info) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *info = icon->info;
    info->hbmMask = BitmapCopy(icon->mask, true);
    info->hbmColor = BitmapCopy(icon->color, false);
    return TRUE;
}

BOOL DestroyIcon(HICON handle) {
    if (!LookupObjectAs<IconObject>(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    UnregisterObject(handle);
    return TRUE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON handle, int width, int height, UINT, HBRUSH flickerFree, UINT flags) {
    const auto d = LookupDc(dc);
    const auto icon = LookupObjectAs<IconObject>(handle);
    if (!d || !icon) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const int w = width ? width : icon->color.surface.width;
    const int h = height ? height : icon->color.surface.height;
    if (flickerFree) {
        const RECT r{x, y, x + w, y + h};
        FillRect(dc, &r, flickerFree);
    }
    if (!(flags & DI_NORMAL)) flags = DI_NORMAL;
    BlitSource mask;
    mask.surface = &icon->mask.surface;
    BlitSource colour;
    colour.surface = &icon->color.surface;
    const int sw = icon->color.surface.width, sh = icon->color.surface.height;
    if ((flags & DI_NORMAL) == DI_IMAGE) return RunBlit(*d, {x, y, w, h, 0, 0, sw, sh, SRCCOPY, &colour, nullptr, {}, {}});
    RunBlit(*d, {x, y, w, h, 0, 0, sw, sh, SRCAND, &mask, nullptr, {}, {}});
    if (flags & DI_IMAGE) RunBlit(*d, {x, y, w, h, 0, 0, sw, sh, SRCINVERT, &colour, nullptr, {}, {}});
    return TRUE;
}
