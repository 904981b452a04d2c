// The pick dialog 134 over the text templates, the project paths and callers' lists.
//
// The openers set the mode words, then run the dialog; the dialog reads them and leaves its choice
// in g_ChosenText (and in list-pick mode g_PickIndex). The mode words stay until the next opener.
#include "editors/text_pick_dlg.h"

#include <algorithm>

#include "core/prj_cats.h"
#include "core/show_message.h"
#include "editors/editor_state.h"
#include "editors/res_text.h"
#include "editors/text_insert.h"
#include "editors/text_templates.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/owner_draw.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"
#include "ui/main_routines.h"
#include "ui/subclass.h"
#include "ui/text_prompt.h"
#include "ui/theme_colors.h"
#include "ui/view_focus.h"

std::u16string g_TextInOut;

namespace {

constexpr int kColumnWidth = 100;
constexpr int kLocationFieldId = 1009;
// Sent by the subject line when Enter or the Action key is pressed in it.
constexpr UINT kMsgSubjectEnter = WM_USER + 43;
constexpr int kSubjectInChars = 4096;
constexpr int kSubjectOutChars = 513;  // 512 characters and the terminator
constexpr int kSubjectMargin = 5;
constexpr int kSubjectBandExtra = 12;
constexpr int kSubjectListGap = 15;
constexpr int kSubjectColumnInset = 6;
constexpr int kLocationRowKind = 8;
constexpr int kSubjectBandDarken = 30;

// The text fields that take an inserted text: the forms' subject, location and notes, the task
// subject and notes, and the fields 1006 and 3000 to 3010.
constexpr int kTextFieldIds[] = {1002, kLocationFieldId, 1023, 40008, 40035, 1006};
constexpr int kFirstNumberedField = 3000;
constexpr int kLastNumberedField = 3010;

struct PickState {
    TextList* list = &g_UserTextList;
    PickMode mode = PickMode::UserTexts;
    std::u16string caption;
    TextList pickList;
};

PickState g_Pick;

bool IsTextField(int id) {
    for (int field : kTextFieldIds) {
        if (field == id) return true;
    }
    return id >= kFirstNumberedField && id <= kLastNumberedField;
}

bool ProjectOrListMode() { return g_Pick.mode == PickMode::Projects || g_Pick.mode == PickMode::ListPick; }

HWND TextListView(HWND dialog) { return GetDlgItem(dialog, IDC_TEXT_LIST); }

void InsertRow(HWND list, int row, const std::u16string& text) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = copy.data();
    item.lParam = -1;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}


int SelectionMark(HWND dialog) {
    return static_cast<int>(SendMessageW(TextListView(dialog), LVM_GETSELECTIONMARK, 0, 0));
}

std::u16string PickTitle() {
    switch (g_Pick.mode) {
    case PickMode::Projects: return LoadResStr(IDS_SELECT_PROJECT);
    case PickMode::LocTexts: return LoadResStr(IDS_SELECT_LOCATION_TEXT);
    case PickMode::ListPick: return g_Pick.caption;
    case PickMode::UserTexts: break;
    }
    return LoadResStr(IDS_SELECT_TEXT);
}

