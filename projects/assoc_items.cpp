// The Associated Items dialog. Rows carry their kind in image and data: a web-address text item and
// a web link share an image, as do a contact-name text item and a contact link, and both pairs lead
// to the same action, so the image and data alone decide what a chosen row does.
#include "projects/assoc_items.h"

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cur_item.h"
#include "core/link_table.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/tsk_loading.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/system.h"
#include "platform/user.h"
#include "projects/link_rows.h"
#include "projects/links_dlg.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/shell_actions.h"
#include "ui/themed_bars.h"
#include "ui/view_focus.h"

AssocResult g_AssocResult;

namespace {

enum AssocImage : int {
    kImageWeb = 0,
    kImagePhone = 1,
    kImageMail = 2,
    kImageContact = 3,
    kImageAppt = 4,
    kImageTask = 5,
    kImageFile = 6,
};
// Header rows show no image of the strip.
constexpr int kHeaderImage = 16;
constexpr int kColumnInset = 6;
constexpr int kBigHeaderHeight = 46;
constexpr int kPointerX = 10;
constexpr int kPointerY = 8;
constexpr int kPointerYBig = 13;
constexpr int kPointerWidth = 27;
constexpr int kPointerHeight = 14;
constexpr int kCaptionX = 42;
constexpr int kCaptionXBig = 54;

struct AssocDlgState {
    HIMAGELIST images = nullptr;
};
AssocDlgState g_AssocDlg;

HWND AssocList(HWND dialog) { return GetDlgItem(dialog, IDC_ASSOC_ITEMS_LIST); }

int HeaderHeight() { return IsBigScreen() ? kBigHeaderHeight : GetBarHeight(); }

void AddHeader(HWND list, UINT captionId, int& rows) {
    InsertLinkRow(list, LoadResString(captionId), static_cast<LONG>(kCaptionRowData), kHeaderImage);
    ++rows;
}

bool IsMailAddress(std::u16string_view word) {
    const std::size_t at = word.find(u'@');
    return at != std::u16string_view::npos && word.find(u'.', at) != std::u16string_view::npos;
}

// The link-text rule in its order: a loaded contact's name, a phone number, a mail address, a web
// address.
void AddWordRow(HWND list, const std::u16string& word, int& rows) {
    int image = -1;
    LONG data = -1;
    std::u16string text = word;
    std::u16string tag = word;
    if (TrimBracketTag(tag) && IsCtsName(word)) {
        image = kImageContact;
        data = FindCtsIdByName(tag);
        text = tag;
    } else if (LooksLikePhoneNumber(word)) {
        image = kImagePhone;
    } else if (IsMailAddress(word)) {
        image = kImageMail;
    } else if (DetectUrl(word)) {
        image = kImageWeb;
    } else {
        return;
    }
    if (rows == 0) AddHeader(list, IDS_TEXT_ITEMS, rows);
    InsertLinkRow(list, text, data, image);
    ++rows;
}

int LinkImage(LONG kind) {
    switch (kind) {
    case kLinkTask: return kImageTask;
    case kLinkAppt: return kImageAppt;
    case kLinkContact: return kImageContact;
    case kLinkWeb: return kImageWeb;
    default: return kImageFile;
    }
}

void FillLinksList(HWND list, int& rows) {
    const LONG owner = g_CurItem.oid;
    const int first = FindLinkByKey(g_LinkTable, owner);
    if (first < 0) return;
    AddHeader(list, IDS_LINKS, rows);
    for (int i = first; i < g_LinkTable.Size() && g_LinkTable[i].owner == owner; ++i) {
        const LinkRecord& link = g_LinkTable[i];
        if (link.kind == kLinkFile || link.kind == kLinkWeb) {
            InsertLinkRow(list, link.text, -1, LinkImage(link.kind));
        } else {
            std::u16string text;
            if (GetLinkTargetText(link.target, link.kind, text) < 0) continue;
            InsertLinkRow(list, text, link.target, LinkImage(link.kind));
        }
        ++rows;
    }
}

std::u16string ReadBody(IDispatch* item) {
    BSTR body = nullptr;
    if (const PoomPtr<ITask> task = QueryPoom<ITask>(item, IID_ITask); task && SUCCEEDED(task->get_Body(&body)))
        return TakeBstr(body);
    if (const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item, IID_IAppointment);
        appt && SUCCEEDED(appt->get_Body(&body)))
        return TakeBstr(body);
    return std::u16string();
}

