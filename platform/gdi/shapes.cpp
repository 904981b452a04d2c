// Filled and outlined shapes, lines, single pixels, the focus rectangle and gradients. Right and
// bottom edges are exclusive: Rectangle(0, 0, 10, 5) with a one-pixel pen covers x 0-9 and y 0-4.
#include <algorithm>
#include <cmath>
#include <vector>

#include "gdi/strokes.h"
#include "platform/system.h"

using namespace platform::gdi;

namespace {

// A box with rounded corners in surface coordinates (an ellipse has radii of half its sides).
struct RoundShape {
    double left, top, right, bottom, rx, ry;

    // The pixels of row y whose centres lie inside: [xa, xb). False when none.
    bool Row(int y, int& xa, int& xb) const {
        const double py = y + 0.5;
        if (py < top || py > bottom || right <= left) return false;
        double lo = left, hi = right;
        if (rx > 0 && ry > 0) {
            double dy = 0;
            if (py < top + ry) dy = top + ry - py;
            else if (py > bottom - ry) dy = py - (bottom - ry);
            if (dy > ry) return false;
            const double dx = rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
            lo = left + rx - dx;
            hi = right - rx + dx;
        }
        xa = static_cast<int>(std::ceil(lo - 0.5));
        xb = static_cast<int>(std::floor(hi - 0.5)) + 1;
        return xa < xb;
    }
    RoundShape Inset(double by) const {
        return {left + by, top + by, right - by, bottom - by, std::max(0.0, rx - by), std::max(0.0, ry - by)};
    }
};

RECT Normalised(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// Fills the inside with the brush and the band between outside and inside with the pen. With no
// pen the shape is one pixel smaller at the right and bottom, as the platform draws it.
BOOL DrawRoundShape(HDC hdc, int left, int top, int right, int bottom, double rx, double ry, bool ellipse) {
    const auto dc = LookupDc(hdc);
    if (!dc) return FALSE;
    if (!SaneCoordinates({left, top, right, bottom, static_cast<long long>(rx), static_cast<long long>(ry)})) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const Canvas canvas(*dc);
    if (canvas.Empty()) return TRUE;
    const RECT r = Normalised(left, top, right, bottom);
    const Stroke stroke = Stroke::Of(*dc);
    const int w = stroke.visible ? stroke.width : 0;
    RoundShape outer{static_cast<double>(canvas.X(r.left) - (w > 0 ? (w - 1) / 2 : 0)),
                     static_cast<double>(canvas.Y(r.top) - (w > 0 ? (w - 1) / 2 : 0)),
                     static_cast<double>(canvas.X(r.right) + (w > 0 ? w / 2 : -1)),
                     static_cast<double>(canvas.Y(r.bottom) + (w > 0 ? w / 2 : -1)), 0, 0};
    if (ellipse) {
        outer.rx = (outer.right - outer.left) / 2;
        outer.ry = (outer.bottom - outer.top) / 2;
    } else {
        outer.rx = std::min(rx, (outer.right - outer.left) / 2);
        outer.ry = std::min(ry, (outer.bottom - outer.top) / 2);
    }
    const RoundShape inner = outer.Inset(w);
    const Ink fill = InkOfBrush(*dc, dc->Brush().get());
    const Ink pen = Ink::Solid(stroke.colour);
    const RECT visible = canvas.Bounds();
    const int firstRow = std::max<int>(static_cast<int>(std::floor(outer.top)), visible.top);
    const int endRow = std::min<int>(static_cast<int>(std::ceil(outer.bottom)), visible.bottom);
    for (int y = firstRow; y < endRow; ++y) {
        int oa, ob, ia, ib;
        if (!outer.Row(y, oa, ob)) continue;
        const bool hasInner = w == 0 || inner.Row(y, ia, ib);
        if (w == 0) {
            canvas.Span(y, oa, ob, fill);
            continue;
        }
        if (!hasInner) {
            canvas.Span(y, oa, ob, pen);
            continue;
        }
        canvas.Span(y, ia, ib, fill);
        canvas.Span(y, oa, std::min(ia, ob), pen);
        canvas.Span(y, std::max(ib, oa), ob, pen);
    }
    return TRUE;
}

// Even-odd fill of a polygon, sampling pixel centres.
void FillPolygon(const Canvas& canvas, const std::vector<POINT>& pts, const Ink& ink) {
    if (pts.size() < 3 || ink.kind == Ink::Kind::None) return;
    LONG minY = pts[0].y, maxY = pts[0].y;
    for (const POINT& p : pts) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    std::vector<double> xs;
    const RECT visible = canvas.Bounds();
    for (int y = std::max<int>(minY, visible.top); y < std::min<int>(maxY, visible.bottom); ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const POINT a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y))
                xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xa = static_cast<int>(std::ceil(xs[i] - 0.5));
            const int xb = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
            canvas.Span(y, xa, xb, ink);
        }
    }
}

