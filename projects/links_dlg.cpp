// The Links dialog. Every add and remove changes the link table and "linkinfo.dat" at once; there is
// nothing to cancel. Opening a row only records it as the pending link: the dialog closes first and
// the opener then shows the preview, starts the file's program or opens the browser.

#include <algorithm>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/item_filters.h"
#include "core/link_table.h"
#include "core/month_cache.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/cts_list.h"
#include "lists/task_view.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/system.h"
#include "platform/user.h"
#include "projects/choose_item.h"
#include "projects/link_rows.h"
#include "projects/links_dlg.h"
#include "projects/shell_icons.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/draw_prims.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/shell_actions.h"
#include "ui/text_prompt.h"
#include "ui/themed_bars.h"
#include "ui/view_calls.h"
#include "ui/view_focus.h"

PendingLink g_PendingLink;

namespace {

constexpr const WCHAR* kNoLinksText = u"No Links For Item...";
constexpr const WCHAR* kWebPreset = u"http://";
constexpr int kColumnInset = 6;
constexpr int kHeaderIconX = 4;
constexpr int kHeaderIconSize = 32;
constexpr int kHeaderIconGap = 6;
constexpr int kHeaderTextX = 8;  // clear of the band's edge

// Images after the system icons: the item kinds (whose fourth image the links do not use), then the
// web link and a file the shell has no icon for.
enum StripImage : int { kStripTask = 0, kStripContact = 1, kStripAppt = 2, kStripWeb = 4, kStripFile = 5 };

struct LinksDlgState {
    HIMAGELIST images = nullptr;
    int base = 0;  // the number of system icons before the strip
};

LinksDlgState g_LinksDlg;

HWND LinksList(HWND dialog) { return GetDlgItem(dialog, IDC_LINKS_LIST); }

int StripIndex(StripImage image) { return g_LinksDlg.base + image; }

int ItemImage(LONG kind) {
    switch (kind) {
    case kLinkTask: return StripIndex(kStripTask);
    case kLinkAppt: return StripIndex(kStripAppt);
    default: return StripIndex(kStripContact);
    }
}

// A file the shell has no icon for keeps its row with the links' own file image: ending the list
// there would hide every later link of the item.
int FileImage(const std::u16string& path) {
    const int icon = GetFileSysIconIndex(path);
    return icon >= 0 && icon < g_LinksDlg.base ? icon : StripIndex(kStripFile);
}

void FillItemLinksList(HWND dialog, bool selectLast) {
    const HWND list = LinksList(dialog);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const LONG owner = g_CurItem.oid;
    const int first = FindLinkByKey(g_LinkTable, owner);
    if (first < 0) {
        InsertLinkRow(list, kNoLinksText, -1, -1);
    } else {
        for (int i = first; i < g_LinkTable.Size() && g_LinkTable[i].owner == owner; ++i) {
            const LinkRecord& link = g_LinkTable[i];
            if (link.kind == kLinkFile) {
                InsertLinkRow(list, link.text, -1, FileImage(link.text));
            } else if (link.kind == kLinkWeb) {
                InsertLinkRow(list, link.text, -1, StripIndex(kStripWeb));
            } else {
                std::u16string text;
                if (GetLinkTargetText(link.target, link.kind, text) >= 0)
                    InsertLinkRow(list, text, link.target, ItemImage(link.kind));
            }
        }
    }
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    SelectLinkRow(list, selectLast ? count - 1 : 0);
    SetFocus(list);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

int HeaderHeight() { return GetBarHeight(); }

void InitLinksList(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_LINKS).c_str());
    const HWND list = LinksList(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnInset;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    g_LinksDlg.images = DupSysSmallIconList();
    g_LinksDlg.base = g_LinksDlg.images ? ImageList_GetImageCount(g_LinksDlg.images) : 0;
    // The strip must match the icons it joins: the shell's small icons are 32 pixels only where
    // the screen is dense enough.
    int iconWidth = 0;
    int iconHeight = 0;
    ImageList_GetIconSize(g_LinksDlg.images, &iconWidth, &iconHeight);
    const bool big = iconWidth >= kHeaderIconSize;
    AppendImageStrip(g_LinksDlg.images, big ? IDB_ITEM_KINDS_32 : IDB_ITEM_KINDS_16);
    AppendImageStrip(g_LinksDlg.images, big ? IDB_LINK_EXTRA_VGA : IDB_LINK_EXTRA);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_LinksDlg.images));
    SubclassItemList(list, 0);
    FitDlgListBelow(dialog, IDC_LINKS_LIST, HeaderHeight());
    FillItemLinksList(dialog, false);
}

void LinksChanged(HWND dialog, bool selectLast) {
    SaveLinkInfoFile();
    FillItemLinksList(dialog, selectLast);
    g_PendingLink.changed = true;
}

