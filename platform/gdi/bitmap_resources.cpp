// LoadBitmapW and LoadImageW: BITMAP resources of a module read in place and made into bitmaps.
// Bitmaps are drawn by us with magenta standing for transparent; the pixels are kept as stored.
#include <cstdint>
#include <cstring>
#include <vector>

#include "gdi/bitmap.h"
#include "platform/system.h"
#include "resources/bitmap_resource.h"

using namespace platform::gdi;

namespace {

constexpr DWORD kCoreHeaderSize = 12;

// The old 12-byte header and 3-byte colours, rewritten as a BITMAPINFO.
std::vector<BYTE> InfoFromCoreHeader(const platform::BitmapDib& dib) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = dib.width;
    h.biHeight = dib.height;
    h.biPlanes = 1;
    h.biBitCount = dib.bitCount;
    h.biCompression = BI_RGB;
    h.biClrUsed = dib.colorCount;
    std::vector<BYTE> info(sizeof h + dib.colorCount * sizeof(RGBQUAD));
    std::memcpy(info.data(), &h, sizeof h);
    for (DWORD i = 0; i < dib.colorCount && kCoreHeaderSize + 3 * i + 2 < dib.info.size(); ++i) {
        RGBQUAD q{dib.info[kCoreHeaderSize + 3 * i], dib.info[kCoreHeaderSize + 3 * i + 1],
                  dib.info[kCoreHeaderSize + 3 * i + 2], 0};
        std::memcpy(info.data() + sizeof h + i * sizeof q, &q, sizeof q);
    }
    return info;
}

std::optional<DibPixels> ReadBitmapResource(HINSTANCE instance, LPCWSTR name) {
    const auto dib = platform::FindBitmapDib(instance, name);
    if (!dib) return std::nullopt;  // the resource area set the error
    std::optional<DibPixels> pixels;
    if (dib->headerSize == kCoreHeaderSize) {
        const std::vector<BYTE> info = InfoFromCoreHeader(*dib);
        pixels = DecodeDib(reinterpret_cast<const BITMAPINFO*>(info.data()), info.size(), dib->bits.data(),
                           dib->bits.size());
    } else {
        pixels = DecodeDib(reinterpret_cast<const BITMAPINFO*>(dib->info.data()), dib->info.size(), dib->bits.data(),
                           dib->bits.size());
    }
    if (!pixels) SetLastError(ERROR_INVALID_DATA);
    return pixels;
}

// The number of a resource named by number (MAKEINTRESOURCE), for the draw record; else 0.
int ResourceOrdinal(LPCWSTR name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    return value != 0 && value <= 0xFFFF ? static_cast<int>(value) : 0;
}

}  // namespace

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    const auto pixels = ReadBitmapResource(instance, name);
    if (!pixels) return nullptr;
    const HBITMAP bitmap = BitmapFromPixels(*pixels, pixels->monochrome);
    if (const auto object = LookupObjectAs<BitmapObject>(bitmap)) object->surface().resourceId = ResourceOrdinal(name);
    return bitmap;
}

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int width, int height, UINT flags) {
    if (type != IMAGE_BITMAP) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    const auto pixels = ReadBitmapResource(instance, name);
    if (!pixels) return nullptr;
    const int w = width > 0 ? width : pixels->width;
    const int h = height > 0 ? height : pixels->height;
    const bool section = flags & LR_CREATEDIBSECTION;
    const bool mono = pixels->monochrome && !section;
    auto bitmap = NewBitmap(w, h, mono, section);
    bitmap->dibSection = section;
    // Asked for another size, the picture is stretched to it.
    Surface source;
    source.width = pixels->width;
    source.height = pixels->height;
    source.bits = reinterpret_cast<BYTE*>(const_cast<Pixel*>(pixels->pixels.data()));
    source.stride = static_cast<std::ptrdiff_t>(pixels->width) * sizeof(Pixel);
    Surface& out = bitmap->surface();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.Row(y)[x] = out.Fit(source.Row(static_cast<int>(static_cast<long long>(y) * pixels->height / h))
                                        [static_cast<long long>(x) * pixels->width / w]);
    bitmap->surface().resourceId = ResourceOrdinal(name);
    return RegisterObject(bitmap);
}
