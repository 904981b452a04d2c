// Regions as sets of rectangles that do not overlap; enough for clipping and the region calls.
#pragma once

#include <vector>

#include "platform/types.h"

namespace platform::gdi {

inline bool RectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
RECT IntersectRects(const RECT& a, const RECT& b);
// The box around rectangles (empty when there are none).
RECT BoundingBox(const std::vector<RECT>& rects);

struct Region {
    std::vector<RECT> rects;  // disjoint, none empty

    static Region FromRect(const RECT& r);
    bool Empty() const { return rects.empty(); }
    RECT Box() const;
    bool Contains(int x, int y) const;
    bool Intersects(const RECT& r) const;
    void Offset(int dx, int dy);
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Kind() const;
};

// RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF of two regions.
Region Combine(const Region& a, const Region& b, int mode);
bool SameArea(const Region& a, const Region& b);

}  // namespace platform::gdi
