// Pictures drawn from the program's resources and from image files: bitmap resources scaled with a
// transparent key, PNG resources and image files through the imaging factory.
#include <vector>

#include "core/mapped_file.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/imaging.h"

namespace {

constexpr const WCHAR* kPngType = u"PNG";

int ScaledSide(LONG side, float scale) {
    if (scale == kNoScale) return static_cast<int>(side);
    return static_cast<int>(static_cast<float>(side) * scale);
}

UINT MappedLength(const MappedFile& file) { return static_cast<UINT>(file.viewEnd - file.viewStart); }

}  // namespace

void LoadBitmapScaled(HDC dc, HINSTANCE instance, int bitmapId, int x, int y, Placement placement, float scale,
                      COLORREF key) {
    const OwnedBitmap bitmap(LoadBitmapW(instance, MAKEINTRESOURCEW(bitmapId)));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap.Get(), sizeof(info), &info)) return;
    const int w = ScaledSide(info.bmWidth, scale);
    const int h = ScaledSide(info.bmHeight, scale);
    if (placement == Placement::Centred) {
        x -= w / 2;
        y -= h / 2;
    }
    const COLORREF transparent = key == kDefaultKey ? kMagentaKey : key;
    TransparentImage(dc, x, y, w, h, bitmap.Get(), 0, 0, info.bmWidth, info.bmHeight, transparent);
}

void DrawImageFile(HDC dc, LPCWSTR path, int x, int y, Placement placement, float scale) {
    MappedFile file;
    if (!path || !MappedFileInit(file, path)) return;
    DrawImageBuffer(file.viewStart, MappedLength(file), dc, x, y, placement, scale);
}

void DrawPngResource(HDC dc, HINSTANCE instance, int id, int x, int y, Placement placement, float scale) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), kPngType);
    if (!found) return;
    const HGLOBAL loaded = LoadResource(instance, found);
    const DWORD size = SizeofResource(instance, found);
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    if (!bytes || size == 0) return;
    // The decoder gets its own copy; the resource data stays untouched.
    const std::vector<BYTE> copy(bytes, bytes + size);
    DrawImageBuffer(copy.data(), size, dc, x, y, placement, scale);
}

HBITMAP LoadImageFileScaled(LPCWSTR path, HWND window, int size, bool square) {
    MappedFile file;
    if (!path || !MappedFileInit(file, path)) return nullptr;
    OwnedBitmap decoded(DecodeImageBuffer(file.viewStart, MappedLength(file)));
    if (!decoded || size == kNoSize || !window) return decoded.Release();
    return ScaleBitmap(decoded.Get(), window, size, square);
}
