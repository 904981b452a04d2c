// Bitmaps: device-dependent ones (colour or one-bit), DIB sections whose bits the caller writes,
// and bitmaps made from DIB bits.
#include <cstring>

#include "gdi/bitmap.h"
#include "gdi/dc.h"
#include "platform/system.h"

namespace platform::gdi {

bool SizeAllowed(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           static_cast<long long>(width) * height <= kMaxBitmapPixels;
}

std::shared_ptr<BitmapObject> NewBitmap(int width, int height, bool monochrome, bool bottomUp) {
    auto bitmap = std::make_shared<BitmapObject>();
    bitmap->store.Allocate(width, height, bottomUp, monochrome);
    return bitmap;
}

HBITMAP BitmapFromPixels(const DibPixels& dib, bool monochrome) {
    auto bitmap = NewBitmap(dib.width, dib.height, monochrome);
    Surface& s = bitmap->surface();
    for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x)
            s.Row(y)[x] = s.Fit(dib.pixels[static_cast<std::size_t>(y) * dib.width + x]);
    return static_cast<HBITMAP>(RegisterObject(bitmap));
}

}  // namespace platform::gdi

using namespace platform::gdi;

namespace {

bool RefuseSize(int width, int height) {
    if (SizeAllowed(width, height)) return false;
    SetLastError(width < 0 || height < 0 ? ERROR_INVALID_PARAMETER : ERROR_NOT_ENOUGH_MEMORY);
    return true;
}

std::size_t InfoBytes(const BITMAPINFO* info) {
    // The caller's BITMAPINFO holds its colour table (and masks) after the header.
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    return DibHeaderBytes(h, static_cast<std::size_t>(-1) / 2);
}

std::size_t BitsBytes(const BITMAPINFO* info) {
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    if (h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4) return h.biSizeImage;
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    return DibRowBytes(h.biWidth, h.biBitCount) * static_cast<std::size_t>(height);
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width == 0 || height == 0) return static_cast<HBITMAP>(RegisterObject(NewBitmap(1, 1, true)));
    if (planes != 1 || RefuseSize(width, height)) {
        if (planes != 1) SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const bool mono = bitsPerPixel == 1;
    auto bitmap = NewBitmap(width, height, mono);
    if (bits) {
        // Device-dependent rows are padded to 16 bits.
        const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitsPerPixel + 15) / 16) * 2;
        const BYTE* src = static_cast<const BYTE*>(bits);
        Surface& s = bitmap->surface();
        for (int y = 0; y < height; ++y) {
            const BYTE* row = src + rowBytes * y;
            for (int x = 0; x < width; ++x) {
                Pixel p = kBlackPixel;
                switch (bitsPerPixel) {
                case 1: p = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? kWhitePixel : kBlackPixel; break;
                case 24: p = (static_cast<Pixel>(row[3 * x + 2]) << 16) | (row[3 * x + 1] << 8) | row[3 * x]; break;
                case 32: p = (static_cast<Pixel>(row[4 * x + 2]) << 16) | (row[4 * x + 1] << 8) | row[4 * x]; break;
                default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
                }
                s.Row(y)[x] = p;
            }
        }
    }
    return static_cast<HBITMAP>(RegisterObject(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    std::shared_ptr<DcObject> d;
    if (dc && !(d = LookupDc(dc))) return nullptr;
    if (width == 0 || height == 0) return static_cast<HBITMAP>(RegisterObject(NewBitmap(1, 1, true)));
    if (RefuseSize(width, height)) return nullptr;
    // Compatible with a memory DC means like the bitmap it holds: one bit while it has its default.
    const Surface* target = d ? d->Target() : nullptr;
    const bool mono = d && d->memory && target && target->monochrome;
    return static_cast<HBITMAP>(RegisterObject(NewBitmap(width, height, mono)));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    if (dc && !LookupDc(dc)) return nullptr;
    if (!info || usage != DIB_RGB_COLORS || section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    // Sections are kept at 32 bits a pixel, the depth of every surface here.
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biBitCount != 32 ||
        (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) || height > kMaxBitmapSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (RefuseSize(h.biWidth, static_cast<int>(height))) return nullptr;
    auto bitmap = NewBitmap(h.biWidth, static_cast<int>(height), false, h.biHeight > 0);
    bitmap->dibSection = true;
    if (bits) *bits = bitmap->store.pixels.data();
    return static_cast<HBITMAP>(RegisterObject(bitmap));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage) {
    if (!header) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const long long height = header->biHeight < 0 ? -static_cast<long long>(header->biHeight) : header->biHeight;
    if (!(init & CBM_INIT)) return CreateCompatibleBitmap(dc, header->biWidth, static_cast<int>(height));
    if (!bits || !info || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto dib = DecodeDib(info, InfoBytes(info), bits, BitsBytes(info));
    if (!dib) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return BitmapFromPixels(*dib, false);
}
