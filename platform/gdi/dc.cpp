// Device contexts: creation, selection, saved states, colours and modes, and the canvas that
// drawing calls paint through.
#include "gdi/dc.h"

#include <algorithm>
#include <utility>

#include "gdi/draw_record.h"
#include "platform/device.h"
#include "platform/system.h"

namespace platform::gdi {
namespace {

constexpr int kHatchSize = 8;

bool HatchSet(int hatch, int x, int y) {
    switch (hatch) {
    case HS_HORIZONTAL: return y == kHatchSize - 1;
    case HS_VERTICAL: return x == kHatchSize - 1;
    case HS_FDIAGONAL: return x == y;
    case HS_BDIAGONAL: return x + y == kHatchSize - 1;
    case HS_CROSS: return x == kHatchSize - 1 || y == kHatchSize - 1;
    case HS_DIAGCROSS: return x == y || x + y == kHatchSize - 1;
    }
    return false;
}

void Select(HGDIOBJ& slot, HGDIOBJ object) {
    if (const auto old = LookupObject(slot)) --old->selectedCount;
    if (const auto now = LookupObject(object)) ++now->selectedCount;
    slot = object;
}

void ReleaseSelections(DcObject& dc, HDC self) {
    for (HGDIOBJ* slot : {&dc.state.pen, &dc.state.brush, &dc.state.font, &dc.state.bitmap}) {
        if (const auto old = LookupObject(*slot)) --old->selectedCount;
        *slot = nullptr;
    }
    for (DcState& saved : dc.saved)
        for (HGDIOBJ* slot : {&saved.pen, &saved.brush, &saved.font, &saved.bitmap})
            if (const auto old = LookupObject(*slot)) --old->selectedCount;
    dc.saved.clear();
    (void)self;
}

void HoldSelections(const DcState& state) {
    for (HGDIOBJ object : {state.pen, state.brush, state.font, state.bitmap})
        if (const auto o = LookupObject(object)) ++o->selectedCount;
}

std::shared_ptr<DcObject> NewDc() {
    auto dc = std::make_shared<DcObject>();
    Select(dc->state.pen, GetStockObject(BLACK_PEN));
    Select(dc->state.brush, GetStockObject(WHITE_BRUSH));
    Select(dc->state.font, GetStockObject(SYSTEM_FONT));
    return dc;
}

}  // namespace

Surface* DcObject::Target() const {
    if (!memory) return external ? external() : nullptr;
    const auto bitmap = LookupObjectAs<BitmapObject>(state.bitmap);
    return bitmap ? &bitmap->surface() : nullptr;
}

std::shared_ptr<DcObject> LookupDc(HDC dc) {
    auto found = LookupObjectAs<DcObject>(dc);
    if (!found) SetLastError(ERROR_INVALID_HANDLE);
    return found;
}

HDC CreateSurfaceDc(std::function<Surface*()> surface, POINT origin, std::optional<Region> bounds) {
    auto dc = NewDc();
    dc->memory = false;
    dc->external = std::move(surface);
    dc->origin = origin;
    dc->bounds = std::move(bounds);
    return static_cast<HDC>(RegisterObject(dc));
}

bool Ink::At(int x, int y, Pixel& out) const {
    switch (kind) {
    case Kind::None: return false;
    case Kind::Solid: out = solid; return true;
    case Kind::Tile: {
        int tx = (x - origin.x) % tileWidth;
        int ty = (y - origin.y) % tileHeight;
        if (tx < 0) tx += tileWidth;
        if (ty < 0) ty += tileHeight;
        const std::size_t i = static_cast<std::size_t>(ty * tileWidth + tx);
        if (!skip.empty() && skip[i]) return false;
        out = tile[i];
        return true;
    }
    }
    return false;
}

Ink InkOfBrush(const DcObject& dc, const BrushObject* brush) {
    Ink ink;
    if (!brush) return ink;
    ink.origin = {dc.state.brushOrigin.x + dc.origin.x, dc.state.brushOrigin.y + dc.origin.y};
    switch (brush->brush.lbStyle) {
    case BS_SOLID: return Ink::Solid(PixelFromColor(brush->brush.lbColor));
    case BS_HATCHED: {
        ink.kind = Ink::Kind::Tile;
        ink.tileWidth = ink.tileHeight = kHatchSize;
        const Pixel fore = PixelFromColor(brush->brush.lbColor);
        const Pixel back = PixelFromColor(dc.state.bkColor);
        const bool transparent = dc.state.bkMode == TRANSPARENT;
        for (int y = 0; y < kHatchSize; ++y)
            for (int x = 0; x < kHatchSize; ++x) {
                const bool set = HatchSet(static_cast<int>(brush->brush.lbHatch), x, y);
                ink.tile.push_back(set ? fore : back);
                if (transparent) ink.skip.push_back(!set);
            }
        return ink;
    }
    case BS_PATTERN:
    case BS_DIBPATTERNPT: {
        if (brush->tile.empty()) return ink;
        ink.kind = Ink::Kind::Tile;
        ink.tileWidth = brush->tileWidth;
        ink.tileHeight = brush->tileHeight;
        ink.tile = brush->tile;
        if (brush->monoTile) {
            // A one-bit pattern: black pixels take the text colour, white ones the background.
            const Pixel fore = PixelFromColor(dc.state.textColor);
            const Pixel back = PixelFromColor(dc.state.bkColor);
            for (Pixel& p : ink.tile) p = p == kBlackPixel ? fore : back;
        }
        return ink;
    }
    }
    return ink;
}

Region DrawableArea(const DcObject& dc) {
    const Surface* s = dc.Target();
    if (!s) return {};
    const Region whole = Region::FromRect({0, 0, s->width, s->height});
    return dc.bounds ? Combine(whole, *dc.bounds, RGN_AND) : whole;
}

Canvas::Canvas(const DcObject& dc) : surface(dc.Target()), origin(dc.origin) {
    if (!surface) return;
    // The common case, a memory DC without clipping, goes without region arithmetic.
    if (!dc.bounds && !dc.state.clip) {
        if (surface->width > 0 && surface->height > 0) clip.push_back({0, 0, surface->width, surface->height});
        return;
    }
    const Region area = DrawableArea(dc);
    if (!dc.state.clip) {
        clip = area.rects;
        return;
    }
    for (RECT r : dc.state.clip->rects) {
        r.left += origin.x;
        r.right += origin.x;
        r.top += origin.y;
        r.bottom += origin.y;
        for (const RECT& a : area.rects) {
            const RECT part = IntersectRects(r, a);
            if (!RectEmpty(part)) clip.push_back(part);
        }
    }
}

bool Canvas::Visible(int sx, int sy) const {
    for (const RECT& r : clip)
        if (sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom) return true;
    return false;
}

void Canvas::Plot(int sx, int sy, Pixel p) const {
    if (Visible(sx, sy)) surface->Row(sy)[sx] = surface->Fit(p);
}

void Canvas::Span(int y, int x0, int x1, const Ink& ink) const {
    if (ink.kind == Ink::Kind::None) return;
    for (const RECT& r : clip) {
        if (y < r.top || y >= r.bottom) continue;
        const int from = std::max<int>(x0, r.left), to = std::min<int>(x1, r.right);
        if (from >= to) continue;
        Pixel* row = surface->Row(y);
        if (ink.kind == Ink::Kind::Solid) {
            std::fill(row + from, row + to, surface->Fit(ink.solid));
            continue;
        }
        for (int x = from; x < to; ++x) {
            Pixel p;
            if (ink.At(x, y, p)) row[x] = surface->Fit(p);
        }
    }
}

void Canvas::FillRect(const RECT& r, const Ink& ink) const {
    if (surface && (ink.kind == Ink::Kind::Solid || (ink.kind == Ink::Kind::Tile && ink.skip.empty())))
        RecordCover(*surface, IntersectRects(r, Bounds()));
    for (const RECT& c : clip) {
        const RECT part = IntersectRects(r, c);
        for (int y = part.top; y < part.bottom; ++y) {
            if (ink.kind == Ink::Kind::Solid) {
                Pixel* row = surface->Row(y);
                std::fill(row + part.left, row + part.right, surface->Fit(ink.solid));
            } else {
                for (int x = part.left; x < part.right; ++x) {
                    Pixel p;
                    if (ink.At(x, y, p)) surface->Row(y)[x] = surface->Fit(p);
                }
            }
        }
    }
}

RECT Canvas::Bounds() const { return BoundingBox(clip); }

void Canvas::Limit(const RECT& r) {
    std::vector<RECT> limited;
    for (const RECT& c : clip) {
        const RECT part = IntersectRects(c, r);
        if (!RectEmpty(part)) limited.push_back(part);
    }
    clip = std::move(limited);
}

}  // namespace platform::gdi

