// The wallet file dialog, the password prompt, the item dialog and the fields dialog. Every dialog
// stands on the open-dialog stack while it is up, so that the lock can close it as cancelled.
#include "wallet/wlt_dialogs.h"

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/secure_wipe.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"
#include "ui/main_state.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"
#include "wallet/wlt_dialog_checks.h"
#include "wallet/wlt_dlg_common.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_list_forms.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_tree.h"
#include "wallet/wlt_view.h"

namespace {

constexpr const WCHAR* kWltPasswordPrompt = u"Enter Password:";
constexpr const WCHAR* kWltFileDlgTitle = u"Wallet File";
constexpr const WCHAR* kGenerateTitle = u"Generate Password";
constexpr const WCHAR* kGeneratedNotice =
    u"Your wallet file's password will not be set to '%s', be sure to record or memorize this password in "
    u"order to access your file later.";
constexpr const WCHAR* kGeneratedNoticeCaption = u"Z Agenda";
constexpr COLORREF kFolderColour = RGB(0, 0, 128);
constexpr int kTextChars = 4096;  // the dialogs take at most 4095 characters of a box
constexpr WCHAR kMaskChar = u'*';

// Each dialog's portrait layout and its layout for landscape QVGA-class screens.
struct WltLayoutPair {
    int portrait;
    int landscape;
};
constexpr WltLayoutPair kWltFileLayouts{IDD_WLT_FILE, IDD_WLT_FILE_LS};
constexpr WltLayoutPair kWltItemLayouts{IDD_WLT_ITEM, IDD_WLT_ITEM_LS};
constexpr WltLayoutPair kWltFieldsLayouts{IDD_WLT_FIELDS, IDD_WLT_FIELDS_LS};

LPCWSTR WltLayout(const WltLayoutPair& pair) {
    const bool landscapeQvga = IsLandscapeScreen() && !IsVgaScreen();
    return MAKEINTRESOURCEW(landscapeQvga ? pair.landscape : pair.portrait);
}

struct WltDialogs {
    WltFileDlgMode fileMode = WltFileDlgMode::New;
    WltItemDlgMode itemMode = WltItemDlgMode::New;
    std::u16string pickedFolder;  // the file dialog's folder while it is up
    HBRUSH folderBrush = nullptr;
};
WltDialogs g_WltDlgs;

std::u16string DlgText(HWND dialog, int id) {
    WCHAR text[kTextChars] = {};
    GetDlgItemTextW(dialog, id, text, kTextChars);
    return text;
}

bool IsChecked(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// ---- The password generator

void OnGenerateOk(HWND dialog) {
    if (g_GeneratedPassword.empty()) return;
    WCHAR notice[kTextChars] = {};
    _snwprintf(notice, kTextChars - 1, kGeneratedNotice, g_GeneratedPassword.c_str());
    MessageBoxW(dialog, notice, kGeneratedNoticeCaption, MB_OK | MB_ICONEXCLAMATION);
    CloseWltDialog(dialog, kWltDlgOk);
}

INT_PTR CALLBACK GeneratePasswordDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!OpenWltDialog(dialog, IDM_WLT_GENERATE_BAR)) return TRUE;
        SetTitleText(dialog, kGenerateTitle);
        return TRUE;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        TouchWltActivity();
        if (id == IDC_WLT_NEW_PASSWORD) GeneratePassword(dialog);
        else if (IsWltOkCommand(id)) OnGenerateOk(dialog);
        else if (IsWltCancelCommand(id)) CloseWltDialog(dialog, id);
        return TRUE;
    }
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

// ---- The wallet file dialog

void ShowPickedFolder(HWND dialog) { SetDlgItemTextW(dialog, IDC_WLT_FOLDER, g_WltDlgs.pickedFolder.c_str()); }

void InitWltFileDlg(HWND dialog) {
    SetTitleText(dialog, kWltFileDlgTitle);
    g_WltDlgs.pickedFolder = g_Wlt.folder;
    ShowPickedFolder(dialog);
    if (g_WltDlgs.fileMode == WltFileDlgMode::ChangePassword) {
        SetDlgItemTextW(dialog, IDC_WLT_FILE_NAME, GetWltFileTitle().c_str());
        SendDlgItemMessageW(dialog, IDC_WLT_FILE_NAME, EM_SETREADONLY, TRUE, 0);
        EnableWindow(GetDlgItem(dialog, IDC_WLT_BROWSE), FALSE);
        SendDlgItemMessageW(dialog, IDC_WLT_SECURE, BM_SETCHECK, g_Wlt.secured ? BST_CHECKED : 0, 0);
        SetFocus(GetDlgItem(dialog, IDC_WLT_PASSWORD));
    } else {
        SendDlgItemMessageW(dialog, IDC_WLT_SECURE, BM_SETCHECK, BST_CHECKED, 0);
    }
}

