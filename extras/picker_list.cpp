// The one-column list of the saved-view and launcher dialogs.
#include "extras/picker_list.h"

#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/user.h"

void FitPickerList(HWND dialog, int listId) {
    RECT client{};
    GetClientRect(dialog, &client);
    HWND list = GetDlgItem(dialog, listId);
    MoveWindow(list, 0, 0, client.right, client.bottom, TRUE);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, client.right - GetSystemMetrics(SM_CXVSCROLL));
}

void InitPickerList(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    FitPickerList(dialog, listId);
}

void AddPickerRow(HWND list, const std::u16string& text, LPARAM data, int image) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iImage = image;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<WCHAR*>(text.c_str());
    item.lParam = data;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SelectPickerRow(HWND list, int row) {
    SetFocus(list);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int SelectedPickerRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LPARAM PickerRowData(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.lParam;
}

void SetPickerImages(HWND list, int bitmapId, int size, int initial, int grow) {
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    FreePickerImages(list);
    const HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR | ILC_MASK, initial, grow);
    if (!images) return;
    if (const HBITMAP strip = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId))) {
        ImageList_AddMasked(images, strip, kMagenta);
        DeleteObject(strip);
    }
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void FreePickerImages(HWND list) {
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (!images) return;
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ImageList_Destroy(images);
}