void FillTextList(HWND dialog) {
    const HWND list = TextListView(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SubclassItemList(list, 0);
    FitDlgList(dialog, IDC_TEXT_LIST, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const TextList& texts = *g_Pick.list;
    for (int i = 0; i < texts.Size(); ++i) InsertRow(list, i, texts[i]);
    if (texts.Size() == 0) InsertRow(list, 0, LoadResStr(IDS_NO_TEXT_AVAILABLE));
}

void FillSelectTextDlg(HWND dialog) {
    SetTitleText(dialog, PickTitle().c_str());
    FillTextList(dialog);
    const HWND list = TextListView(dialog);
    const TextList& texts = *g_Pick.list;
    SetFocus(list);
    if (g_Pick.mode == PickMode::ListPick && g_PickIndex >= 0 && g_PickIndex < texts.Size()) {
        LvSelectRow(list, g_PickIndex);
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(g_PickIndex), FALSE);
    } else if (texts.Size() > 0) {
        LvSelectRow(list, 0);
    }
}

void ReadSelectedText(HWND dialog) {
    g_ChosenText.clear();
    const int row = SelectionMark(dialog);
    const TextList& texts = *g_Pick.list;
    if (row < 0 || row >= texts.Size()) return;
    g_ChosenText = texts[row];
    if (g_Pick.mode == PickMode::ListPick) g_PickIndex = row;
}

void SaveModeTexts(bool location) {
    if (location) SaveLocTexts();
    else SaveUserTexts();
}

// New texts of the pick dialog always go to the user texts' file, as the list they join may be
// either; the location texts are written by the subject dialog.
void NewPickText(HWND dialog) {
    g_PromptText.clear();
    if (PromptTextById(dialog, IDS_NEW_TEXT_OPTION, IDS_ENTER_TEXT) != kPromptAccepted || g_PromptText.empty()) return;
    const HWND list = TextListView(dialog);
    TextList& texts = *g_Pick.list;
    if (texts.Size() == 0) SendMessageW(list, LVM_DELETEITEM, 0, 0);
    const int position = InsertTextSorted(texts, g_PromptText);
    InsertRow(list, position, g_PromptText);
    LvSelectRow(list, position);
    SaveUserTexts();
    SetFocus(list);
}

void RemoveSelectedText(HWND dialog) {
    g_ChosenText.clear();
    const int row = SelectionMark(dialog);
    TextList& texts = *g_Pick.list;
    if (row < 0 || row >= texts.Size()) return;
    const HWND list = TextListView(dialog);
    SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    texts.RemoveAt(row);
    SaveModeTexts(g_Pick.mode == PickMode::LocTexts);
    if (texts.Size() == 0) {
        InsertRow(list, 0, LoadResStr(IDS_NO_TEXT_AVAILABLE));
        LvSelectRow(list, 0);
    }
}

INT_PTR EndPick(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR OnSelectTextCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        ReadSelectedText(dialog);
        return EndPick(dialog, IDM_DLG_DONE);
    case IDCANCEL:
    case IDM_DLG_CANCEL: return EndPick(dialog, id);
    case IDM_NEW_TEXT: NewPickText(dialog); return TRUE;
    case IDM_REMOVE_TEXT: RemoveSelectedText(dialog); return TRUE;
    }
    return FALSE;
}

INT_PTR OnSelectTextInit(HWND dialog) {
    const UINT bar = ProjectOrListMode() ? IDM_SELECT_CANCEL_BAR : IDM_TEXT_PICK_BAR;
    if (!InitDlgMenuBar(dialog, bar, BackKey::kDefault)) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    FillSelectTextDlg(dialog);
    PushOpenDlg(dialog);
    return TRUE;
}

void UpdatePickMenu(HMENU menu) {
    const UINT state = g_Pick.mode == PickMode::Projects ? MF_GRAYED : MF_ENABLED;
    EnableMenuItem(menu, IDM_NEW_TEXT, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_REMOVE_TEXT, MF_BYCOMMAND | state);
}

// The subject dialog 7303.

// The darker band behind the subject line, as high as the line and a margin; set by the layout.
int g_SubjectBand = 0;

void LayoutSubjectTextDlg(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const HWND edit = GetDlgItem(dialog, IDC_SUBJECT_EDIT);
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    const int editHeight = editRect.bottom - editRect.top;
    const int width = client.right - client.left;
    MoveWindow(edit, kSubjectMargin, kSubjectMargin, width - 2 * kSubjectMargin, editHeight, TRUE);
    g_SubjectBand = editHeight + kSubjectBandExtra;
    const int listTop = editHeight + kSubjectListGap;
    const HWND list = TextListView(dialog);
    MoveWindow(list, 0, listTop, width, client.bottom - listTop, TRUE);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, width - GetSystemMetrics(SM_CXVSCROLL) - kSubjectColumnInset);
}