void AddItemLink(HWND dialog, LONG kind) {
    const LONG chosen = ChooseItemDlg(dialog, kind);
    if (chosen == -1 || LinkExists(g_LinkTable, g_CurItem.oid, chosen)) return;
    AddLinkPair(g_LinkTable, g_CurItem.oid, chosen, g_CurItem.kind, kind);
    LinksChanged(dialog, true);
}

void AddFileLink(HWND dialog) {
    g_FilePicker.chosenPath.clear();
    if (!ShowFilePickerDlg(dialog, kPickAnyFile) || g_FilePicker.chosenPath.empty()) return;
    AddLinkToText(g_LinkTable, g_CurItem.oid, g_FilePicker.chosenPath, kLinkFile);
    LinksChanged(dialog, true);
}

void AddWebLink(HWND dialog) {
    g_PromptText = kWebPreset;
    if (PromptTextById(dialog, IDS_WEBSITE, IDS_ENTER_HYPERLINK) != kPromptAccepted || g_PromptText.empty()) return;
    AddLinkToText(g_LinkTable, g_CurItem.oid, g_PromptText, kLinkWeb);
    LinksChanged(dialog, true);
}

void RemoveSelectedLink(HWND dialog) {
    LinkListRow row;
    if (!GetSelectedLinkRow(LinksList(dialog), row, kMaxPendingText)) return;
    if (row.data == -1 && row.image == -1) return;
    if (row.data == -1)
        RemoveLinkByText(g_LinkTable, g_CurItem.oid, row.text);
    else
        RemoveLinkPair(g_LinkTable, g_CurItem.oid, row.data);
    LinksChanged(dialog, false);
}

LONG PendingKindOfImage(int image) {
    if (image < 0) return kPendingNone;
    if (image < g_LinksDlg.base || image == StripIndex(kStripFile)) return kPendingFile;
    switch (image - g_LinksDlg.base) {
    case kStripTask: return kPendingTask;
    case kStripContact: return kPendingContact;
    case kStripAppt: return kPendingAppt;
    case kStripWeb: return kPendingWeb;
    default: return kPendingNone;
    }
}

bool OpenSelectedLink(HWND dialog) {
    LinkListRow row;
    if (!GetSelectedLinkRow(LinksList(dialog), row, kMaxPendingText)) return false;
    if (row.data == -1 && row.image == -1) return false;
    const LONG kind = PendingKindOfImage(row.image);
    g_PendingLink.pending = kind != kPendingNone;
    if (!g_PendingLink.pending) return false;
    g_PendingLink.kind = kind;
    g_PendingLink.target = row.data;
    g_PendingLink.text = (kind == kPendingFile || kind == kPendingWeb) ? row.text : std::u16string();
    return true;
}

// Task, contact and appointment in the order of the item-kind strip.
int KindIconIndex(LONG kind) {
    switch (kind) {
    case kItemTask: return kStripTask;
    case kItemContact: return kStripContact;
    default: return kStripAppt;
    }
}

void DrawLinksHeader(HDC dc, HWND dialog) {
    ThemedBarArgs args;
    args.leftText = CurItemTitle();
    args.x = kHeaderTextX;
    if (!IsBigScreen() || IsSquareScreen()) {
        DrawThemedBar(dc, dialog, args);
        return;
    }
    // The icon goes before the title, scaled down when the theme's band is lower than it.
    args.draw = false;
    const int height = DrawThemedBar(dc, dialog, args);
    const int size = std::clamp(height - 2, 1, kHeaderIconSize);
    args.draw = true;
    args.x = kHeaderIconX + size + kHeaderIconGap;
    DrawThemedBar(dc, dialog, args);
    const OwnedBitmap icons(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_ITEM_KINDS_32)));
    if (!icons) return;
    TransparentImage(dc, kHeaderIconX, std::max(0, (height - size) / 2), size, size, icons.Get(),
                     KindIconIndex(g_CurItem.kind) * kHeaderIconSize, 0, kHeaderIconSize, kHeaderIconSize, kMagentaKey);
}

INT_PTR EndLinks(HWND dialog, INT_PTR result) {
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR ViewLink(HWND dialog, INT_PTR result) { return OpenSelectedLink(dialog) ? EndLinks(dialog, result) : TRUE; }

INT_PTR OnLinksInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_LINKS_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitLinksList(dialog);
    return FALSE;
}

INT_PTR OnLinksCommand(HWND dialog, int id) {
    switch (id) {
    case IDM_ADD_CONTACT_LINK: AddItemLink(dialog, kItemContact); return TRUE;
    case IDM_ADD_TASK_LINK: AddItemLink(dialog, kItemTask); return TRUE;
    case IDM_ADD_APPT_LINK: AddItemLink(dialog, kItemAppt); return TRUE;
    case IDM_ADD_FILE_LINK: AddFileLink(dialog); return TRUE;
    case IDM_ADD_URL_LINK: AddWebLink(dialog); return TRUE;
    case IDM_REMOVE_LINK: RemoveSelectedLink(dialog); return TRUE;
    case IDM_LINK_VIEW: return ViewLink(dialog, IDM_LINK_VIEW);
    case IDM_DLG_CANCEL:
    case IDOK:
    case IDCANCEL: return EndLinks(dialog, id);
    }
    return FALSE;
}