void ChooseWltFolder(HWND dialog) {
    std::u16string start = g_WltDlgs.pickedFolder;
    if (!start.empty() && start.back() == u'\\') start.pop_back();
    g_FilePicker.chosenPath = start;
    if (!ShowFilePickerDlg(dialog, kPickFolder) || g_FilePicker.chosenPath.empty()) return;
    g_WltDlgs.pickedFolder = g_FilePicker.chosenPath + u"\\";
    ShowPickedFolder(dialog);
}

void ValidateWltFileDlg(HWND dialog) {
    WltFileInput input;
    input.newFile = g_WltDlgs.fileMode == WltFileDlgMode::New;
    input.name = DlgText(dialog, IDC_WLT_FILE_NAME);
    input.password = DlgText(dialog, IDC_WLT_PASSWORD);
    input.confirm = DlgText(dialog, IDC_WLT_CONFIRM);
    input.secure = IsChecked(dialog, IDC_WLT_SECURE);
    input.fileExists = input.newFile && FileExists(g_WltDlgs.pickedFolder + TrimSpaces(input.name) + kWltExtension);
    if (const auto refusal = CheckWltFileInput(input)) {
        RefuseWltInput(dialog, *refusal);
        return;
    }
    if (const auto warning = input.secure ? WltPasswordLengthWarning(input.password) : std::nullopt;
        warning && ShowMessage(dialog, warning->c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
        SetFocus(GetDlgItem(dialog, IDC_WLT_PASSWORD));
        return;
    }
    g_Wlt.secured = input.secure ? 1 : 0;
    if (input.newFile) {
        g_Wlt.folder = g_WltDlgs.pickedFolder;
        g_Wlt.path = g_Wlt.folder + TrimSpaces(input.name) + kWltExtension;
    }
    g_Wlt.password = input.secure ? input.password : std::u16string();
    CloseWltDialog(dialog, kWltDlgOk);
}

INT_PTR OnFileDlgColour(HWND dialog, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_WLT_FOLDER)) return FALSE;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kFolderColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

INT_PTR CALLBACK WalletPasswordDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!OpenWltDialog(dialog, IDM_WLT_FILE_BAR)) return TRUE;
        InitWltFileDlg(dialog);
        return FALSE;
    case WM_CTLCOLORSTATIC: return OnFileDlgColour(dialog, wParam, lParam);
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        TouchWltActivity();
        if (id == IDC_WLT_BROWSE) ChooseWltFolder(dialog);
        else if (id == IDM_WLT_GENERATE_PASSWORD) {
            if (RunGeneratePasswordDlg(dialog)) {
                SetDlgItemTextW(dialog, IDC_WLT_PASSWORD, g_GeneratedPassword.c_str());
                SetDlgItemTextW(dialog, IDC_WLT_CONFIRM, g_GeneratedPassword.c_str());
            }
        } else if (IsWltOkCommand(id)) ValidateWltFileDlg(dialog);
        else if (IsWltCancelCommand(id)) CloseWltDialog(dialog, id);
        return TRUE;
    }
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

// ---- The item dialog