using namespace platform::gdi;

HDC CreateCompatibleDC(HDC reference) {
    if (reference && !LookupDc(reference)) return nullptr;
    auto dc = NewDc();
    Select(dc->state.bitmap, DefaultBitmap());
    return static_cast<HDC>(RegisterObject(dc));
}

BOOL DeleteDC(HDC dc) {
    const auto d = LookupDc(dc);
    if (!d) return FALSE;
    if (const auto bitmap = LookupObjectAs<BitmapObject>(d->state.bitmap); bitmap && bitmap->selectedInto == dc)
        bitmap->selectedInto = nullptr;
    ReleaseSelections(*d, dc);
    UnregisterObject(dc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    const auto d = LookupDc(dc);
    if (!d) return nullptr;
    const auto o = LookupObject(object);
    if (!o) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    switch (o->Type()) {
    case OBJ_PEN: previous = d->state.pen; Select(d->state.pen, object); return previous;
    case OBJ_BRUSH: previous = d->state.brush; Select(d->state.brush, object); return previous;
    case OBJ_FONT: previous = d->state.font; Select(d->state.font, object); return previous;
    case OBJ_REGION:
        return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(SelectClipRgn(dc, static_cast<HRGN>(object))));
    case OBJ_BITMAP: {
        const auto bitmap = std::static_pointer_cast<BitmapObject>(o);
        // A bitmap lives in one memory DC at a time.
        if (!d->memory || (bitmap->selectedInto && bitmap->selectedInto != dc && !bitmap->stock)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        previous = d->state.bitmap;
        if (const auto old = LookupObjectAs<BitmapObject>(previous); old && old->selectedInto == dc)
            old->selectedInto = nullptr;
        Select(d->state.bitmap, object);
        if (!bitmap->stock) bitmap->selectedInto = dc;
        return previous;
    }
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    const auto d = LookupDc(dc);
    if (!d) return nullptr;
    switch (type) {
    case OBJ_PEN: return d->state.pen;
    case OBJ_BRUSH: return d->state.brush;
    case OBJ_FONT: return d->state.font;
    case OBJ_BITMAP: return d->state.bitmap;
    }
    return nullptr;
}

int SaveDC(HDC dc) {
    const auto d = LookupDc(dc);
    if (!d) return 0;
    HoldSelections(d->state);
    d->saved.push_back(d->state);
    return static_cast<int>(d->saved.size());
}

BOOL RestoreDC(HDC dc, int saved) {
    const auto d = LookupDc(dc);
    if (!d) return FALSE;
    const int depth = static_cast<int>(d->saved.size());
    const int index = saved < 0 ? depth + saved : saved - 1;
    if (index < 0 || index >= depth) return FALSE;
    // The bitmap of the restored state takes the place of the current one.
    if (const auto now = LookupObjectAs<BitmapObject>(d->state.bitmap); now && now->selectedInto == dc)
        now->selectedInto = nullptr;
    for (HGDIOBJ object : {d->state.pen, d->state.brush, d->state.font, d->state.bitmap})
        if (const auto o = LookupObject(object)) --o->selectedCount;
    d->state = d->saved[static_cast<std::size_t>(index)];
    for (std::size_t i = static_cast<std::size_t>(index) + 1; i < d->saved.size(); ++i)
        for (HGDIOBJ object : {d->saved[i].pen, d->saved[i].brush, d->saved[i].font, d->saved[i].bitmap})
            if (const auto o = LookupObject(object)) --o->selectedCount;
    d->saved.resize(static_cast<std::size_t>(index));
    if (const auto bitmap = LookupObjectAs<BitmapObject>(d->state.bitmap); bitmap && !bitmap->stock)
        bitmap->selectedInto = dc;
    return TRUE;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    const auto d = LookupDc(dc);
    if (!d) return CLR_INVALID;
    return std::exchange(d->state.textColor, colour & 0xFFFFFF);
}

COLORREF GetTextColor(HDC dc) {
    const auto d = LookupDc(dc);
    return d ? d->state.textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    const auto d = LookupDc(dc);
    if (!d) return CLR_INVALID;
    return std::exchange(d->state.bkColor, colour & 0xFFFFFF);
}

COLORREF GetBkColor(HDC dc) {
    const auto d = LookupDc(dc);
    return d ? d->state.bkColor : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    const auto d = LookupDc(dc);
    if (!d) return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(d->state.bkMode, mode);
}

int GetBkMode(HDC dc) {
    const auto d = LookupDc(dc);
    return d ? d->state.bkMode : 0;
}

UINT SetTextAlign(HDC dc, UINT align) {
    const auto d = LookupDc(dc);
    if (!d) return 0xFFFFFFFFu;
    return std::exchange(d->state.textAlign, align);
}

UINT GetTextAlign(HDC dc) {
    const auto d = LookupDc(dc);
    return d ? d->state.textAlign : 0xFFFFFFFFu;
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    const auto d = LookupDc(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->state.brushOrigin;
    d->state.brushOrigin = {x, y};
    return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
    if (dc && !LookupDc(dc)) return 0;
    const platform::DeviceProfile& profile = platform::Profile();
    constexpr double kMillimetresPerInch = 25.4;
    switch (index) {
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return profile.screenWidth;
    case VERTRES: return profile.screenHeight;
    case HORZSIZE: return static_cast<int>(profile.screenWidth * kMillimetresPerInch / profile.dpi);
    case VERTSIZE: return static_cast<int>(profile.screenHeight * kMillimetresPerInch / profile.dpi);
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY: return profile.dpi;
    }
    return 0;
}