bool SanePoints(const POINT* points, int count) {
    for (int i = 0; i < count; ++i)
        if (!SaneCoordinates({points[i].x, points[i].y})) return false;
    return true;
}

// The DC for a call with a list of points, or null when the DC or the points are unusable.
std::shared_ptr<DcObject> DcForPoints(HDC hdc, const POINT* points, int count) {
    auto dc = LookupDc(hdc);
    if (dc && (!points || count < 2 || !SanePoints(points, count))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return dc;
}

std::vector<POINT> ToSurface(const Canvas& canvas, const POINT* points, int count) {
    std::vector<POINT> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) out[static_cast<std::size_t>(i)] = {canvas.X(points[i].x), canvas.Y(points[i].y)};
    return out;
}

BYTE Channel16(COLOR16 value) { return static_cast<BYTE>(value >> 8); }

}  // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    const auto dc = LookupDc(hdc);
    const auto b = LookupObjectAs<BrushObject>(brush);
    if (!dc || !rect || !b) {
        if (dc) SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const Canvas canvas(*dc);
    if (canvas.Empty()) return 1;
    // "Everything" rectangles are common; they are cut to what a coordinate can be.
    auto clamp = [](LONG v) { return static_cast<LONG>(std::clamp<long long>(v, -kMaxCoordinate, kMaxCoordinate)); };
    const RECT r{canvas.X(clamp(rect->left)), canvas.Y(clamp(rect->top)), canvas.X(clamp(rect->right)),
                 canvas.Y(clamp(rect->bottom))};
    canvas.FillRect(r, InkOfBrush(*dc, b.get()));
    return 1;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return DrawRoundShape(hdc, left, top, right, bottom, 0, 0, false);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    return DrawRoundShape(hdc, left, top, right, bottom, std::abs(ellipseWidth) / 2.0, std::abs(ellipseHeight) / 2.0,
                          false);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return DrawRoundShape(hdc, left, top, right, bottom, 0, 0, true);
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    const auto dc = DcForPoints(hdc, points, count);
    if (!dc) return FALSE;
    const Canvas canvas(*dc);
    if (canvas.Empty()) return TRUE;
    const std::vector<POINT> pts = ToSurface(canvas, points, count);
    FillPolygon(canvas, pts, InkOfBrush(*dc, dc->Brush().get()));
    Stroke stroke = Stroke::Of(*dc);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const POINT a = pts[i], b = pts[(i + 1) % pts.size()];
        stroke.Line(canvas, a.x, a.y, b.x, b.y, false);
    }
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    const auto dc = DcForPoints(hdc, points, count);
    if (!dc) return FALSE;
    const Canvas canvas(*dc);
    Stroke stroke = Stroke::Of(*dc);
    for (int i = 0; i + 1 < count; ++i)
        stroke.Line(canvas, canvas.X(points[i].x), canvas.Y(points[i].y), canvas.X(points[i + 1].x),
                    canvas.Y(points[i + 1].y), false);
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    const auto dc = LookupDc(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.position;
    dc->state.position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    const auto dc = LookupDc(hdc);
    if (!dc) return FALSE;
    if (!SaneCoordinates({x, y, dc->state.position.x, dc->state.position.y})) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const Canvas canvas(*dc);
    Stroke stroke = Stroke::Of(*dc);
    const POINT from = dc->state.position;
    stroke.Line(canvas, canvas.X(from.x), canvas.Y(from.y), canvas.X(x), canvas.Y(y), false);
    dc->state.position = {x, y};
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour) {
    const auto dc = LookupDc(hdc);
    if (!dc) return CLR_INVALID;
    const Canvas canvas(*dc);
    const int sx = canvas.X(x), sy = canvas.Y(y);
    if (canvas.Empty() || !canvas.Visible(sx, sy)) return CLR_INVALID;
    const Pixel p = canvas.surface->Fit(PixelFromColor(colour));
    canvas.surface->Row(sy)[sx] = p;
    return ColorFromPixel(p);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const auto dc = LookupDc(hdc);
    if (!dc) return CLR_INVALID;
    const Canvas canvas(*dc);
    const int sx = canvas.X(x), sy = canvas.Y(y);
    if (canvas.Empty() || !canvas.Visible(sx, sy)) return CLR_INVALID;
    return ColorFromPixel(canvas.surface->Row(sy)[sx]);
}