int ChosenTemplate(HWND dialog) {
    const LRESULT index = SendDlgItemMessageW(dialog, IDC_WLT_TYPE, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < g_Wlt.templates.Size() ? static_cast<int>(index) : -1;
}

void SelectIconPosition(HWND dialog, LONG icon) {
    HWND icons = GetDlgItem(dialog, IDC_WLT_ICONS);
    if (icon < 1) return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(icons, LVM_SETITEMSTATE, static_cast<WPARAM>(icon - 1), reinterpret_cast<LPARAM>(&state));
    SendMessageW(icons, LVM_ENSUREVISIBLE, static_cast<WPARAM>(icon - 1), FALSE);
}

void SelectWltTemplateIcon(HWND dialog) {
    const int index = ChosenTemplate(dialog);
    if (index >= 0) SelectIconPosition(dialog, g_Wlt.templates[index].icon);
}

void FillIconList(HWND dialog) {
    HWND icons = GetDlgItem(dialog, IDC_WLT_ICONS);
    SendMessageW(icons, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(icons, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(WltDetailImageList()));
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 1;
    SendMessageW(icons, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int image = 1; image < kWltImageCount; ++image) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE | LVIF_TEXT;
        item.iItem = image - 1;
        WCHAR empty[1] = {};
        item.pszText = empty;
        item.iImage = image;
        SendMessageW(icons, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(icons, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void InitWltItemDlg(HWND dialog) {
    SetTitleText(dialog, kWltNewItemTitle);
    FillWalletTemplates();
    for (const WltItem& templ : g_Wlt.templates)
        SendDlgItemMessageW(dialog, IDC_WLT_TYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(templ.type.c_str()));
    FillIconList(dialog);
    const WltItem* edited = g_WltDlgs.itemMode == WltItemDlgMode::Edit ? SelectedWltItem() : nullptr;
    int chosen = 0;
    for (int i = 0; i < g_Wlt.templates.Size(); ++i)
        if (platform::CompareNoCase(g_Wlt.templates[i].type, g_Wlt.selGroupName) == 0) chosen = i;
    if (edited) chosen = FindWltTemplate(*edited);
    SendDlgItemMessageW(dialog, IDC_WLT_TYPE, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    for (const CatRecord& category : g_CatList) {
        const LRESULT row = SendDlgItemMessageW(dialog, IDC_WLT_CATEGORIES, LB_ADDSTRING, 0,
                                                reinterpret_cast<LPARAM>(category.name.c_str()));
        if (edited && WltItemHasCat(*edited, category.name))
            SendDlgItemMessageW(dialog, IDC_WLT_CATEGORIES, LB_SETSEL, TRUE, row);
    }
    if (edited) {
        EnableWindow(GetDlgItem(dialog, IDC_WLT_TYPE), FALSE);
        SetDlgItemTextW(dialog, IDC_WLT_ITEM_NAME, edited->name.c_str());
        SelectIconPosition(dialog, edited->icon);
    } else {
        SelectWltTemplateIcon(dialog);
    }
}

void SaveWltItemDlg(HWND dialog) {
    const std::u16string name = DlgText(dialog, IDC_WLT_ITEM_NAME);
    const LRESULT iconRow = SendDlgItemMessageW(dialog, IDC_WLT_ICONS, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                LVNI_SELECTED);
    if (const auto refusal = CheckWltItemInput(name, static_cast<int>(iconRow))) {
        RefuseWltInput(dialog, *refusal);
        return;
    }
    std::u16string categories;
    const LRESULT rows = SendDlgItemMessageW(dialog, IDC_WLT_CATEGORIES, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows && row < g_CatList.Size(); ++row)
        if (SendDlgItemMessageW(dialog, IDC_WLT_CATEGORIES, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0)
            categories += g_CatList[static_cast<int>(row)].name + u",";
    const LONG icon = static_cast<LONG>(iconRow) + 1;
    if (StoreWltItemInfo(g_WltDlgs.itemMode, ChosenTemplate(dialog), name, icon, categories))
        CloseWltDialog(dialog, kWltDlgOk);
}

INT_PTR CALLBACK WalletItemDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!OpenWltDialog(dialog, IDM_DONE_CANCEL_BAR)) return TRUE;
        InitWltItemDlg(dialog);
        return TRUE;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        TouchWltActivity();
        if (id == IDC_WLT_TYPE && HIWORD(wParam) == CBN_SELCHANGE) SelectWltTemplateIcon(dialog);
        else if (IsWltOkCommand(id)) SaveWltItemDlg(dialog);
        else if (IsWltCancelCommand(id)) CloseWltDialog(dialog, id);
        return TRUE;
    }
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

INT_PTR RunWltItemDlg(HWND owner, WltItemDlgMode mode) {
    if (g_Settings.listEdit) return RunWltItemListDlg(owner, mode);
    g_WltDlgs.itemMode = mode;
    return DialogBoxParamW(g_Main.instance, WltLayout(kWltItemLayouts), owner, WalletItemDlgProc, 0);
}

// ---- The fields dialog

void InitWltFieldsDlg(HWND dialog) {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    SetTitleText(dialog, WltFieldsTitle(*item).c_str());
    for (int i = 0; i < kWltMaxShownFields; ++i) {
        HWND label = GetDlgItem(dialog, IDC_WLT_FIRST_LABEL + i);
        HWND edit = GetDlgItem(dialog, IDC_WLT_FIRST_EDIT + i);
        if (i >= item->fields.Size()) {
            ShowWindow(label, SW_HIDE);
            ShowWindow(edit, SW_HIDE);
            continue;
        }
        const WltEntry& field = item->fields[i];
        SetWindowTextW(label, field.label.c_str());
        SetWindowTextW(edit, field.value.c_str());
        if (field.kind == kWltKindSecret && !g_WltSettings.noMask) SendMessageW(edit, EM_SETPASSWORDCHAR, kMaskChar, 0);
        if (field.kind == kWltKindDigits)
            SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | ES_NUMBER);
    }
}

void SaveWltFieldsDlg(HWND dialog) {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    std::vector<std::u16string> values;
    for (int i = 0; i < kWltMaxShownFields && i < item->fields.Size(); ++i)
        values.push_back(DlgText(dialog, IDC_WLT_FIRST_EDIT + i));
    StoreWltFieldValues(values);
    CloseWltDialog(dialog, kWltDlgOk);
}

INT_PTR CALLBACK WalletFieldsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!OpenWltDialog(dialog, IDM_WLT_FIELDS_BAR)) return TRUE;
        InitWltFieldsDlg(dialog);
        return TRUE;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        TouchWltActivity();
        if (id == IDM_WLT_EDIT_ITEM_INFO) {
            if (SelectedWltItem()) RunWltItemDlg(dialog, WltItemDlgMode::Edit);
        } else if (IsWltOkCommand(id)) SaveWltFieldsDlg(dialog);
        else if (IsWltCancelCommand(id)) CloseWltDialog(dialog, id);
        return TRUE;
    }
    }
    return OnWltDlgShared(dialog, message, wParam, lParam) ? TRUE : FALSE;
}

}  // namespace

