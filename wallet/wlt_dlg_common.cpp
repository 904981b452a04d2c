// The wallet dialogs' shared frame and the stores their OK ends with.
#include "wallet/wlt_dlg_common.h"

#include "core/frame_state.h"
#include "core/show_message.h"
#include "core/view_id.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/main_state.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_view.h"

namespace {

constexpr const WCHAR* kWltFieldsTitleFormat = u"Edit Wallet Item: %s";

}  // namespace

bool OpenWltDialog(HWND dialog, UINT barId) {
    SHMENUBARINFO info{};
    info.cbSize = SHMENUBARINFO_DEVICE_SIZE;
    info.hwndParent = dialog;
    info.nToolBarId = barId;
    info.hInstRes = g_Main.instance;
    if (!SHCreateMenuBar(&info)) {
        EndDialog(dialog, -1);
        return false;
    }
    PushOpenDlg(dialog);
    return true;
}

void CloseWltDialog(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
}

bool OnWltDlgShared(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgEndDialog: EndDialog(dialog, kWltDlgCancel); return true;
    case WM_HOTKEY:
        if (HIWORD(lParam) != VK_ESCAPE) return false;
        SHSendBackToFocusWindow(message, wParam, lParam);
        return true;
    case WM_DESTROY: SetTitleText(GetWindow(dialog, GW_OWNER), nullptr); return false;
    }
    return false;
}

bool IsWltOkCommand(UINT id) { return id == IDOK || id == IDM_DLG_DONE; }
bool IsWltCancelCommand(UINT id) { return id == IDCANCEL || id == IDM_DLG_CANCEL; }

void RefuseWltInput(HWND dialog, const WltRefusal& refusal) {
    ShowMessage(dialog, refusal.text, MB_OK | MB_ICONEXCLAMATION);
    if (refusal.focusId) SetFocus(GetDlgItem(dialog, refusal.focusId));
}

std::u16string WltFieldsTitle(const WltItem& item) { return platform::FormatW(kWltFieldsTitleFormat, item.name.c_str()); }

bool StoreWltItemInfo(WltItemDlgMode mode, int templ, const std::u16string& name, LONG icon,
                      const std::u16string& categories) {
    if (mode == WltItemDlgMode::Edit) {
        if (!SelectedWltItem()) return false;
        WltItem& item = g_Wlt.items[g_Wlt.selection];
        item.name = name;
        item.icon = icon;
        item.categories = categories;
        SaveWalletFile();
        FillWalletTree();
        return true;
    }
    if (templ < 0 || templ >= g_Wlt.templates.Size()) return false;
    AddNewWltItem(g_Wlt.templates[templ], name, icon, categories);
    return true;
}

void StoreWltFieldValues(const std::vector<std::u16string>& values) {
    if (!SelectedWltItem()) return;
    WltItem& item = g_Wlt.items[g_Wlt.selection];
    for (int i = 0; i < kWltMaxShownFields && i < item.fields.Size() && i < static_cast<int>(values.size()); ++i)
        item.fields[i].value = values[static_cast<std::size_t>(i)];
    SaveWalletFile();
    if (ViewId == kViewWalletItem && g_ViewWnds.agendaView) InvalidateRect(g_ViewWnds.agendaView, nullptr, TRUE);
}
