// Region arithmetic on sets of rectangles, the region calls and the clip calls of a DC.
#include "gdi/region.h"

#include <algorithm>

#include "gdi/dc.h"
#include "gdi/objects.h"
#include "platform/system.h"

namespace platform::gdi {
namespace {

bool Inside(const Region& r, int x, int y) { return r.Contains(x, y); }

bool Apply(int mode, bool a, bool b) {
    switch (mode) {
    case RGN_AND: return a && b;
    case RGN_OR: return a || b;
    case RGN_XOR: return a != b;
    case RGN_DIFF: return a && !b;
    default: return a;
    }
}

std::vector<LONG> Edges(const Region& a, const Region& b, bool horizontal) {
    std::vector<LONG> edges;
    for (const Region* r : {&a, &b})
        for (const RECT& rc : r->rects) {
            edges.push_back(horizontal ? rc.left : rc.top);
            edges.push_back(horizontal ? rc.right : rc.bottom);
        }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

}  // namespace

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (RectEmpty(r)) r = {0, 0, 0, 0};
    return r;
}

Region Region::FromRect(const RECT& r) {
    Region region;
    if (!RectEmpty(r)) region.rects.push_back(r);
    return region;
}

RECT BoundingBox(const std::vector<RECT>& rects) {
    if (rects.empty()) return {0, 0, 0, 0};
    RECT box = rects.front();
    for (const RECT& r : rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

RECT Region::Box() const { return BoundingBox(rects); }

bool Region::Contains(int x, int y) const {
    for (const RECT& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

bool Region::Intersects(const RECT& r) const {
    for (const RECT& own : rects)
        if (!RectEmpty(IntersectRects(own, r))) return true;
    return false;
}

void Region::Offset(int dx, int dy) {
    for (RECT& r : rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

int Region::Kind() const { return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION; }

// The plane is cut along every edge of both regions; each cell is in or out as a whole. Cells are
// merged along rows, then rows of equal spans are merged downwards.
Region Combine(const Region& a, const Region& b, int mode) {
    const std::vector<LONG> xs = Edges(a, b, true);
    const std::vector<LONG> ys = Edges(a, b, false);
    Region out;
    std::vector<RECT> previousRow;
    for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
        std::vector<RECT> row;
        for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
            const int cx = xs[i], cy = ys[j];
            if (!Apply(mode, Inside(a, cx, cy), Inside(b, cx, cy))) continue;
            if (!row.empty() && row.back().right == xs[i])
                row.back().right = xs[i + 1];
            else
                row.push_back({xs[i], ys[j], xs[i + 1], ys[j + 1]});
        }
        // Rows with the same spans as the row above extend it.
        bool same = row.size() == previousRow.size() && !row.empty();
        for (std::size_t k = 0; same && k < row.size(); ++k)
            same = row[k].left == previousRow[k].left && row[k].right == previousRow[k].right &&
                   previousRow[k].bottom == row[k].top;
        if (same) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                for (RECT& r : out.rects)
                    if (r.left == row[k].left && r.right == row[k].right && r.bottom == row[k].top) {
                        r.bottom = row[k].bottom;
                        break;
                    }
                previousRow[k].bottom = row[k].bottom;
            }
        } else {
            out.rects.insert(out.rects.end(), row.begin(), row.end());
            previousRow = row;
        }
    }
    return out;
}

bool SameArea(const Region& a, const Region& b) {
    return Combine(a, b, RGN_XOR).Empty();
}

}  // namespace platform::gdi

using namespace platform::gdi;

namespace {

std::shared_ptr<RegionObject> RegionOf(HRGN region) {
    auto found = LookupObjectAs<RegionObject>(region);
    if (!found) SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

RECT Normalised(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The area a DC may draw on, in its own coordinates, without its clip region.
Region OwnDrawableArea(const DcObject& dc) {
    Region area = DrawableArea(dc);
    area.Offset(-dc.origin.x, -dc.origin.y);
    return area;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto region = std::make_shared<RegionObject>();
    region->region = Region::FromRect(Normalised(left, top, right, bottom));
    return static_cast<HRGN>(RegisterObject(region));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    const auto r = RegionOf(region);
    if (!r) return FALSE;
    r->region = Region::FromRect(Normalised(left, top, right, bottom));
    return TRUE;
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    const auto d = RegionOf(dest);
    const auto ra = RegionOf(a);
    if (!d || !ra) return ERROR;
    if (mode == RGN_COPY) {
        d->region = ra->region;
        return d->region.Kind();
    }
    if (mode < RGN_AND || mode > RGN_DIFF) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    const auto rb = RegionOf(b);
    if (!rb) return ERROR;
    d->region = Combine(ra->region, rb->region, mode);
    return d->region.Kind();
}

int OffsetRgn(HRGN region, int dx, int dy) {
    const auto r = RegionOf(region);
    if (!r) return ERROR;
    r->region.Offset(dx, dy);
    return r->region.Kind();
}

int GetRgnBox(HRGN region, LPRECT box) {
    const auto r = RegionOf(region);
    if (!r || !box) return ERROR;
    *box = r->region.Box();
    return r->region.Kind();
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const auto r = RegionOf(region);
    return r && r->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    const auto r = RegionOf(region);
    return r && rect && r->region.Intersects(*rect) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const auto ra = RegionOf(a);
    const auto rb = RegionOf(b);
    return ra && rb && SameArea(ra->region, rb->region) ? TRUE : FALSE;
}

int SelectClipRgn(HDC dc, HRGN region) {
    const auto d = LookupDc(dc);
    if (!d) return ERROR;
    if (!region) {
        d->state.clip.reset();
        return SIMPLEREGION;
    }
    const auto r = RegionOf(region);
    if (!r) return ERROR;
    d->state.clip = r->region;  // a copy: the caller may delete its region
    return r->region.Kind();
}

int GetClipRgn(HDC dc, HRGN region) {
    const auto d = LookupDc(dc);
    const auto r = RegionOf(region);
    if (!d || !r) return -1;
    if (!d->state.clip) return 0;
    r->region = *d->state.clip;
    return 1;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    const auto d = LookupDc(dc);
    if (!d) return ERROR;
    const Region rect = Region::FromRect(Normalised(left, top, right, bottom));
    d->state.clip = d->state.clip ? Combine(*d->state.clip, rect, RGN_AND) : rect;
    return d->state.clip->Kind();
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    const auto d = LookupDc(dc);
    if (!d) return ERROR;
    const Region rect = Region::FromRect(Normalised(left, top, right, bottom));
    const Region base = d->state.clip ? *d->state.clip : OwnDrawableArea(*d);
    d->state.clip = Combine(base, rect, RGN_DIFF);
    return d->state.clip->Kind();
}

int GetClipBox(HDC dc, LPRECT box) {
    const auto d = LookupDc(dc);
    if (!d || !box) return ERROR;
    Region visible = OwnDrawableArea(*d);
    if (d->state.clip) visible = Combine(visible, *d->state.clip, RGN_AND);
    *box = visible.Box();
    return visible.Kind();
}