void InitSubjectTextDlg(HWND dialog) {
    const bool location = g_Pick.mode == PickMode::LocTexts;
    SetTitleText(dialog, LoadResStr(location ? IDS_EDIT_LOCATION : IDS_EDIT_SUBJECT).c_str());
    FillTextList(dialog);
    if (g_Pick.list->Size() > 0) LvSelectRow(TextListView(dialog), 0);
    LayoutSubjectTextDlg(dialog);
    const HWND edit = GetDlgItem(dialog, IDC_SUBJECT_EDIT);
    // A stored subject longer than the usual limit comes in whole and may be kept whole.
    SendMessageW(edit, EM_LIMITTEXT, std::max<std::size_t>(kSubjectInChars, g_TextInOut.size()), 0);
    SetWindowTextW(edit, g_TextInOut.c_str());
    SubclassAutoCapsEdit2(edit);
}

void PaintSubjectTextDlg(HWND dialog) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(dialog, &ps);
    RECT client{};
    GetClientRect(dialog, &client);
    const MemoryDC memory(dc);
    const OwnedBitmap picture(CreateCompatibleBitmap(dc, client.right, client.bottom));
    {
        const SelectScope usePicture(memory.Get(), picture.Get());
        const COLORREF background = ThemeColor(kThemeBackground);
        const OwnedBrush fill(CreateSolidBrush(background));
        FillRect(memory.Get(), &client, fill.Get());
        const RECT band{0, 0, client.right, g_SubjectBand};
        const OwnedBrush bandFill(CreateSolidBrush(DarkenColor(background, kSubjectBandDarken)));
        FillRect(memory.Get(), &band, bandFill.Get());
        DrawSeparatorLine(memory.Get(), 0, client.right, g_SubjectBand - 2);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(dialog, &ps);
}

// Puts a text at the subject line's caret, which keeps the focus.
void PutIntoLine(HWND dialog, const std::u16string& text) {
    const HWND edit = GetDlgItem(dialog, IDC_SUBJECT_EDIT);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    SetFocus(edit);
}

// A contact's name, number or address from the contact chooser, put at the subject line's caret.
void InsertContactText(HWND dialog) {
    std::u16string text;
    if (PickInsertText(dialog, text) && !text.empty()) PutIntoLine(dialog, text);
}

INT_PTR OnSubjectTextInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SUBJECT_TEXT_BAR, BackKey::kOverride)) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    InitSubjectTextDlg(dialog);
    PushOpenDlg(dialog);
    return TRUE;
}

INT_PTR TakeSubjectText(HWND dialog) {
    g_TextInOut = DlgItemText(dialog, IDC_SUBJECT_EDIT, kSubjectOutChars);
    return EndPick(dialog, IDM_DLG_DONE);
}

void UseSelectedText(HWND dialog) {
    const int row = SelectionMark(dialog);
    const TextList& texts = *g_Pick.list;
    if (row < 0 || row >= texts.Size()) return;
    PutIntoLine(dialog, texts[row]);
}

void NewTextOption(HWND dialog) {
    g_PromptText.clear();
    if (PromptTextById(dialog, IDS_NEW_TEXT_OPTION, IDS_ENTER_TEXT) != kPromptAccepted || g_PromptText.empty()) return;
    const HWND list = TextListView(dialog);
    TextList& texts = *g_Pick.list;
    if (texts.Size() == 0) SendMessageW(list, LVM_DELETEITEM, 0, 0);
    const int position = InsertTextSorted(texts, g_PromptText);
    InsertRow(list, position, g_PromptText);
    LvSelectRow(list, position);
    SaveModeTexts(g_Pick.mode == PickMode::LocTexts);
    SetFocus(list);
}

void UpdateSubjectMenu(HMENU menu) {
    const bool location = g_Pick.mode == PickMode::LocTexts;
    ModifyMenuW(menu, IDM_NEW_TEXT, MF_BYCOMMAND | MF_STRING, IDM_NEW_TEXT,
                location ? u"New Location Text" : u"New User Text");
    ModifyMenuW(menu, IDM_REMOVE_TEXT, MF_BYCOMMAND | MF_STRING, IDM_REMOVE_TEXT,
                location ? u"Remove Location Text" : u"Remove User Text");
}

INT_PTR OnSubjectTextCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: return TakeSubjectText(dialog);
    case IDCANCEL:
    case IDM_DLG_CANCEL: return EndPick(dialog, id);
    case IDM_NEW_TEXT: NewTextOption(dialog); return TRUE;
    case IDM_REMOVE_TEXT: RemoveSelectedText(dialog); return TRUE;
    case IDM_INSERT_CONTACT: InsertContactText(dialog); return TRUE;
    }
    return FALSE;
}

