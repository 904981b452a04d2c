// Rows and images of the link lists: the item data of a row is an OID or -1, its image tells the
// kind, and a header row of the shared painter carries the data 505.
#include "projects/link_rows.h"

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"

namespace {

constexpr int kBigScreenSide = 480;

}  // namespace

void InsertLinkRow(HWND list, const std::u16string& text, LONG data, int image) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = copy.data();
    item.iImage = image;
    item.lParam = data;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool GetSelectedLinkRow(HWND list, LinkListRow& row, std::size_t maxChars) {
    const int index = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (index < 0) return false;
    std::u16string text(maxChars + 1, u'\0');
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return false;
    text.resize(text.find(u'\0'));
    row = LinkListRow{text, item.iImage, static_cast<LONG>(item.lParam)};
    return true;
}

void SelectLinkRow(HWND list, int row) {
    if (row < 0) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::u16string CurItemTitle() {
    const LONG oid = g_CurItem.oid;
    switch (g_CurItem.kind) {
    case kItemTask: {
        const LONG slot = IdIndexGet(oid, g_TskIdIndex);
        return slot >= 0 && slot < g_TskList.Size() ? g_TskList[slot].subject : std::u16string();
    }
    case kItemContact: {
        const LONG slot = IdIndexGet(oid, g_CtsIdIndex);
        return slot >= 0 && slot < g_CtsList.Size() ? GetCtsDisplayName(g_CtsList[slot], g_Settings.firstLast)
                                                      : std::u16string();
    }
    case kItemAppt: {
        const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
        BSTR subject = nullptr;
        if (appt && SUCCEEDED(appt->get_Subject(&subject))) return TakeBstr(subject);
        return std::u16string();
    }
    default: return std::u16string();
    }
}

bool IsBigScreen() {
    return GetSystemMetrics(SM_CXSCREEN) >= kBigScreenSide && GetSystemMetrics(SM_CYSCREEN) >= kBigScreenSide;
}

bool AppendImageStrip(HIMAGELIST list, int bitmapId) {
    const OwnedBitmap strip(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId)));
    return list && strip && ImageList_AddMasked(list, strip.Get(), kMagentaKey) >= 0;
}
