// The two cover screens painted into the main window: the start-up screen until the first view is
// shown, and the locked wallet with the name of its file.
#include <string>

#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/layout.h"
#include "ui/theme_pictures.h"
#include "wallet/wlt_commands.h"

namespace {

constexpr int kThemeCoverText = 9;
constexpr int kThemeBackground = 10;
constexpr int kThemeItemBorder = 11;
constexpr COLORREF kWhite = 0xFFFFFF;

// The centre picture and the start-up screen's foot picture, QVGA and VGA.
constexpr UINT kLockedBitmap = 345;
constexpr UINT kLockedBitmapVga = 751;
constexpr UINT kStartBitmap = 321;
constexpr UINT kStartBitmapVga = 752;
constexpr UINT kFootBitmap = 918;
constexpr UINT kFootBitmapVga = 776;
constexpr int kLockedRaise = 30;
constexpr int kStartRaise = 20;
constexpr int kFootOffset = 16;
constexpr int kFootOffsetVga = 32;
constexpr int kFileLineGap = 3;

// Owns a loaded bitmap.
struct Bitmap {
    HBITMAP handle = nullptr;
    explicit Bitmap(UINT id) : handle(LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(id))) {}
    ~Bitmap() {
        if (handle) DeleteObject(handle);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    SIZE Size() const {
        BITMAP info{};
        GetObjectW(handle, sizeof(info), &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }
};

// Draws the bitmap with its top left corner at (x, y); its rectangle, empty when it is missing.
RECT DrawBitmapAt(HDC dc, UINT id, int x, int y, bool centred, bool whiteTransparent) {
    const Bitmap bitmap(id);
    if (!bitmap.handle) return RECT{};
    const SIZE size = bitmap.Size();
    const int left = centred ? x - size.cx / 2 : x;
    const int top = centred ? y - size.cy / 2 : y;
    if (whiteTransparent) {
        TransparentImage(dc, left, top, size.cx, size.cy, bitmap.handle, 0, 0, size.cx, size.cy, kWhite);
    } else {
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, bitmap.handle);
        BitBlt(dc, left, top, size.cx, size.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    return RECT{left, top, left + size.cx, top + size.cy};
}

void DrawFrame(HDC dc, const RECT& r, COLORREF color) {
    const HPEN pen = CreatePen(PS_SOLID, 0, color);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawFileLine(HDC dc, const RECT& r) {
    const std::u16string line = platform::FormatW(u"Current File: %s", GetWltFileTitle().c_str());
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    SetTextColor(dc, static_cast<COLORREF>(GetThemeWord(kThemeCoverText)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const RECT lineRect{r.left, r.bottom - r.top - size.cy - kFileLineGap, r.right, r.bottom};
    ReadableDrawText(dc, line, lineRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
    SetBkMode(dc, oldMode);
}

// The theme's background picture over the whole view area, from the window's corner.
bool DrawBackPicture(HDC dc, const RECT& r) {
    const HBITMAP picture = HasBackPicture() ? GetBackPicture() : nullptr;
    if (!picture) return false;
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, picture);
    BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return true;
}

}  // namespace

void DrawCoverScreen(HDC dc, int locked) {
    RECT r{};
    GetViewClientRect(g_Frame.mainWnd, r);
    const int cx = (r.right - r.left) / 2;
    const int cy = (r.bottom - r.top) / 2;
    const auto background = static_cast<COLORREF>(GetThemeWord(kThemeBackground));
    const HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    bool white = background == kWhite;
    if (DrawBackPicture(dc, r)) white = false;
    const bool vga = (r.right - r.left) >= 480 && (r.bottom - r.top) >= 480;
    const UINT centre = locked ? (vga ? kLockedBitmapVga : kLockedBitmap) : (vga ? kStartBitmapVga : kStartBitmap);
    const RECT picture = DrawBitmapAt(dc, centre, cx, cy - (locked ? kLockedRaise : kStartRaise), true, false);
    if (!white && picture.right > picture.left)
        DrawFrame(dc, picture, static_cast<COLORREF>(GetThemeWord(kThemeItemBorder)));
    if (locked) return DrawFileLine(dc, r);
    const int footY = (r.bottom - r.top) - (IsVgaScreen() ? kFootOffsetVga : kFootOffset);
    DrawBitmapAt(dc, IsVgaScreen() ? kFootBitmapVga : kFootBitmap, cx, footY, true, true);
}
