// Pens and brushes: solid, dashed and null pens of any width; solid, hatched and pattern brushes.
#include <cstring>

#include "gdi/dc.h"
#include "gdi/dib.h"
#include "platform/system.h"

using namespace platform::gdi;

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_DASH && style != PS_DOT && style != PS_NULL) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto pen = std::make_shared<PenObject>();
    pen->pen = {static_cast<UINT>(style), {width < 0 ? 0 : width, 0}, colour & 0xFFFFFF};
    return static_cast<HPEN>(RegisterObject(pen));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_shared<BrushObject>();
    brush->brush = {BS_SOLID, colour & 0xFFFFFF, 0};
    return static_cast<HBRUSH>(RegisterObject(brush));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF colour) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto brush = std::make_shared<BrushObject>();
    brush->brush = {BS_HATCHED, colour & 0xFFFFFF, static_cast<ULONG_PTR>(hatch)};
    return static_cast<HBRUSH>(RegisterObject(brush));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const auto b = LookupObjectAs<BitmapObject>(bitmap);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // The brush keeps a copy: the bitmap may be deleted afterwards.
    auto brush = std::make_shared<BrushObject>();
    brush->brush = {BS_PATTERN, 0, 0};
    const Surface& s = b->store.surface;
    brush->tileWidth = s.width;
    brush->tileHeight = s.height;
    brush->monoTile = s.monochrome;
    for (int y = 0; y < s.height; ++y) brush->tile.insert(brush->tile.end(), s.Row(y), s.Row(y) + s.width);
    return static_cast<HBRUSH>(RegisterObject(brush));
}

HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage) {
    if (!packedDib || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // The size of the block is not given; it is what its header says.
    BITMAPINFOHEADER h;
    std::memcpy(&h, packedDib, sizeof h);
    const std::size_t header = DibHeaderBytes(h, 1u << 20);
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const std::size_t bits = DibRowBytes(h.biWidth > 0 ? h.biWidth : 0, h.biBitCount) * static_cast<std::size_t>(height);
    const auto dib = header ? DecodePackedDib(packedDib, header + bits) : std::nullopt;
    if (!dib) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto brush = std::make_shared<BrushObject>();
    brush->brush = {BS_DIBPATTERNPT, 0, 0};
    brush->tileWidth = dib->width;
    brush->tileHeight = dib->height;
    brush->tile = dib->pixels;
    return static_cast<HBRUSH>(RegisterObject(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    case BS_DIBPATTERNPT: return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(brush->lbHatch), DIB_RGB_COLORS);
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}
