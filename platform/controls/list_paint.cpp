// Painting list boxes and combo boxes: rows of text with the selection in the highlight colours and
// a focus rectangle, owner-drawn rows by the owner (WM_DRAWITEM); the combo box's field with the
// selected item and its drop-down arrow.
#include <algorithm>

#include "controls/combo_box.h"
#include "controls/control_look.h"
#include "controls/list_box.h"

namespace platform {
namespace {

bool RowSelected(HWND hwnd, const ListBoxState& state, int index) {
    return ListIsMulti(hwnd) ? state.items[static_cast<std::size_t>(index)].selected : state.selection == index;
}

// WM_DRAWITEM to the owner for one row (or a combo box's field).
void SendDrawItem(HWND owner, UINT type, HWND hwnd, HDC dc, int index, UINT itemState, RECT rect, ULONG_PTR data) {
    if (!IsWindowEnabled(hwnd)) itemState |= ODS_DISABLED;
    DRAWITEMSTRUCT item{type, static_cast<UINT>(GetDlgCtrlID(hwnd)), static_cast<UINT>(index), ODA_DRAWENTIRE,
                        itemState, hwnd, dc, rect, data};
    SendMessageW(owner, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void AskOwnerToDraw(HWND hwnd, const ListBoxState& state, HDC dc, int index, RECT row) {
    const HWND owner = state.owner ? state.owner : GetParent(hwnd);
    if (!owner) return;
    UINT itemState = 0;
    if (index >= 0 && RowSelected(hwnd, state, index)) itemState |= ODS_SELECTED;
    if (state.focused && index == state.caret) itemState |= ODS_FOCUS;
    const ULONG_PTR data = index >= 0 ? state.items[static_cast<std::size_t>(index)].data : 0;
    SendDrawItem(owner, ODT_LISTBOX, hwnd, dc, index, itemState, row, data);
}

void DrawTextRow(HDC dc, const std::u16string& text, RECT row, bool selected, COLORREF textColour) {
    if (selected) FillLook(dc, row, kLookHighlight);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? kLookHighlightText : textColour);
    RECT inside = row;
    inside.left += LookPixels(2);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The arrow of a drop-down: a small filled triangle pointing down in the box.
void DrawDropArrow(HDC dc, RECT box, COLORREF colour) {
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int half = std::max(2, static_cast<int>(box.right - box.left) / 4);
    for (int i = 0; i <= half / 1; ++i) FillLook(dc, {cx - half + i, cy - half / 2 + i, cx + half - i + 1, cy - half / 2 + i + 1}, colour);
}

}  // namespace

UINT DefaultItemHeight(HWND, HFONT font) { return static_cast<UINT>(LineHeight(LookFont(font)) + LookPixels(2)); }

void PaintListBox(HWND hwnd, ListBoxState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const Selected font(dc, LookFont(state.font));
    FillRect(dc, &client, ParentBrush(hwnd, dc, WM_CTLCOLORLISTBOX));
    const COLORREF textColour = GetTextColor(dc);
    const bool ownerDraw = ListIsOwnerDraw(hwnd);
    const int count = static_cast<int>(state.items.size());
    for (int i = std::max(state.top, 0); i < count; ++i) {
        const RECT row = ListItemRect(hwnd, state, i);
        if (row.top >= client.bottom) break;
        if (ownerDraw) {
            AskOwnerToDraw(hwnd, state, dc, i, row);
            continue;
        }
        DrawTextRow(dc, state.items[static_cast<std::size_t>(i)].text, row, RowSelected(hwnd, state, i), textColour);
        if (state.focused && i == state.caret) DrawFocusRect(dc, &row);
    }
    // An empty owner-drawn list with the focus still shows where the focus is.
    if (ownerDraw && count == 0 && state.focused) {
        RECT row{0, 0, client.right, static_cast<LONG>(state.itemHeight ? state.itemHeight : DefaultItemHeight(hwnd, state.font))};
        AskOwnerToDraw(hwnd, state, dc, -1, row);
    }
    DrawControlBorder(hwnd);
}

void PaintComboBox(HWND hwnd, const ComboState& state) {
    const PaintScope paint(hwnd);
    const HDC dc = paint.Dc();
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const Selected font(dc, LookFont(state.font));
    FillRect(dc, &client, ParentBrush(hwnd, dc, WM_CTLCOLOREDIT));
    const COLORREF textColour = GetTextColor(dc);
    const int button = std::min<int>(client.bottom - client.top, LookPixels(16));
    RECT field = client;
    field.right -= button;
    RECT arrow = client;
    arrow.left = field.right;
    FillLook(dc, arrow, state.dropped ? kLookPushedFace : kLookFace);
    FrameLook(dc, arrow, kLookFrame);
    DrawDropArrow(dc, arrow, IsWindowEnabled(hwnd) ? kLookFrame : kLookShadow);
    FrameLook(dc, client, kLookFrame);
    RECT inside = field;
    InflateRect(&inside, -1, -1);
    const std::u16string text = ComboSelectionText(state);
    const DWORD style = StyleOf(hwnd);
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && GetParent(hwnd)) {
        const int selection = static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
        const auto data = selection >= 0 ? static_cast<ULONG_PTR>(SendMessageW(hwnd, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0)) : 0;
        SendDrawItem(GetParent(hwnd), ODT_COMBOBOX, hwnd, dc, selection, state.focused ? (ODS_SELECTED | ODS_FOCUS) : 0, inside, data);
        return;
    }
    DrawTextRow(dc, text, inside, state.focused && !state.dropped, textColour);
}

}  // namespace platform