int FillTaskRows(HWND list) {
    int rows = 0;
    const LONG slot = IdIndexGet(g_CurItem.oid, g_TskIdIndex);
    if (slot < 0 || slot >= g_TskList.Size()) return 0;
    const TskRecord& task = g_TskList[slot];
    FillTextItemsList(list, task.subject, rows);
    if (task.hasNotes != 0) {
        const PoomPtr<ITask> item = GetPoomItem<ITask>(GetPoomApp(), task.oid, IID_ITask);
        if (item) FillTextItemsList(list, ReadBody(item.Get()), rows);
    }
    FillLinksList(list, rows);
    return rows;
}

int FillApptRows(HWND list) {
    int rows = 0;
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
    if (!appt) return 0;
    BSTR text = nullptr;
    if (SUCCEEDED(appt->get_Subject(&text))) FillTextItemsList(list, TakeBstr(text), rows);
    text = nullptr;
    if (SUCCEEDED(appt->get_Location(&text))) FillTextItemsList(list, TakeBstr(text), rows);
    FillTextItemsList(list, ReadBody(appt.Get()), rows);
    FillLinksList(list, rows);
    return rows;
}

bool InitAssocItemsList(HWND dialog) {
    const HWND list = AssocList(dialog);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnInset;
    if (SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) < 0)
        ShowMessage(dialog, u"Item Contact - Column Add Problem", MB_ICONEXCLAMATION);
    const bool big = IsBigScreen();
    const int size = big ? 32 : 16;
    g_AssocDlg.images = ImageList_Create(size, size, ILC_MASK, 7, 5);
    AppendImageStrip(g_AssocDlg.images, big ? IDB_ASSOC_KINDS_VGA : IDB_ASSOC_KINDS);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_AssocDlg.images));
    FitDlgListBelow(dialog, IDC_ASSOC_ITEMS_LIST, HeaderHeight());
    int rows = 0;
    if (g_CurItem.kind == kItemTask) rows = FillTaskRows(list);
    else if (g_CurItem.kind == kItemAppt) rows = FillApptRows(list);
    if (rows == 0) return false;
    SelectLinkRow(list, 1);
    SetFocus(list);
    return true;
}

// The choice a row stands for; header rows stand for none.
bool TakeAssocSelection(HWND dialog) {
    LinkListRow row;
    if (!GetSelectedLinkRow(AssocList(dialog), row, kMaxAssocText)) return false;
    if (row.data == static_cast<LONG>(kCaptionRowData) && row.image == kHeaderImage) return false;
    g_AssocResult = AssocResult{};
    g_PendingLink = PendingLink{};
    switch (row.image) {
    case kImagePhone: g_AssocResult.choice = kAssocDial; break;
    case kImageMail: g_AssocResult.choice = kAssocMail; break;
    case kImageWeb: g_AssocResult.choice = kAssocWeb; break;
    case kImageFile:
        g_AssocResult.choice = kAssocLink;
        g_PendingLink = PendingLink{kPendingFile, -1, row.text, true, false};
        break;
    case kImageContact:
    case kImageTask:
    case kImageAppt: {
        const LONG kind = row.image == kImageContact ? kPendingContact : row.image == kImageTask ? kPendingTask : kPendingAppt;
        if (row.data == -1) return false;
        g_AssocResult.choice = kAssocLink;
        g_PendingLink = PendingLink{kind, row.data, {}, true, false};
        break;
    }
    default: return false;
    }
    g_AssocResult.text = row.text;
    return true;
}