void GeneratePassword(HWND dialog) {
    const auto password = MakeGeneratedPassword(g_WltSettings);
    if (!password) {
        ShowMessage(dialog, kWltNoRandomText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    g_GeneratedPassword = *password;
    SetDlgItemTextW(dialog, IDC_WLT_GENERATED, g_GeneratedPassword.c_str());
}

bool RunGeneratePasswordDlg(HWND parent) {
    g_GeneratedPassword.clear();
    return DialogBoxParamW(g_Main.instance, MAKEINTRESOURCEW(IDD_WLT_GENERATE), parent, GeneratePasswordDlgProc, 0) ==
           kWltDlgOk;
}

void PromptWltPassword() {
    WipeText(g_Wlt.password);
    WCHAR caption[kTextChars] = {};
    _snwprintf(caption, kTextChars - 1, kWltOpenTitleFormat, GetWltFileTitle().c_str());
    g_PromptText.clear();
    const INT_PTR result = PromptTextOpt(g_Frame.mainWnd, caption, kWltPasswordPrompt, kPromptPassword);
    if (result == kPromptAccepted && !g_PromptText.empty()) g_Wlt.password = g_PromptText;
    // The prompt's text is shared by every prompt: the password must not stay there after use.
    WipeText(g_PromptText);
}

bool RunWalletFileDlg(WltFileDlgMode mode) {
    g_WltDlgs.fileMode = mode;
    return DialogBoxParamW(g_Main.instance, WltLayout(kWltFileLayouts), g_Frame.mainWnd, WalletPasswordDlgProc,
                           0) == kWltDlgOk;
}

void NewWalletFile() {
    if (!RunWalletFileDlg(WltFileDlgMode::New)) return;
    g_Wlt.locked = 0;
    g_Wlt.selection = kWltNoSelection;
    DeleteWltTreeNodes();
    g_Wlt.items.RemoveAll();
    for (LONG& number : g_Wlt.reserved) number = -1;
    FillWalletTree();
    ShowWalletView();
}

void ChangeWalletPassword() {
    const LONG secured = g_Wlt.secured;
    const std::u16string password = g_Wlt.password;
    if (!RunWalletFileDlg(WltFileDlgMode::ChangePassword)) return;
    if (secured == g_Wlt.secured && password == g_Wlt.password) return;
    if (WriteWalletFile()) return;
    // The file keeps the old password: so must the wallet, or the next open would refuse the new one.
    g_Wlt.secured = secured;
    g_Wlt.password = password;
    ShowMessage(g_Frame.mainWnd, kWltPasswordNotChangedText, MB_OK | MB_ICONEXCLAMATION);
}

void NewWltItem() {
    TouchWltActivity();
    GetSelGroupName();
    if (g_Wlt.locked) return;
    if (RunWltItemDlg(g_Frame.mainWnd, WltItemDlgMode::New) != kWltDlgOk) return;
    EditWltItemFields();
    FillWalletTree();
}

void EditWltItem() {
    TouchWltActivity();
    if (SelectedWltItem()) RunWltItemDlg(g_Frame.mainWnd, WltItemDlgMode::Edit);
}

void EditWltItemFields() {
    TouchWltActivity();
    if (!SelectedWltItem()) return;
    if (g_Settings.listEdit) {
        RunWltFieldsListDlg(g_Frame.mainWnd);
        return;
    }
    DialogBoxParamW(g_Main.instance, WltLayout(kWltFieldsLayouts), g_Frame.mainWnd, WalletFieldsDlgProc, 0);
}
