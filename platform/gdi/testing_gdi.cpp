// The drawing area's test API.
#include "platform/testing_gdi.h"

#include "gdi/dc.h"
#include "gdi/screen.h"
#include "platform/imaging.h"

namespace platform::testing {

std::size_t LiveGdiObjectCount() { return gdi::LiveObjectCount(); }

bool SaveDcAsPng(HDC dc, const std::filesystem::path& file) {
    const auto d = gdi::LookupDc(dc);
    const gdi::Surface* s = d ? d->Target() : nullptr;
    return s && WritePngFile(file, s->Row(0), s->width, s->height, s->stride);
}

bool SaveBitmapAsPng(HBITMAP bitmap, const std::filesystem::path& file) {
    const auto b = gdi::LookupObjectAs<gdi::BitmapObject>(bitmap);
    if (!b) return false;
    const gdi::Surface& s = b->surface();
    return WritePngFile(file, s.Row(0), s.width, s.height, s.stride);
}

COLORREF ScreenPixel(int x, int y) {
    const gdi::Surface& s = gdi::ScreenSurface();
    return s.Contains(x, y) ? gdi::ColorFromPixel(s.Row(y)[x]) : CLR_INVALID;
}

bool SaveScreenAsPng(const std::filesystem::path& file) {
    const gdi::Surface& s = gdi::ScreenSurface();
    return WritePngFile(file, s.Row(0), s.width, s.height, s.stride);
}

}  // namespace platform::testing