void DrawChoiceHeader(HDC dc, HWND dialog) {
    const bool big = IsBigScreen();
    ThemedBarArgs args;
    args.x = big ? kCaptionXBig : kCaptionX;
    args.leftText = LoadResString(IDS_SELECT_CHOICE);
    DrawThemedBar(dc, dialog, args);
    const OwnedBitmap pointer(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CHOICE_POINTER)));
    if (pointer)
        TransparentImage(dc, kPointerX, big ? kPointerYBig : kPointerY, kPointerWidth, kPointerHeight, pointer.Get(), 0, 0,
                         kPointerWidth, kPointerHeight, kMagentaKey);
}

INT_PTR OnAssocInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    SetTitleText(dialog, LoadResString(IDS_ASSOCIATED_ITEMS).c_str());
    if (!InitAssocItemsList(dialog)) EndDialog(dialog, kDlgFailed);
    return FALSE;
}

INT_PTR SelectRow(HWND dialog) {
    if (TakeAssocSelection(dialog)) EndDialog(dialog, kDlgAccept);
    return TRUE;
}

INT_PTR OnAssocCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: return SelectRow(dialog);
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    }
    return FALSE;
}

INT_PTR OnAssocPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    DrawChoiceHeader(dc, dialog);
    EndPaint(dialog, &paint);
    return TRUE;
}

void OnAssocDestroy() {
    if (g_AssocDlg.images) ImageList_Destroy(g_AssocDlg.images);
    g_AssocDlg = AssocDlgState{};
}

void ActOnChoice() {
    switch (g_AssocResult.choice) {
    case kAssocDial: DialPhoneNumber(g_AssocResult.text); break;
    case kAssocMail: ComposeMail(g_AssocResult.text); break;
    case kAssocWeb: OpenUrlInBrowser(g_AssocResult.text); break;
    case kAssocLink: OpenPendingLink(); break;
    default: break;
    }
}

}  // namespace

std::u16string FlattenLines(std::u16string text) {
    for (WCHAR& ch : text)
        if (ch == u'\r' || ch == u'\n') ch = u' ';
    return text;
}

void FillTextItemsList(HWND list, const std::u16string& text, int& rows) {
    const std::u16string flat = FlattenLines(text);
    std::size_t start = 0;
    while (start < flat.size()) {
        std::size_t end = flat.find(u' ', start);
        if (end == std::u16string::npos) end = flat.size();
        std::u16string word = flat.substr(start, end - start);
        start = end + 1;
        // An unclosed tag or an unfinished number takes the next word with it, once.
        if (end < flat.size() && IsNoLinkWord(word)) {
            std::size_t next = flat.find(u' ', start);
            if (next == std::u16string::npos) next = flat.size();
            word += u' ';
            word += flat.substr(start, next - start);
            start = next + 1;
        }
        const std::u16string trimmed = TrimSpaces(word);
        if (!trimmed.empty()) AddWordRow(list, trimmed, rows);
    }
}

INT_PTR CALLBACK AssocItemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnAssocInit(dialog);
    case WM_COMMAND: return OnAssocCommand(dialog, LOWORD(wParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? SelectRow(dialog) : FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(NM_RETURN)) return SelectRow(dialog);
        return FALSE;
    case WM_PAINT: return OnAssocPaint(dialog);
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_ASSOC_ITEMS_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_ASSOC_ITEMS_LIST)
            DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), AssocList(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgListBelow(dialog, IDC_ASSOC_ITEMS_LIST, HeaderHeight()); return FALSE;
    case WM_DESTROY:
        OnAssocDestroy();
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

int ShowAssocItemsDlg(HWND parent) {
    g_AssocResult = AssocResult{};
    const INT_PTR ended = RunProgramDialog(IDD_ASSOC_ITEMS, parent, AssocItemsDlgProc);
    if (ended == kDlgFailed) return 0;
    if (ended == kDlgAccept) ActOnChoice();
    return 1;
}
