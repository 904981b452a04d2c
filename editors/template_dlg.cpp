// The template picker 7274 over the two template lists.
#include "editors/template_dlg.h"

#include <string>

#include "core/app_settings.h"
#include "core/show_message.h"
#include "editors/item_templates.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/owner_draw.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/subclass.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/view_focus.h"
#include "ui/list_view_calls.h"

namespace {

constexpr int kColumnWidth = 100;

HWND TemplateList(HWND dialog) { return GetDlgItem(dialog, IDC_TEMPLATE_LIST); }

std::u16string TemplateSubject(int index) {
    return g_TemplateKind == kTemplateKindAppt ? g_ApptTemplateList[index].subject : g_TskTemplateList[index].subject;
}

void InsertRow(HWND list, int row, const std::u16string& text, LPARAM param) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = copy.data();
    item.lParam = param;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}


void InitTemplateDlg(HWND dialog) {
    SetTitleText(dialog, LoadResStr(IDS_SELECT_TEMPLATE_TITLE).c_str());
    const HWND list = TemplateList(dialog);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FitDlgList(dialog, IDC_TEMPLATE_LIST, 0);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    FillTemplateList(dialog);
}

void UpdateTemplateMenu(HMENU menu) {
    const UINT state = TemplateCount(g_TemplateKind) > 0 ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(menu, IDM_REMOVE_TEMPLATE, MF_BYCOMMAND | state);
}

INT_PTR Choose(HWND dialog) {
    ReadTemplateChoice(dialog);
    EndDialog(dialog, IDM_DLG_DONE);
    return TRUE;
}

INT_PTR OnTemplateCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: return Choose(dialog);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    case IDM_DLG_CANCEL: EndDialog(dialog, IDM_DLG_CANCEL); return TRUE;
    case IDM_REMOVE_TEMPLATE: DeleteTemplate(dialog); return TRUE;
    }
    return FALSE;
}

INT_PTR OnTemplateNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom == IDC_TEMPLATE_LIST && header.code == static_cast<UINT>(NM_RETURN)) return Choose(dialog);
    return FALSE;
}

INT_PTR OnTemplatePaint(HWND dialog) {
    PAINTSTRUCT paint{};
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}

}  // namespace

void FillTemplateList(HWND dialog) {
    const HWND list = TemplateList(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const int count = TemplateCount(g_TemplateKind);
    for (int i = 0; i < count; ++i) InsertRow(list, i, TemplateSubject(i), -1);
    if (count == 0) InsertRow(list, 0, LoadResStr(IDS_NO_TEMPLATES), -1);
    SetFocus(list);
    if (count > 0) {
        LvSelectRow(list, 0);
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    }
}

void ReadTemplateChoice(HWND dialog) {
    if (TemplateCount(g_TemplateKind) == 0) {
        g_TemplateChoice = -1;
        return;
    }
    g_TemplateChoice = static_cast<LONG>(SendMessageW(TemplateList(dialog), LVM_GETSELECTIONMARK, 0, 0));
}

void DeleteTemplate(HWND dialog) {
    const int row = static_cast<int>(SendMessageW(TemplateList(dialog), LVM_GETSELECTIONMARK, 0, 0));
    if (row < 0 || TemplateCount(g_TemplateKind) == 0) return;
    if (g_Settings.confirmDel != 0 &&
        MessageBoxW(dialog, LoadResStr(IDS_CONFIRM_DELETE_TEMPLATE).c_str(), u"", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    RemoveTemplateAt(g_TemplateKind, row);
    g_TemplateChoice = -1;
    FillTemplateList(dialog);
}

INT_PTR CALLBACK TemplateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_TEMPLATE_BAR, BackKey::kDefault)) {
            EndDialog(dialog, -1);
            return TRUE;
        }
        InitTemplateDlg(dialog);
        return TRUE;
    case WM_COMMAND: return OnTemplateCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY: return OnTemplateNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? Choose(dialog) : FALSE;
    case WM_INITMENUPOPUP: UpdateTemplateMenu(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_TEMPLATE_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_TEMPLATE_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), TemplateList(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgList(dialog, IDC_TEMPLATE_LIST, 1); return FALSE;
    case WM_PAINT: return OnTemplatePaint(dialog);
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

bool TemplateDlg(HWND owner, LONG kind) {
    g_TemplateChoice = -1;
    g_TemplateKind = kind;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SELECT_TEMPLATE), owner, TemplateDlgProc, 0) ==
           IDM_DLG_DONE;
}
