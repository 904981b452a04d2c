// Device contexts: what is selected, the colours and modes, the clip region, and the surface they
// draw on. A memory DC draws on its selected bitmap; a screen or window DC draws on a surface it is
// given, offset by its origin and limited to its bounds (the window's visible part).
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "gdi/objects.h"

namespace platform::gdi {

struct DcState {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT position{};
    POINT brushOrigin{};
    std::optional<Region> clip;  // in the DC's own coordinates; none: the whole surface
};

struct DcObject : GdiObject {
    bool memory = true;
    DcState state;
    std::vector<DcState> saved;
    // Screen and window DCs: the surface, where (0, 0) of the DC lies on it, and the part it may
    // draw on (surface coordinates).
    std::function<Surface*()> external;
    POINT origin{};
    std::optional<Region> bounds;

    DWORD Type() const override { return memory ? OBJ_MEMDC : OBJ_DC; }
    Surface* Target() const;
    std::shared_ptr<PenObject> Pen() const { return LookupObjectAs<PenObject>(state.pen); }
    std::shared_ptr<BrushObject> Brush() const { return LookupObjectAs<BrushObject>(state.brush); }
    std::shared_ptr<FontObject> Font() const { return LookupObjectAs<FontObject>(state.font); }
};

// Coordinates are 28-bit signed, as on the platform's larger siblings: beyond that a call fails
// rather than overflow or run for ever.
constexpr long long kMaxCoordinate = (1LL << 27) - 1;
inline bool SaneCoordinates(std::initializer_list<long long> values) {
    for (long long v : values)
        if (v < -kMaxCoordinate || v > kMaxCoordinate) return false;
    return true;
}

std::shared_ptr<DcObject> LookupDc(HDC dc);
// Makes a DC drawing on an external surface (the screen, a window's part of it).
HDC CreateSurfaceDc(std::function<Surface*()> surface, POINT origin, std::optional<Region> bounds);
// The part of the surface a DC may draw on (surface coordinates), without its clip region.
Region DrawableArea(const DcObject& dc);

// What fills a span: nothing, one colour, or a tile repeated from the brush origin (with pixels that
// are left out, for hatches on a transparent background).
struct Ink {
    enum class Kind { None, Solid, Tile } kind = Kind::None;
    Pixel solid = 0;
    std::vector<Pixel> tile;
    std::vector<bool> skip;  // same size as tile when some pixels are left out
    int tileWidth = 0;
    int tileHeight = 0;
    POINT origin{};  // device coordinates

    static Ink Solid(Pixel p) {
        Ink ink;
        ink.kind = Kind::Solid;
        ink.solid = p;
        return ink;
    }
    bool At(int x, int y, Pixel& out) const;
};
Ink InkOfBrush(const DcObject& dc, const BrushObject* brush);

// One drawing call's view of a DC: the surface, the offset from DC to surface coordinates and the
// clip rectangles in surface coordinates. Empty when there is nothing to draw on.
struct Canvas {
    Surface* surface = nullptr;
    POINT origin{};
    std::vector<RECT> clip;

    explicit Canvas(const DcObject& dc);
    bool Empty() const { return surface == nullptr || clip.empty(); }
    // Surface coordinates from DC coordinates.
    int X(int x) const { return x + origin.x; }
    int Y(int y) const { return y + origin.y; }
    bool Visible(int sx, int sy) const;
    void Plot(int sx, int sy, Pixel p) const;
    // Fills [x0, x1) of row y (surface coordinates) with the ink, clipped.
    void Span(int y, int x0, int x1, const Ink& ink) const;
    void FillRect(const RECT& surfaceRect, const Ink& ink) const;
    // Limits the clip to a rectangle (surface coordinates).
    void Limit(const RECT& surfaceRect);
    // The box around the clip rectangles (empty when there are none).
    RECT Bounds() const;
};

}  // namespace platform::gdi
