// Painting statics: text aligned by style (wrapped unless told not to), a bitmap or an icon, filled
// rectangles and frames; and loading the image a template names.
#include <string>

#include "controls/control_look.h"
#include "controls/static_control.h"

namespace platform {
namespace {

void PaintText(HWND hwnd, HDC dc, DWORD style, RECT client) {
    WCHAR text[1024] = {};
    const int length = GetWindowTextW(hwnd, text, 1024);
    UINT format = DT_WORDBREAK;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER; break;
    case SS_RIGHT: format |= DT_RIGHT; break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: format = DT_SINGLELINE; break;
    default: break;
    }
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE) format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    DrawTextW(dc, text, length, &client, format);
}

void PaintBitmap(HDC dc, HBITMAP bitmap, DWORD style, RECT client) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return;
    int x = 0, y = 0;
    if (style & SS_CENTERIMAGE) {
        x = (client.right - info.bmWidth) / 2;
        y = (client.bottom - info.bmHeight) / 2;
    }
    // The device's pictures keep magenta for what shows through.
    TransparentImage(dc, x, y, info.bmWidth, info.bmHeight, bitmap, 0, 0, info.bmWidth, info.bmHeight, kLookSeeThrough);
}

COLORREF ShadeOf(DWORD type) {
    switch (type) {
    case SS_BLACKRECT:
    case SS_BLACKFRAME: return kLookFrame;
    case SS_GRAYRECT:
    case SS_GRAYFRAME: return kLookShadow;
    default: return kLookWindow;
    }
}

}  // namespace

void PaintStatic(HWND hwnd, const StaticState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const DWORD style = StyleOf(hwnd);
    const DWORD type = style & SS_TYPEMASK;
    const Selected font(dc, LookFont(state.font));
    const HBRUSH background = ParentBrush(hwnd, dc, WM_CTLCOLORSTATIC);
    switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT: FillLook(dc, client, ShadeOf(type)); break;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        FillRect(dc, &client, background);
        FrameLook(dc, client, ShadeOf(type));
        break;
    case SS_BITMAP:
        FillRect(dc, &client, background);
        PaintBitmap(dc, static_cast<HBITMAP>(state.image), style, client);
        break;
    case SS_ICON:
        FillRect(dc, &client, background);
        if (state.image) DrawIconEx(dc, 0, 0, static_cast<HICON>(state.image), 0, 0, 0, nullptr, DI_NORMAL);
        break;
    default:
        FillRect(dc, &client, background);
        PaintText(hwnd, dc, style, client);
        break;
    }
}

HANDLE LoadStaticImage(HINSTANCE instance, WORD id, DWORD type) {
    if (type == SS_BITMAP) return LoadBitmapW(instance, MAKEINTRESOURCEW(id));
    return LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
}

}  // namespace platform
