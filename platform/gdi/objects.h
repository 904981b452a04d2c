// The table of drawing objects: pens, brushes, fonts, bitmaps, regions, device contexts and icons.
// It is separate from the kernel's handle table. Handle values are never reused; stock objects are
// never deleted and not counted among the live objects.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/gdi.h"
#include "gdi/region.h"
#include "gdi/surface.h"

namespace platform::gdi {

struct GdiObject {
    virtual ~GdiObject() = default;
    virtual DWORD Type() const = 0;
    // GetObjectW: writes the object's description (at most bytes) and returns its size, or the size
    // needed when out is null; 0 when the object has none.
    virtual int Describe(int bytes, void* out) const;
    int selectedCount = 0;  // device contexts holding it
    bool stock = false;
};

struct PenObject : GdiObject {
    LOGPEN pen{};
    DWORD Type() const override { return OBJ_PEN; }
    int Describe(int bytes, void* out) const override;
};

struct BrushObject : GdiObject {
    LOGBRUSH brush{};
    // Pattern brushes: the tile; a one-bit tile takes the text and background colours of the DC.
    std::vector<Pixel> tile;
    int tileWidth = 0;
    int tileHeight = 0;
    bool monoTile = false;
    DWORD Type() const override { return OBJ_BRUSH; }
    int Describe(int bytes, void* out) const override;
};

struct BitmapObject : GdiObject {
    PixelStore store;
    bool dibSection = false;
    HDC selectedInto = nullptr;
    DWORD Type() const override { return OBJ_BITMAP; }
    int Describe(int bytes, void* out) const override;
    Surface& surface() { return store.surface; }
};

struct FontFace;
struct FontObject : GdiObject {
    LOGFONTW font{};
    mutable std::mutex faceLock;
    mutable std::shared_ptr<FontFace> face;  // opened on first use, by whichever thread draws first
    DWORD Type() const override { return OBJ_FONT; }
    int Describe(int bytes, void* out) const override;
    const FontFace* Face() const;
};

struct RegionObject : GdiObject {
    Region region;
    DWORD Type() const override { return OBJ_REGION; }
};

struct IconObject : GdiObject {
    PixelStore color;
    PixelStore mask;
    bool hasColor = false;
    ICONINFO info{};
    DWORD Type() const override { return 0; }
};

HGDIOBJ RegisterObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> LookupObject(HGDIOBJ handle);
template <class T>
std::shared_ptr<T> LookupObjectAs(HGDIOBJ handle) {
    return std::dynamic_pointer_cast<T>(LookupObject(handle));
}
// Removes the handle from the table (the object lives on while others hold it).
bool UnregisterObject(HGDIOBJ handle);
std::size_t LiveObjectCount();

// The one-pixel monochrome bitmap every memory device context starts with.
HBITMAP DefaultBitmap();

}  // namespace platform::gdi