// A dotted frame drawn by inverting every other pixel, so that drawing it twice removes it.
BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    const auto dc = LookupDc(hdc);
    if (!dc || !rect) return FALSE;
    if (!SaneCoordinates({rect->left, rect->top, rect->right, rect->bottom})) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const Canvas canvas(*dc);
    if (canvas.Empty()) return TRUE;
    const RECT r = Normalised(canvas.X(rect->left), canvas.Y(rect->top), canvas.X(rect->right), canvas.Y(rect->bottom));
    if (RectEmpty(r)) return TRUE;
    const RECT visible = canvas.Bounds();
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) == 0 && canvas.Visible(x, y)) {
            Pixel& p = canvas.surface->Row(y)[x];
            p = canvas.surface->Fit(~p);
        }
    };
    for (int x = std::max(r.left, visible.left); x < std::min(r.right, visible.right); ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
    }
    for (int y = std::max(r.top + 1, visible.top); y < std::min(r.bottom - 1, visible.bottom); ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) invert(r.right - 1, y);
    }
    return TRUE;
}

// Rectangles shaded from one vertex's colour to the other's; the first and last columns (or rows)
// take exactly the two colours.
BOOL GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode) {
    const auto dc = LookupDc(hdc);
    if (!dc) return FALSE;
    if (!vertices || !mesh || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const Canvas canvas(*dc);
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG m = 0; m < meshCount; ++m) {
        if (rects[m].UpperLeft >= vertexCount || rects[m].LowerRight >= vertexCount) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const TRIVERTEX& a = vertices[rects[m].UpperLeft];
        const TRIVERTEX& b = vertices[rects[m].LowerRight];
        if (!SaneCoordinates({a.x, a.y, b.x, b.y})) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const RECT r = Normalised(a.x, a.y, b.x, b.y);
        if (RectEmpty(r) || canvas.Empty()) continue;
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        // The colour at the low edge belongs to the vertex that stands there.
        const bool aFirst = horizontal ? a.x <= b.x : a.y <= b.y;
        const TRIVERTEX& from = aFirst ? a : b;
        const TRIVERTEX& to = aFirst ? b : a;
        const int steps = horizontal ? r.right - r.left : r.bottom - r.top;
        // Only the lines that can show are drawn.
        const RECT visible = canvas.Bounds();
        const int firstStep = std::max(0, horizontal ? visible.left - canvas.X(r.left) : visible.top - canvas.Y(r.top));
        const int endStep =
            std::min(steps, horizontal ? visible.right - canvas.X(r.left) : visible.bottom - canvas.Y(r.top));
        for (int i = firstStep; i < endStep; ++i) {
            auto mix = [&](COLOR16 c0, COLOR16 c1) {
                const int v0 = Channel16(c0), v1 = Channel16(c1);
                return steps == 1 ? v0 : static_cast<int>(v0 + static_cast<long long>(v1 - v0) * i / (steps - 1));
            };
            const Pixel p = (static_cast<Pixel>(mix(from.Red, to.Red)) << 16) |
                            (static_cast<Pixel>(mix(from.Green, to.Green)) << 8) | mix(from.Blue, to.Blue);
            const RECT line = horizontal ? RECT{r.left + i, r.top, r.left + i + 1, r.bottom}
                                         : RECT{r.left, r.top + i, r.right, r.top + i + 1};
            canvas.FillRect({canvas.X(line.left), canvas.Y(line.top), canvas.X(line.right), canvas.Y(line.bottom)},
                            Ink::Solid(p));
        }
    }
    return TRUE;
}
