// Drawing contact pictures. A contact without a stored picture gets a simple drawn head and
// shoulders, or a building for a contact that is only a company.
#include "lists/cts_picture.h"

#include "core/cts_loading.h"
#include "core/poom_session.h"
#include "platform/gdi.h"
#include "ui/gdi_scope.h"
#include "ui/item_pictures.h"

namespace {

constexpr COLORREF kDefaultPictureBack = 0xE8E0D8;
constexpr COLORREF kDefaultPictureInk = 0x9C8C7C;

// The platform's stretch filters every picture, so the smoothing choice needs nothing more.
void StretchInto(HDC dc, int x, int y, int size, HBITMAP bitmap) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof(info), &info) == 0) return;
    MemoryDC source(dc);
    if (!source.Get()) return;
    SelectScope select(source.Get(), bitmap);
    StretchBlt(dc, x, y, size, size, source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
}

void FrameSquare(HDC dc, int x, int y, int size) {
    OwnedPen pen(CreatePen(PS_SOLID, 1, kPictureFrameColour));
    SelectScope selectPen(dc, pen.Get());
    SelectScope selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + size, y + size);
}

}  // namespace

void DrawDefaultCtsPicture(HDC dc, int x, int y, int size, bool companyOnly) {
    OwnedBrush back(CreateSolidBrush(kDefaultPictureBack));
    const RECT square{x, y, x + size, y + size};
    FillRect(dc, &square, back.Get());
    OwnedBrush ink(CreateSolidBrush(kDefaultPictureInk));
    OwnedPen pen(CreatePen(PS_SOLID, 1, kDefaultPictureInk));
    SelectScope selectBrush(dc, ink.Get());
    SelectScope selectPen(dc, pen.Get());
    if (companyOnly) {
        // A building: a block with two rows of windows left open.
        Rectangle(dc, x + size / 4, y + size / 5, x + size * 3 / 4, y + size);
        OwnedBrush window(CreateSolidBrush(kDefaultPictureBack));
        const int pane = size / 10 > 0 ? size / 10 : 1;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                const int left = x + size / 3 + column * size / 5;
                const int top = y + size / 3 + row * size / 4;
                const RECT glass{left, top, left + pane, top + pane};
                FillRect(dc, &glass, window.Get());
            }
        }
    } else {
        Ellipse(dc, x + size * 3 / 10, y + size / 8, x + size * 7 / 10, y + size * 11 / 20);
        Ellipse(dc, x + size / 6, y + size * 3 / 5, x + size * 5 / 6, y + size);
    }
    FrameSquare(dc, x, y, size);
}

void DrawPictureFramed(HDC dc, int x, int y, HBITMAP bitmap, int size) {
    if (!bitmap) return;
    StretchInto(dc, x, y, size, bitmap);
    FrameSquare(dc, x, y, size);
}

void DrawBmpTransparent(HDC dc, int x, int y, HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) == 0) return;
    TransparentImage(dc, x, y, info.bmWidth, info.bmHeight, bitmap, 0, 0, info.bmWidth, info.bmHeight, key);
}

HBITMAP DrawCtsPicture(HDC dc, int x, int y, LONG oid, bool companyOnly, int size, bool /*smooth*/, bool keep) {
    OwnedBitmap picture(oid == -1 ? nullptr : LoadCtsPictureBmp(oid, GetPoomApp(), size, true));
    if (keep) return picture.Release();
    if (!picture) {
        DrawDefaultCtsPicture(dc, x, y, size, companyOnly);
        return nullptr;
    }
    StretchInto(dc, x, y, size, picture.Get());
    FrameSquare(dc, x, y, size);
    return nullptr;
}
