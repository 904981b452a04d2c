// The drawing objects' table, stock objects, DeleteObject and GetObjectW.
#include "gdi/objects.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "gdi/dc.h"
#include "gdi/draw_record.h"
#include "platform/system.h"

namespace platform::gdi {
namespace {

struct ObjectTable {
    std::mutex lock;
    std::unordered_map<ULONG_PTR, std::shared_ptr<GdiObject>> objects;
    // Kept apart from the kernel's handle values so that one is never taken for the other.
    ULONG_PTR next = 0x40000000;
    std::size_t stockCount = 0;
};

ObjectTable& Table() {
    static ObjectTable table;
    return table;
}

int CopyOut(const void* what, int size, int bytes, void* out) {
    if (!out) return size;
    const int n = std::min(size, bytes);
    if (n <= 0) return 0;
    std::memcpy(out, what, static_cast<std::size_t>(n));
    return n;
}

HGDIOBJ RegisterStock(std::shared_ptr<GdiObject> object) {
    object->stock = true;
    const HGDIOBJ handle = RegisterObject(object);
    ObjectTable& table = Table();
    const std::lock_guard guard(table.lock);
    ++table.stockCount;
    return handle;
}

std::shared_ptr<BrushObject> MakeBrush(UINT style, COLORREF colour) {
    auto brush = std::make_shared<BrushObject>();
    brush->brush = {style, colour, 0};
    return brush;
}

std::shared_ptr<PenObject> MakePen(UINT style, COLORREF colour) {
    auto pen = std::make_shared<PenObject>();
    pen->pen = {style, {1, 0}, colour};
    return pen;
}

struct StockObjects {
    HGDIOBJ objects[DEFAULT_GUI_FONT + 1]{};
    HBITMAP defaultBitmap = nullptr;
};

std::shared_ptr<FontObject> MakeSystemFont(LONG height, LONG weight) {
    auto font = std::make_shared<FontObject>();
    font->font.lfHeight = height;
    font->font.lfWeight = weight;
    font->font.lfQuality = CLEARTYPE_QUALITY;
    const std::u16string_view face = u"Tahoma";
    std::copy(face.begin(), face.end(), font->font.lfFaceName);
    return font;
}

const StockObjects& Stock() {
    static const StockObjects stock = [] {
        StockObjects s;
        s.objects[WHITE_BRUSH] = RegisterStock(MakeBrush(BS_SOLID, RGB(255, 255, 255)));
        s.objects[LTGRAY_BRUSH] = RegisterStock(MakeBrush(BS_SOLID, RGB(192, 192, 192)));
        s.objects[GRAY_BRUSH] = RegisterStock(MakeBrush(BS_SOLID, RGB(128, 128, 128)));
        s.objects[DKGRAY_BRUSH] = RegisterStock(MakeBrush(BS_SOLID, RGB(64, 64, 64)));
        s.objects[BLACK_BRUSH] = RegisterStock(MakeBrush(BS_SOLID, RGB(0, 0, 0)));
        s.objects[NULL_BRUSH] = RegisterStock(MakeBrush(BS_NULL, 0));
        s.objects[WHITE_PEN] = RegisterStock(MakePen(PS_SOLID, RGB(255, 255, 255)));
        s.objects[BLACK_PEN] = RegisterStock(MakePen(PS_SOLID, RGB(0, 0, 0)));
        s.objects[NULL_PEN] = RegisterStock(MakePen(PS_NULL, 0));
        s.objects[SYSTEM_FONT] = RegisterStock(MakeSystemFont(-13, FW_BOLD));
        s.objects[DEFAULT_GUI_FONT] = RegisterStock(MakeSystemFont(-12, FW_NORMAL));
        auto bitmap = std::make_shared<BitmapObject>();
        bitmap->store.Allocate(1, 1, false, true);
        bitmap->store.pixels[0] = kWhitePixel;
        s.defaultBitmap = static_cast<HBITMAP>(RegisterStock(bitmap));
        return s;
    }();
    return stock;
}

}  // namespace

int GdiObject::Describe(int, void*) const { return 0; }

int PenObject::Describe(int bytes, void* out) const { return CopyOut(&pen, sizeof pen, bytes, out); }

int BrushObject::Describe(int bytes, void* out) const { return CopyOut(&brush, sizeof brush, bytes, out); }

int FontObject::Describe(int bytes, void* out) const { return CopyOut(&font, sizeof font, bytes, out); }

int BitmapObject::Describe(int bytes, void* out) const {
    const Surface& s = store.surface;
    BITMAP bm{};
    bm.bmWidth = s.width;
    bm.bmHeight = s.height;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = s.monochrome ? 1 : 32;
    bm.bmWidthBytes = s.monochrome ? ((s.width + 15) / 16) * 2 : s.width * 4;
    bm.bmBits = dibSection ? const_cast<Pixel*>(store.pixels.data()) : nullptr;
    if (!dibSection || bytes < static_cast<int>(sizeof(DIBSECTION)))
        return CopyOut(&bm, sizeof bm, out ? bytes : sizeof bm, out);
    DIBSECTION ds{};
    ds.dsBm = bm;
    ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
    ds.dsBmih.biWidth = s.width;
    ds.dsBmih.biHeight = s.stride < 0 ? s.height : -s.height;
    ds.dsBmih.biPlanes = 1;
    ds.dsBmih.biBitCount = 32;
    ds.dsBmih.biCompression = BI_RGB;
    ds.dsBmih.biSizeImage = static_cast<DWORD>(s.width * s.height * 4);
    return CopyOut(&ds, sizeof ds, bytes, out);
}

Pixel Surface::Fit(Pixel p) const {
    if (!monochrome) return p & 0xFFFFFF;
    return IsBright(p) ? kWhitePixel : kBlackPixel;
}

void PixelStore::Allocate(int width, int height, bool bottomUp, bool monochrome) {
    ForgetSurface(surface);
    surface.resourceId = 0;
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlackPixel);
    surface.width = width;
    surface.height = height;
    surface.monochrome = monochrome;
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * 4;
    BYTE* base = reinterpret_cast<BYTE*>(pixels.data());
    if (bottomUp && height > 0) {
        surface.bits = base + rowBytes * (height - 1);
        surface.stride = -rowBytes;
    } else {
        surface.bits = base;
        surface.stride = rowBytes;
    }
}

