// Painting buttons: push buttons as framed faces (the default one with a heavier frame), check boxes
// and radio buttons as a box or a ring beside their text, group boxes as a titled frame, and
// owner-drawn buttons by their parent (WM_DRAWITEM).
#include <algorithm>
#include <string>

#include "controls/button.h"
#include "controls/control_look.h"

namespace platform {
namespace {

std::u16string TextOf(HWND hwnd) {
    WCHAR text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

UINT TextFormat(HWND hwnd, UINT horizontalDefault) {
    const DWORD style = StyleOf(hwnd);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (style & BS_MULTILINE) format = DT_WORDBREAK;
    switch (style & BS_CENTER) {
    case BS_LEFT: format |= DT_LEFT; break;
    case BS_RIGHT: format |= DT_RIGHT; break;
    case BS_CENTER: format |= DT_CENTER; break;
    default: format |= horizontalDefault; break;
    }
    return format;
}

void DrawCaption(HDC dc, HWND hwnd, RECT r, UINT format) {
    const std::u16string text = TextOf(hwnd);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void PaintPush(HWND hwnd, HDC dc, const ButtonState& state, RECT client) {
    const bool isDefault = (StyleOf(hwnd) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    FillLook(dc, client, state.pushed ? kLookPushedFace : kLookFace);
    FrameLook(dc, client, kLookFrame);
    if (isDefault) {
        RECT inner = client;
        InflateRect(&inner, -1, -1);
        FrameLook(dc, inner, kLookFrame);
    }
    if (!state.image) {
        DrawCaption(dc, hwnd, client, TextFormat(hwnd, DT_CENTER));
    } else if (state.imageType == IMAGE_BITMAP) {
        BITMAP info{};
        GetObjectW(state.image, sizeof(info), &info);
        TransparentImage(dc, (client.right - info.bmWidth) / 2, (client.bottom - info.bmHeight) / 2, info.bmWidth,
                         info.bmHeight, state.image, 0, 0, info.bmWidth, info.bmHeight, kLookSeeThrough);
    } else {
        DrawIconEx(dc, 2, 2, static_cast<HICON>(state.image), 0, 0, 0, nullptr, DI_NORMAL);
    }
    if (state.focused) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void PaintCheck(HWND hwnd, HDC dc, const ButtonState& state, RECT client, bool radio) {
    const int box = std::min<int>(LookPixels(13), client.bottom - client.top);
    const bool leftText = (StyleOf(hwnd) & BS_LEFTTEXT) != 0;
    const int top = (client.bottom - client.top - box) / 2;
    const int left = leftText ? client.right - box : client.left;
    const RECT mark{left, top, left + box, top + box};
    const COLORREF ink = IsWindowEnabled(hwnd) ? kLookFrame : kLookShadow;
    if (radio) {
        const HBRUSH face = CreateSolidBrush(state.pushed ? kLookFace : kLookWindow);
        const HPEN pen = CreatePen(PS_SOLID, 1, ink);
        {
            const Selected b(dc, face), p(dc, pen);
            Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
        }
        DeleteObject(face);
        DeleteObject(pen);
        if (state.check == BST_CHECKED) {
            RECT dot = mark;
            InflateRect(&dot, -box / 4 - 1, -box / 4 - 1);
            const HBRUSH fill = CreateSolidBrush(ink);
            const HPEN none = static_cast<HPEN>(GetStockObject(NULL_PEN));
            {
                const Selected b(dc, fill), p(dc, none);
                Ellipse(dc, dot.left, dot.top, dot.right + 1, dot.bottom + 1);
            }
            DeleteObject(fill);
        }
    } else {
        FillLook(dc, mark, state.pushed ? kLookFace : kLookWindow);
        FrameLook(dc, mark, ink);
        if (state.check == BST_INDETERMINATE) {
            RECT inner = mark;
            InflateRect(&inner, -3, -3);
            FillLook(dc, inner, kLookShadow);
        } else if (state.check == BST_CHECKED) {
            // A tick of two strokes, two pixels thick.
            const HPEN pen = CreatePen(PS_SOLID, std::max(2, box / 6), ink);
            const Selected p(dc, pen);
            const POINT tick[3] = {{mark.left + box / 4, mark.top + box / 2},
                                   {mark.left + box / 2 - 1, mark.bottom - box / 4 - 1},
                                   {mark.right - box / 5, mark.top + box / 5}};
            Polyline(dc, tick, 3);
            SelectObject(dc, GetStockObject(BLACK_PEN));
            DeleteObject(pen);
        }
    }
    const int gap = LookPixels(4);
    RECT text = client;
    if (leftText) text.right = mark.left - gap;
    else text.left = mark.right + gap;
    DrawCaption(dc, hwnd, text, TextFormat(hwnd, DT_LEFT));
    if (state.focused) {
        RECT focus = text;
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroup(HWND hwnd, HDC dc, RECT client) {
    const int half = LineHeight(LookFont(nullptr)) / 2;
    RECT frame = client;
    frame.top += half;
    FrameLook(dc, frame, kLookShadow);
    const std::u16string text = TextOf(hwnd);
    if (text.empty()) return;
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    RECT label{client.left + LookPixels(6), client.top, client.left + LookPixels(6) + size.cx + 4, client.top + size.cy};
    SetBkMode(dc, OPAQUE);
    ExtTextOutW(dc, label.left + 2, label.top, ETO_OPAQUE, &label, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void AskOwnerToDraw(HWND hwnd, HDC dc, const ButtonState& state, RECT client) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return;
    UINT itemState = 0;
    if (state.pushed) itemState |= ODS_SELECTED;
    if (state.focused) itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(hwnd)) itemState |= ODS_DISABLED;
    DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(hwnd)), 0, ODA_DRAWENTIRE, itemState, hwnd, dc, client, 0};
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void PaintButton(HWND hwnd, const ButtonState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const DWORD type = ButtonType(hwnd);
    if (type == BS_OWNERDRAW) {
        AskOwnerToDraw(hwnd, dc, state, client);
        return;
    }
    const Selected font(dc, LookFont(state.font));
    // Check boxes, radio buttons and group boxes sit on their dialog as labels do and take its colours.
    const bool pushKind = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
    const HBRUSH background = ParentBrush(hwnd, dc, pushKind ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    FillRect(dc, &client, background);
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: PaintCheck(hwnd, dc, state, client, false); break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: PaintCheck(hwnd, dc, state, client, true); break;
    case BS_GROUPBOX: PaintGroup(hwnd, dc, client); break;
    default: PaintPush(hwnd, dc, state, client); break;
    }
}

}  // namespace platform