INT_PTR OnLinksNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom == IDC_LINKS_LIST && header.code == static_cast<UINT>(NM_RETURN))
        return ViewLink(dialog, IDC_LINKS_LIST);
    return FALSE;
}

INT_PTR OnLinksPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    DrawLinksHeader(dc, dialog);
    EndPaint(dialog, &paint);
    return TRUE;
}

// The list's image list lives as long as the dialog.
void OnLinksDestroy() {
    if (g_LinksDlg.images) ImageList_Destroy(g_LinksDlg.images);
    g_LinksDlg = LinksDlgState{};
}

bool ShowsSchedule() { return ViewId == kViewDates || ViewId == kViewDay; }
bool ShowsPreview() { return ViewId == kViewTaskPreview || ViewId == kViewApptPreview; }

}  // namespace

int GetLinkTargetText(LONG target, LONG kind, std::u16string& text) {
    switch (kind) {
    case kLinkContact: {
        const LONG slot = IdIndexGet(target, g_CtsIdIndex);
        if (slot < 0 || slot >= g_CtsList.Size()) return -1;
        text = GetCtsDisplayName(g_CtsList[slot], g_Settings.firstLast);
        return 1;
    }
    case kLinkTask: {
        const LONG slot = IdIndexGet(target, g_TskIdIndex);
        if (slot < 0 || slot >= g_TskList.Size()) return -1;
        text = g_TskList[slot].subject;
        return 0;
    }
    case kLinkAppt: {
        const bool monthly = IsMonthLoadOn();
        if (monthly) ReloadAllAppts();
        for (const ApptRecord& appt : g_AllApptsArray) {
            if (appt.oid != target) continue;
            text = appt.subject;
            return 2;
        }
        if (monthly) {
            LoadApptsForMonth(1, 0);
            g_AllApptsArray.RemoveAll();
        }
        return -1;
    }
    default: return -1;
    }
}

INT_PTR CALLBACK LinksDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnLinksInit(dialog);
    case WM_COMMAND: return OnLinksCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY: return OnLinksNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? ViewLink(dialog, VK_RETURN) : FALSE;
    case WM_PAINT: return OnLinksPaint(dialog);
    case kMsgEndDialog: return EndLinks(dialog, kDlgCancel);
    case WM_MEASUREITEM:
        if (wParam == IDC_LINKS_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_LINKS_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), LinksList(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgListBelow(dialog, IDC_LINKS_LIST, HeaderHeight()); return FALSE;
    case WM_DESTROY:
        OnLinksDestroy();
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void ShowLinksDlgFor(HWND parent) {
    if (ShowsSchedule()) views::SyncSchedSel();
    if (g_CurItem.oid == kNoId || g_CurItem.kind == kItemNone) {
        ShowResMessage(parent, IDS_NO_ITEM_SELECTED, MB_ICONEXCLAMATION);
        return;
    }
    g_PendingLink = PendingLink{};
    RunProgramDialog(IDD_LINKS, parent, LinksDlgProc);
    if (g_PendingLink.pending) {
        OpenPendingLink();
    } else if (g_PendingLink.changed) {
        FreeBackBuffers();
        if (g_Frame.mainWnd) InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
    }
    FocusCurrentView();
}

void ShowLinksDlg(HWND owner) { ShowLinksDlgFor(owner); }

void ShowLinksDlg() {
    if (ViewId == kViewTasks && !CheckTskSelected(TRUE)) return;
    if (ViewId == kViewContacts && !CheckCtsSelected(true)) return;
    ShowLinksDlgFor(g_Frame.mainWnd);
    FocusCurrentView();
}

void OpenPendingLink() {
    const PendingLink link = g_PendingLink;
    g_PendingLink.pending = false;
    const bool outside = link.kind == kPendingFile || link.kind == kPendingWeb;
    if (outside) {
        FreeBackBuffers();
        FocusCurrentView();
        ResetSelection();
    } else {
        RememberLastView();
    }
    FreeBackBuffers();
    switch (link.kind) {
    case kPendingAppt: views::OpenApptPreviewByOid(link.target); return;
    case kPendingTask: views::ShowTskPreviewByOid(link.target); return;
    case kPendingContact:
        g_CurItem.oid = link.target;
        g_CurItem.kind = kItemContact;
        views::ShowCtsPreview(1);
        return;
    case kPendingWeb: OpenUrlInBrowser(link.text); break;
    case kPendingFile: OpenFileWithShell(link.text); break;
    default: return;
    }
    if (ShowsPreview()) GoBackView();
}