INT_PTR RunPick(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SELECT_TEXT), owner, SelectTextDlgProc, 0);
}

}  // namespace

INT_PTR CALLBACK SelectTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnSelectTextInit(dialog);
    case WM_COMMAND: return OnSelectTextCommand(dialog, LOWORD(wParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? OnSelectTextCommand(dialog, IDM_DLG_DONE) : FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(NM_RETURN)) {
            return OnSelectTextCommand(dialog, IDM_DLG_DONE);
        }
        return FALSE;
    case kMsgEndDialog: return EndPick(dialog, IDM_DLG_CANCEL);
    case WM_INITMENUPOPUP: UpdatePickMenu(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_TEXT_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_TEXT_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), TextListView(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgList(dialog, IDC_TEXT_LIST, 1); return FALSE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

int SelectTextDlg(HWND owner, int mode) {
    g_ChosenText.clear();
    if (mode != 0) {
        g_Pick.mode = PickMode::Projects;
        g_Pick.list = &ProjectPathList();
        return RunPick(owner) == IDM_DLG_DONE ? 1 : 0;
    }
    const HWND field = GetFocus();
    const int id = field ? GetDlgCtrlID(field) : 0;
    if (!IsTextField(id)) {
        MessageBoxW(owner, LoadResStr(IDS_ONLY_TEXT_FIELDS).c_str(), u"", MB_ICONEXCLAMATION);
        return 1;
    }
    const bool location = id == kLocationFieldId;
    g_Pick.mode = location ? PickMode::LocTexts : PickMode::UserTexts;
    g_Pick.list = location ? &g_LocTextList : &g_UserTextList;
    if (RunPick(owner) == IDM_DLG_DONE && !g_ChosenText.empty()) InsertTextAtCaret(field, g_ChosenText);
    return 1;
}

int StrListPickDlg(HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption) {
    g_Pick.mode = PickMode::ListPick;
    g_Pick.caption = caption;
    g_Pick.pickList = strings;
    g_Pick.list = &g_Pick.pickList;
    g_PickIndex = 0;
    g_ChosenText.clear();
    return RunPick(owner) == IDM_DLG_DONE ? 1 : 0;
}

int TextListPickDlg(HWND owner, ValSnap& row) {
    g_Pick.mode = PickMode::ListPick;
    g_Pick.caption = row.label;
    g_Pick.pickList = row.choices;
    g_Pick.list = &g_Pick.pickList;
    g_PickIndex = row.indexValue;
    g_ChosenText.clear();
    if (RunPick(owner) != IDM_DLG_DONE) return 0;
    row.indexValue = g_PickIndex;
    return 1;
}

INT_PTR CALLBACK SubjectTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnSubjectTextInit(dialog);
    case WM_COMMAND: return OnSubjectTextCommand(dialog, LOWORD(wParam));
    case kMsgSubjectEnter:
        // The Enter that ended the line must not reach the field list behind the dialog.
        PumpMessagesSkipKeys();
        return TakeSubjectText(dialog);
    case kMsgEndDialog: return EndPick(dialog, IDM_DLG_CANCEL);
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) UseSelectedText(dialog);
        return TRUE;
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(NM_RETURN);
    case WM_INITMENUPOPUP: UpdateSubjectMenu(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_TEXT_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_TEXT_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), TextListView(dialog), 0);
        return TRUE;
    case WM_SIZE: LayoutSubjectTextDlg(dialog); return FALSE;
    case WM_PAINT: PaintSubjectTextDlg(dialog); return TRUE;
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

int SubjectTextDlg(HWND owner, int fieldKind) {
    const bool location = fieldKind == kLocationRowKind;
    g_Pick.mode = location ? PickMode::LocTexts : PickMode::UserTexts;
    g_Pick.list = location ? &g_LocTextList : &g_UserTextList;
    if (g_TextInOut == LoadResStr(IDS_NO_SUBJECT)) g_TextInOut.clear();
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SUBJECT_TEXT), owner, SubjectTextDlgProc, 0);
    return result == IDM_DLG_DONE ? 1 : 0;
}