HGDIOBJ RegisterObject(std::shared_ptr<GdiObject> object) {
    if (!object) return nullptr;
    ObjectTable& table = Table();
    const std::lock_guard guard(table.lock);
    const ULONG_PTR value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HGDIOBJ>(value);
}

std::shared_ptr<GdiObject> LookupObject(HGDIOBJ handle) {
    if (!handle) return nullptr;
    ObjectTable& table = Table();
    const std::lock_guard guard(table.lock);
    const auto it = table.objects.find(reinterpret_cast<ULONG_PTR>(handle));
    return it == table.objects.end() ? nullptr : it->second;
}

bool UnregisterObject(HGDIOBJ handle) {
    ObjectTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.objects.erase(reinterpret_cast<ULONG_PTR>(handle)) > 0;
}

std::size_t LiveObjectCount() {
    Stock();
    ObjectTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.objects.size() - table.stockCount;
}

HBITMAP DefaultBitmap() { return Stock().defaultBitmap; }

}  // namespace platform::gdi

using namespace platform::gdi;

HGDIOBJ GetStockObject(int index) {
    const StockObjects& stock = Stock();
    if (index < 0 || index > DEFAULT_GUI_FONT || !stock.objects[index]) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return stock.objects[index];
}

BOOL DeleteObject(HGDIOBJ object) {
    const auto found = LookupObject(object);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (found->stock) return TRUE;
    const DWORD type = found->Type();
    // Device contexts go with DeleteDC and icons with DestroyIcon; an object still selected into a
    // DC stays, so the DC never draws with a freed object.
    if (type == OBJ_DC || type == OBJ_MEMDC || type == 0 || found->selectedCount > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    UnregisterObject(object);
    return TRUE;
}

int GetObjectW(HGDIOBJ object, int bytes, LPVOID out) {
    const auto found = LookupObject(object);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return found->Describe(bytes, out);
}

DWORD GetObjectType(HGDIOBJ object) {
    const auto found = LookupObject(object);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return found->Type();
}
