// Reading device-independent bitmaps of 1, 4, 8, 16, 24 and 32 bits a pixel (plain or with bit
// fields, and run-length encoded 8 and 4 bit ones) into top-down 32-bit pixels.
#include "gdi/dib.h"

#include <cstring>

namespace platform::gdi {
namespace {

constexpr DWORD kCoreHeaderSize = 12;

DWORD ReadDword(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24); }

int ShiftOf(DWORD mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

BYTE Channel(DWORD value, DWORD mask) {
    if (!mask) return 0;
    const int shift = ShiftOf(mask);
    const DWORD max = mask >> shift;
    return static_cast<BYTE>(((value & mask) >> shift) * 255 / max);
}

std::size_t ColorCount(const BITMAPINFOHEADER& h) {
    if (h.biBitCount > 8) return 0;
    const std::size_t full = std::size_t{1} << h.biBitCount;
    return h.biClrUsed && h.biClrUsed < full ? h.biClrUsed : full;
}

// Run-length encoded bits into palette indices, bottom-up rows.
bool DecodeRle(const BYTE* bits, std::size_t bytes, int width, int height, bool four, std::vector<BYTE>& indices) {
    indices.assign(static_cast<std::size_t>(width) * height, 0);
    int x = 0, y = 0;
    std::size_t i = 0;
    auto put = [&](BYTE value) {
        if (x < width && y < height) indices[static_cast<std::size_t>(y) * width + x] = value;
        ++x;
    };
    while (i + 1 < bytes) {
        const BYTE count = bits[i], value = bits[i + 1];
        i += 2;
        if (count) {
            for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (i + 1 >= bytes) return false;
            x += bits[i];
            y += bits[i + 1];
            i += 2;
        } else {
            const std::size_t n = value;
            const std::size_t used = four ? (n + 1) / 2 : n;
            if (i + used > bytes) return false;
            for (std::size_t k = 0; k < n; ++k)
                put(four ? ((k & 1) ? bits[i + k / 2] & 0x0F : bits[i + k / 2] >> 4) : bits[i + k]);
            i += (used + 1) & ~std::size_t{1};
        }
    }
    return true;
}

}  // namespace

std::size_t DibRowBytes(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

std::size_t DibHeaderBytes(const BITMAPINFOHEADER& h, std::size_t available) {
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > available) return 0;
    std::size_t bytes = h.biSize + ColorCount(h) * sizeof(RGBQUAD);
    if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER)) bytes += 3 * sizeof(DWORD);
    return bytes <= available ? bytes : 0;
}

std::optional<DibPixels> DecodeDib(const BITMAPINFO* info, std::size_t infoBytes, const void* bitsIn,
                                   std::size_t bitsBytes) {
    if (!info || !bitsIn || infoBytes < kCoreHeaderSize) return std::nullopt;
    // Copied: headers inside resources or files need not be aligned.
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    if (h.biSize < sizeof(BITMAPINFOHEADER) || infoBytes < h.biSize) return std::nullopt;
    const int width = h.biWidth;
    const bool bottomUp = h.biHeight > 0;
    const long long absHeight = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    if (width <= 0 || absHeight <= 0 || width > kMaxBitmapSide || absHeight > kMaxBitmapSide ||
        static_cast<long long>(width) * absHeight > kMaxBitmapPixels)
        return std::nullopt;
    const int height = static_cast<int>(absHeight);
    const int bpp = h.biBitCount;
    const bool rle = h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4;
    if (rle ? (h.biCompression == BI_RLE8 ? bpp != 8 : bpp != 4) || !bottomUp
            : (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS))
        return std::nullopt;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;

    const BYTE* base = reinterpret_cast<const BYTE*>(info);
    const std::size_t tableStart = h.biSize;
    const std::size_t colors = ColorCount(h);
    std::vector<Pixel> palette(colors, kBlackPixel);
    if (colors) {
        if (infoBytes < tableStart + colors * sizeof(RGBQUAD)) return std::nullopt;
        for (std::size_t i = 0; i < colors; ++i) {
            const BYTE* q = base + tableStart + i * sizeof(RGBQUAD);
            palette[i] = (static_cast<Pixel>(q[2]) << 16) | (q[1] << 8) | q[0];
        }
    }
    DWORD masks[3] = {0, 0, 0};
    if (bpp == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }
    if (h.biCompression == BI_BITFIELDS) {
        if (bpp != 16 && bpp != 32) return std::nullopt;
        // The masks follow the header (or are part of a larger header).
        if (infoBytes < sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD)) return std::nullopt;
        for (int i = 0; i < 3; ++i) masks[i] = ReadDword(base + sizeof(BITMAPINFOHEADER) + 4 * i);
    }

    DibPixels out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    out.monochrome = bpp == 1 && colors == 2 && palette[0] == kBlackPixel && palette[1] == kWhitePixel;
    const BYTE* bits = static_cast<const BYTE*>(bitsIn);

    auto lookup = [&](std::size_t index) { return index < palette.size() ? palette[index] : kBlackPixel; };
    if (rle) {
        std::vector<BYTE> indices;
        if (!DecodeRle(bits, bitsBytes, width, height, h.biCompression == BI_RLE4, indices)) return std::nullopt;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                out.pixels[static_cast<std::size_t>(height - 1 - y) * width + x] =
                    lookup(indices[static_cast<std::size_t>(y) * width + x]);
        return out;
    }

    const std::size_t rowBytes = DibRowBytes(width, bpp);
    if (bitsBytes < rowBytes * static_cast<std::size_t>(height)) return std::nullopt;
    for (int row = 0; row < height; ++row) {
        const BYTE* src = bits + rowBytes * row;
        Pixel* dst = out.pixels.data() + static_cast<std::size_t>(bottomUp ? height - 1 - row : row) * width;
        for (int x = 0; x < width; ++x) {
            switch (bpp) {
            case 1: dst[x] = lookup((src[x >> 3] >> (7 - (x & 7))) & 1); break;
            case 4: dst[x] = lookup((x & 1) ? src[x >> 1] & 0x0F : src[x >> 1] >> 4); break;
            case 8: dst[x] = lookup(src[x]); break;
            case 16: {
                const DWORD v = src[2 * x] | (src[2 * x + 1] << 8);
                dst[x] = (static_cast<Pixel>(Channel(v, masks[0])) << 16) | (Channel(v, masks[1]) << 8) |
                         Channel(v, masks[2]);
                break;
            }
            case 24: dst[x] = (static_cast<Pixel>(src[3 * x + 2]) << 16) | (src[3 * x + 1] << 8) | src[3 * x]; break;
            case 32: {
                const DWORD v = ReadDword(src + 4 * x);
                dst[x] = (static_cast<Pixel>(Channel(v, masks[0])) << 16) | (Channel(v, masks[1]) << 8) |
                         Channel(v, masks[2]);
                break;
            }
            }
        }
    }
    return out;
}

std::optional<DibPixels> DecodePackedDib(const void* data, std::size_t bytes) {
    if (!data || bytes < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    const std::size_t offset = DibHeaderBytes(header, bytes);
    if (!offset) return std::nullopt;
    return DecodeDib(static_cast<const BITMAPINFO*>(data), offset, static_cast<const BYTE*>(data) + offset,
                     bytes - offset);
}

}  // namespace platform::gdi
