// BitBlt, StretchBlt, PatBlt, MaskBlt, TransparentImage and the DIB blits, on one blit routine that
// stretches by nearest pixel and applies any ternary raster operation.
#include "gdi/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gdi/dib.h"
#include "gdi/draw_record.h"
#include "platform/system.h"

namespace platform::gdi {
namespace {

constexpr int kRopShift = 16;
constexpr DWORD kRopMask = 0xFF;

BYTE Rop3Of(DWORD rop) { return static_cast<BYTE>((rop >> kRopShift) & kRopMask); }
bool UsesSource(BYTE code) { return ((code >> 2) & 0x33) != (code & 0x33); }
bool UsesPattern(BYTE code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

// Maps destination offset i of n onto the source span of m pixels (nearest pixel by centres).
int MapCoord(int i, int n, int m) {
    return static_cast<int>((static_cast<long long>(2 * i + 1) * m) / (2LL * n));
}

}  // namespace

Pixel ApplyRop3(BYTE code, Pixel P, Pixel S, Pixel D) {
    switch (code) {
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFF;
    case 0xCC: return S;
    case 0xF0: return P;
    case 0xAA: return D;
    case 0x55: return ~D;
    case 0x66: return S ^ D;
    case 0x88: return S & D;
    case 0xEE: return S | D;
    case 0x44: return S & ~D;
    case 0x33: return ~S;
    case 0x5A: return P ^ D;
    case 0xC0: return P & S;
    case 0xBB: return ~S | D;
    case 0x11: return ~(S | D);
    }
    Pixel result = 0;
    for (int i = 0; i < 8; ++i)
        if ((code >> i) & 1) result |= ((i & 4) ? P : ~P) & ((i & 2) ? S : ~S) & ((i & 1) ? D : ~D);
    return result;
}

std::optional<BlitSource> SourceOfDc(HDC dc) {
    const auto d = LookupDc(dc);
    if (!d || !d->Target()) return std::nullopt;
    BlitSource s;
    s.surface = d->Target();
    s.origin = d->origin;
    s.background = PixelFromColor(d->state.bkColor);
    return s;
}

std::optional<BlitSource> SourceOfBitmap(HBITMAP bitmap) {
    const auto b = LookupObjectAs<BitmapObject>(bitmap);
    if (!b) return std::nullopt;
    BlitSource s;
    s.surface = &b->surface();
    return s;
}

bool RunBlit(const DcObject& dest, const BlitRequest& q) {
    if (!SaneCoordinates({q.x, q.y, q.width, q.height, q.xSrc, q.ySrc, q.srcWidth, q.srcHeight,
                          static_cast<long long>(q.x) + q.width, static_cast<long long>(q.y) + q.height}))
        return false;
    Canvas canvas(dest);
    if (canvas.Empty() || q.width == 0 || q.height == 0) return true;
    const BYTE fore = Rop3Of(q.rop);
    const BYTE back = q.mask ? static_cast<BYTE>((q.rop >> 24) & kRopMask) : fore;
    const bool needSource = UsesSource(fore) || UsesSource(back) || q.key.has_value();
    const bool needPattern = UsesPattern(fore) || UsesPattern(back);
    if (needSource && (!q.source || !q.source->surface)) return false;

    // Negative sizes mirror.
    const int dw = std::abs(q.width), dh = std::abs(q.height);
    const int dx0 = q.width < 0 ? q.x + q.width + 1 : q.x;
    const int dy0 = q.height < 0 ? q.y + q.height + 1 : q.y;
    const bool mirrorX = (q.width < 0) != (q.srcWidth < 0);
    const bool mirrorY = (q.height < 0) != (q.srcHeight < 0);
    const int sw = std::abs(q.srcWidth), sh = std::abs(q.srcHeight);
    const int sx0 = q.srcWidth < 0 ? q.xSrc + q.srcWidth + 1 : q.xSrc;
    const int sy0 = q.srcHeight < 0 ? q.ySrc + q.srcHeight + 1 : q.ySrc;

    const Surface& out = *canvas.surface;
    const RECT destRect{canvas.X(dx0), canvas.Y(dy0), canvas.X(dx0) + dw, canvas.Y(dy0) + dh};
    canvas.Limit(destRect);
    if (canvas.clip.empty()) return true;
    if (DrawRecordOn()) {
        // What the copy leaves on the destination: the source's notes, over what an opaque copy hides.
        const bool opaque = !q.key && !q.mask && (fore == 0xCC || !needSource) && back == fore;
        if (needSource) {
            const RECT sourceRect{q.source->origin.x + sx0, q.source->origin.y + sy0, q.source->origin.x + sx0 + sw,
                                  q.source->origin.y + sy0 + sh};
            RecordBlit(*q.source->surface, sourceRect, out, destRect, canvas.Bounds(), opaque);
        } else if (opaque) {
            RecordCover(out, canvas.Bounds());
        }
    }

    // A copy of the source when it is the destination itself, so overlapping moves read old pixels.
    Surface sourceView;
    std::vector<Pixel> copy;
    POINT sourceOrigin{};
    Pixel sourceBack = kWhitePixel;
    if (needSource) {
        sourceView = *q.source->surface;
        sourceOrigin = q.source->origin;
        sourceBack = q.source->background;
        if (q.source->surface->bits == out.bits) {
            copy.resize(static_cast<std::size_t>(out.width) * out.height);
            for (int y = 0; y < out.height; ++y)
                std::memcpy(copy.data() + static_cast<std::size_t>(y) * out.width, out.Row(y),
                            static_cast<std::size_t>(out.width) * sizeof(Pixel));
            sourceView.bits = reinterpret_cast<BYTE*>(copy.data());
            sourceView.stride = static_cast<std::ptrdiff_t>(out.width) * sizeof(Pixel);
        }
    }
    const Pixel textPixel = PixelFromColor(dest.state.textColor);
    const Pixel backPixel = PixelFromColor(dest.state.bkColor);
    const Ink pattern = needPattern ? InkOfBrush(dest, dest.Brush().get()) : Ink{};
    const bool plainCopy = fore == 0xCC && back == 0xCC && !q.key && dw == sw && dh == sh && !mirrorX && !mirrorY &&
                           needSource && sourceView.monochrome == out.monochrome;

    // Source columns of the visible destination columns, worked out once (-1: outside the source).
    // Only what the clip leaves is mapped, so a huge destination costs no more than the surface.
    LONG firstColumn = canvas.clip.front().left, lastColumn = canvas.clip.front().right;
    for (const RECT& c : canvas.clip) {
        firstColumn = std::min(firstColumn, c.left);
        lastColumn = std::max(lastColumn, c.right);
    }
    std::vector<int> columns;
    if (needSource) {
        columns.resize(static_cast<std::size_t>(lastColumn - firstColumn));
        for (int x = firstColumn; x < lastColumn; ++x) {
            const int ix = x - destRect.left;
            const int sx = sx0 + MapCoord(mirrorX ? dw - 1 - ix : ix, dw, sw ? sw : 1) + sourceOrigin.x;
            columns[static_cast<std::size_t>(x - firstColumn)] = sx >= 0 && sx < sourceView.width ? sx : -1;
        }
    }
    const bool convertMono = needSource && sourceView.monochrome != out.monochrome;
    const bool copyOnly = fore == 0xCC && back == 0xCC && !convertMono && !out.monochrome;

    for (const RECT& c : canvas.clip) {
        for (int y = c.top; y < c.bottom; ++y) {
            const int iy = y - destRect.top;
            const int my = MapCoord(mirrorY ? dh - 1 - iy : iy, dh, sh ? sh : 1);
            const int sy = sy0 + my + sourceOrigin.y;
            Pixel* row = out.Row(y);
            if (needSource && (sy < 0 || sy >= sourceView.height)) continue;
            if (plainCopy) {
                const int first = std::max<int>(c.left, destRect.left + (0 - sourceOrigin.x - sx0));
                const int last = std::min<int>(c.right, destRect.left + (sourceView.width - sourceOrigin.x - sx0));
                if (first < last)
                    std::memcpy(row + first, sourceView.Row(sy) + (first - destRect.left + sx0 + sourceOrigin.x),
                                static_cast<std::size_t>(last - first) * sizeof(Pixel));
                continue;
            }
            const Pixel* sourceRow = needSource ? sourceView.Row(sy) : nullptr;
            if (copyOnly) {
                // Stretched or keyed copies, the common case of pictures and icons.
                for (int x = c.left; x < c.right; ++x) {
                    const int sx = columns[static_cast<std::size_t>(x - firstColumn)];
                    if (sx < 0) continue;
                    const Pixel S = sourceRow[sx] & 0xFFFFFF;
                    if (q.key && S == *q.key) continue;
                    row[x] = S;
                }
                continue;
            }
            for (int x = c.left; x < c.right; ++x) {
                const int ix = x - destRect.left;
                Pixel S = 0, P = 0;
                if (needSource) {
                    const int sx = columns[static_cast<std::size_t>(x - firstColumn)];
                    if (sx < 0) continue;
                    S = sourceRow[sx] & 0xFFFFFF;
                    if (q.key && S == *q.key) continue;
                    if (sourceView.monochrome && !out.monochrome)
                        S = S == kWhitePixel ? backPixel : textPixel;
                    else if (!sourceView.monochrome && out.monochrome)
                        S = S == sourceBack ? kWhitePixel : kBlackPixel;
                }
                if (needPattern && !pattern.At(x, y, P)) P = 0;
                BYTE code = fore;
                if (q.mask) {
                    const int mx = q.maskOrigin.x + ix, my2 = q.maskOrigin.y + iy;
                    const bool set = q.mask->Contains(mx, my2) && q.mask->Row(my2)[mx] != kBlackPixel;
                    code = set ? fore : back;
                }
                row[x] = out.Fit(ApplyRop3(code, P, S, row[x]));
            }
        }
    }
    return true;
}

bool DrawArgbPixels(HDC dc, const RECT& dest, const std::uint32_t* pixels, int width, int height, const RECT& source) {
    const auto d = LookupDc(dc);
    if (!d || !pixels) return false;
    Canvas canvas(*d);
    if (!SaneCoordinates({dest.left, dest.top, dest.right, dest.bottom, source.left, source.top, source.right,
                          source.bottom}))
        return false;
    const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    if (canvas.Empty() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return true;
    const RECT area{canvas.X(dest.left), canvas.Y(dest.top), canvas.X(dest.right), canvas.Y(dest.bottom)};
    canvas.Limit(area);
    const Surface& out = *canvas.surface;
    for (const RECT& c : canvas.clip)
        for (int y = c.top; y < c.bottom; ++y) {
            const int sy = source.top + MapCoord(y - area.top, dh, sh);
            if (sy < 0 || sy >= height) continue;
            Pixel* row = out.Row(y);
            for (int x = c.left; x < c.right; ++x) {
                const int sx = source.left + MapCoord(x - area.left, dw, sw);
                if (sx < 0 || sx >= width) continue;
                const std::uint32_t p = pixels[static_cast<std::size_t>(sy) * width + sx];
                const unsigned a = p >> 24;
                if (a == 0) continue;
                if (a == 255) {
                    row[x] = out.Fit(p & 0xFFFFFF);
                    continue;
                }
                row[x] = out.Fit(Blend(row[x], p & 0xFFFFFF, a));
            }
        }
    return true;
}

}  // namespace platform::gdi

using namespace platform::gdi;

namespace {

BOOL Blit(HDC dest, const BlitRequest& q) {
    const auto d = LookupDc(dest);
    if (!d) return FALSE;
    if (!RunBlit(*d, q)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

// A DIB's pixels as a surface of their own.
struct DibSurface {
    DibPixels dib;
    Surface surface;
    BlitSource source;
    explicit DibSurface(DibPixels d) : dib(std::move(d)) {
        surface.width = dib.width;
        surface.height = dib.height;
        surface.bits = reinterpret_cast<BYTE*>(dib.pixels.data());
        surface.stride = static_cast<std::ptrdiff_t>(dib.width) * sizeof(Pixel);
        source.surface = &surface;
    }
};

std::optional<DibPixels> ReadCallerDib(const void* bits, const BITMAPINFO* info, UINT usage) {
    if (!bits || !info || usage != DIB_RGB_COLORS) return std::nullopt;
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    const std::size_t infoBytes = DibHeaderBytes(h, static_cast<std::size_t>(-1) / 2);
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const std::size_t bitsBytes = (h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4)
                                      ? h.biSizeImage
                                      : DibRowBytes(h.biWidth, h.biBitCount) * static_cast<std::size_t>(height);
    return DecodeDib(info, infoBytes, bits, bitsBytes);
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
    std::optional<BlitSource> source;
    if (UsesSource(Rop3Of(rop)) && !(source = SourceOfDc(src))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return Blit(dest, {x, y, width, height, xSrc, ySrc, width, height, rop, source ? &*source : nullptr, nullptr, {}, {}});
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop) {
    std::optional<BlitSource> source;
    if (UsesSource(Rop3Of(rop)) && !(source = SourceOfDc(src))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return Blit(dest, {x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, rop, source ? &*source : nullptr, nullptr,
                       {}, {}});
}

BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop) {
    if (UsesSource(Rop3Of(rop))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Blit(dest, {x, y, width, height, 0, 0, width, height, rop, nullptr, nullptr, {}, {}});
}

BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, HBITMAP mask, int xMask,
             int yMask, DWORD rop) {
    std::optional<BlitSource> source;
    if (src && !(source = SourceOfDc(src))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!mask) return BitBlt(dest, x, y, width, height, src, xSrc, ySrc, rop & 0xFFFFFF);
    const auto m = LookupObjectAs<BitmapObject>(mask);
    if (!m || !m->surface().monochrome) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Blit(dest, {x, y, width, height, xSrc, ySrc, width, height, rop, source ? &*source : nullptr, &m->surface(),
                       {xMask, yMask}, {}});
}

BOOL TransparentImage(HDC dest, LONG x, LONG y, LONG width, LONG height, HANDLE source, LONG xSrc, LONG ySrc,
                      LONG srcWidth, LONG srcHeight, COLORREF transparent) {
    const auto object = LookupObject(source);
    std::optional<BlitSource> src;
    if (object && object->Type() == OBJ_BITMAP)
        src = SourceOfBitmap(static_cast<HBITMAP>(source));
    else if (object)
        src = SourceOfDc(static_cast<HDC>(source));
    if (!src) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Blit(dest, {x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, SRCCOPY, &*src, nullptr, {},
                       PixelFromColor(transparent)});
}

int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage) {
    auto dib = ReadCallerDib(bits, info, usage);
    if (!dib || !LookupDc(dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    (void)startScan;
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    const int w = static_cast<int>(width), hgt = static_cast<int>(height);
    // For a bottom-up DIB the source origin counts from its bottom row.
    const int top = h.biHeight > 0 ? dib->height - ySrc - hgt : ySrc;
    DibSurface surface(std::move(*dib));
    if (!Blit(dc, {xDest, yDest, w, hgt, xSrc, top, w, hgt, SRCCOPY, &surface.source, nullptr, {}, {}})) return 0;
    return static_cast<int>(std::min<UINT>(scanLines, static_cast<UINT>(surface.dib.height)));
}

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    auto dib = ReadCallerDib(bits, info, usage);
    if (!dib || !LookupDc(dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    const int top = h.biHeight > 0 ? dib->height - ySrc - srcHeight : ySrc;
    DibSurface surface(std::move(*dib));
    if (!Blit(dc, {xDest, yDest, destWidth, destHeight, xSrc, top, srcWidth, srcHeight, rop, &surface.source, nullptr,
                   {}, {}}))
        return 0;
    return surface.dib.height;
}
