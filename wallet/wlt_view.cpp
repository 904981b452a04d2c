// Opening the current wallet, the cover screen, the wallet view and its tree of items grouped by
// type, and the file commands (choose, rename, delete) and item removal.
//
// States: locked (cover screen, view 19), open (tree, view 9), detail (view 20).
//  1. Locked to open only through OpenCurrentWallet: a plain file or the right password.
//  2. Open or detail to locked by the lock, by deleting the current file, or by ReloadWallet.
//  3. The first showing asks for the password because locked and the open request start at 1.
#include "wallet/wlt_view.h"

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/frame_state.h"
#include "core/secure_wipe.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/menu_bar_slots.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"
#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_tree.h"

namespace {

constexpr const WCHAR* kWltWelcomeNote =
    u"This is a fresh copy of Vestral Wallet, a secure wallet that enciphers your items with the Blowfish "
    u"cipher under a key made from your password (its first 56 bytes). To add new items "
    u"to this file choose 'New Item'. To secure your data choose 'change password' under the 'current' "
    u"menu and then make sure to enter a password and check the box for 'Secure File'.";
constexpr const WCHAR* kWltDeleteItemQuestion = u"Are you sure you want to delete the wallet item?";
constexpr const WCHAR* kWltDeleteFileQuestion = u"Are you sure you want to delete file '%s'?";
constexpr const WCHAR* kWltRenameCaption = u"Rename File";
constexpr const WCHAR* kWltRenamePrompt = u"Enter File Name:";
constexpr LONG kWalletFilterKind = 4;
constexpr int kTitleChars = 600;
constexpr int kWelcomeNoteField = 1;

void SetWltTitle() {
    WCHAR title[kTitleChars] = {};
    _snwprintf(title, kTitleChars - 1, kWltOpenTitleFormat, GetWltFileTitle().c_str());
    SetTitleText(g_Frame.mainWnd, title);
}

void Repaint() {
    if (g_Frame.mainWnd) InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
}

void ForgetOpenWallet() {
    g_Wlt.selection = kWltNoSelection;
    WipeText(g_Wlt.password);
    g_Wlt.locked = 1;
    DeleteWltTreeNodes();
    WipeWltItems(g_Wlt.items);
}

}  // namespace

void SetWltFolder() {
    if (g_Wlt.path.empty()) {
        g_Wlt.folder = kWltDefaultFolder;
        return;
    }
    const std::size_t slash = g_Wlt.path.rfind(u'\\');
    g_Wlt.folder = slash == std::u16string::npos ? std::u16string(u"\\") : g_Wlt.path.substr(0, slash + 1);
}

std::u16string GetWltFileTitle() {
    if (g_Wlt.path.empty()) return kWltNoFileTitle;
    const std::size_t slash = g_Wlt.path.rfind(u'\\');
    return slash == std::u16string::npos ? g_Wlt.path : g_Wlt.path.substr(slash + 1);
}

bool WltItemInMarkedCat(const WltItem& item) {
    if (!GetViewCatFilter()) return true;
    if (item.categories.empty()) return false;
    const bool shared = g_Settings.globalFilter != 0;
    for (const CatRecord& category : g_CatList)
        if (CatGetKindValue(category, shared, kWalletFilterKind) && WltItemHasCat(item, category.name)) return true;
    return false;
}

void FillWalletTree() {
    DeleteWltTreeNodes();
    HWND tree = g_ViewWnds.walletTree;
    if (g_Wlt.items.IsEmpty()) {
        InsertWltTreeItem(tree, kWltNoItemsText, kWltGroupImage, nullptr, false, kWltNodeNoItem);
        return;
    }
    FillWalletTemplates();
    int inserted = 0;
    for (const WltItem& templ : g_Wlt.templates) {
        HTREEITEM group = nullptr;
        if (!g_Wlt.hideEmptyGroups) group = InsertWltTreeItem(tree, templ.type, kWltGroupImage, nullptr, true, kWltNodeNoItem);
        for (int i = 0; i < g_Wlt.items.Size(); ++i) {
            const WltItem& item = g_Wlt.items[i];
            if (!NameEqualsNoCase(item, templ.type) || !WltItemInMarkedCat(item)) continue;
            if (!group) group = InsertWltTreeItem(tree, templ.type, kWltGroupImage, nullptr, true, kWltNodeNoItem);
            InsertWltTreeItem(tree, item.name, static_cast<int>(item.icon), group, false, i);
            ++inserted;
        }
    }
    if (inserted == 0)
        InsertWltTreeItem(tree, GetViewCatFilter() ? kWltNoneFilteredText : kWltNoneFoundText, kWltGroupImage, nullptr,
                          false, kWltNodeNoItem);
}

void SwitchToWltView() {
    SetTitleText(g_Frame.mainWnd, kWltTitle);
    ViewId = kViewWalletLocked;
    HideAllViewWindows();
    if (g_ViewWnds.walletTree) ShowWindow(g_ViewWnds.walletTree, SW_HIDE);
    CreateViewMenuBar(&g_MenuBars.walletLocked, 0, g_Frame.mainWnd, kShowBar);
    Repaint();
}

void StartFreshWallet() {
    FillWalletTemplates();
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    WltItem item = g_Wlt.templates[kWltWelcomeTemplate];
    item.name = kWltWelcomeName;
    item.fields[kWelcomeNoteField].value = kWltWelcomeNote;
    item.itemId = g_Wlt.nextItemId++;
    g_Wlt.items.Append(item);
    g_WltSettings.firstTimeAdd = 0;
    SaveWltSettings();
    SaveWalletFile();
    FillWalletTree();
    ShowWalletView();
}

void OpenCurrentWallet() {
    if (g_Wlt.path.empty()) {
        ShowMessage(g_Frame.mainWnd, kWltNoFileText, MB_OK | MB_ICONEXCLAMATION);
        SwitchToWltView();
        return;
    }
    if (!g_Wlt.locked) return;
    if (!FileExists(g_Wlt.path)) {
        if (g_WltSettings.firstTimeAdd) {
            StartFreshWallet();
            return;
        }
        g_Wlt.path.clear();
        SwitchToWltView();
        return;
    }
    if (g_WltSettings.firstTimeAdd) {
        g_WltSettings.firstTimeAdd = 0;
        SaveWltSettings();
    }
    g_Wlt.secured = CheckWltFileHeader();
    if (g_Wlt.secured) {
        PromptWltPassword();
        if (g_Wlt.password.empty()) {
            SwitchToWltView();
            return;
        }
    }
    ReadWalletFile();
    if (g_Wlt.locked) {
        SwitchToWltView();
        return;
    }
    FillWalletTree();
    ShowWalletView();
}

void ShowWalletView() {
    if (!g_ViewShown[ShownView::Wallet]) return;
    if (!g_ViewWnds.walletTree) {
        ClearOpenDlgs();
        CreateWalletTree(g_Frame.mainWnd);
        // A wallet opened before the view was first shown (a file handed over at start) has items
        // but no tree yet.
        if (!g_Wlt.locked) FillWalletTree();
    }
    if (g_Wlt.locked) {
        if (g_Wlt.openRequest) {
            g_Wlt.openRequest = 0;
            OpenCurrentWallet();
        } else {
            SwitchToWltView();
        }
        return;
    }
    if (g_WltSettings.timeoutOn) StartWltTimer();
    TouchWltActivity();
    ViewId = kViewWallet;
    SetWltTitle();
    HideAllViewWindows();
    CreateViewMenuBar(&g_MenuBars.wallet, 0, g_Frame.mainWnd, kShowBar);
    if (g_ViewWnds.walletTree) PlaceViewWnd(g_ViewWnds.walletTree, kPlaceTree);
    Repaint();
}

bool ShowWltView() {
    TouchWltActivity();
    GetWltTreeSelParam();
    if (!SelectedWltItem()) return false;
    SetTitleText(g_Frame.mainWnd, kWltTitle);
    ViewId = kViewWalletItem;
    if (g_ViewWnds.walletTree) ShowWindow(g_ViewWnds.walletTree, SW_HIDE);
    CreateViewMenuBar(&g_MenuBars.walletItem, 0, g_Frame.mainWnd, kShowBar);
    // The page is shown in the agenda view window, which a wallet opened first has not made yet.
    if (!g_ViewWnds.agendaView) CreateAgendaViewWnd(g_Frame.mainWnd);
    if (g_ViewWnds.agendaView) {
        RelayoutAgendaView();
        PlaceViewWnd(g_ViewWnds.agendaView, kPlacePlain);
        InvalidateRect(g_ViewWnds.agendaView, nullptr, TRUE);
    }
    Repaint();
    return true;
}

void ReloadWallet() {
    ForgetOpenWallet();
    SetWltFolder();
    OpenCurrentWallet();
}

void WalletLockTick() { CheckWalletAutoLock(); }
void MarkWalletActivity() { TouchWltActivity(); }

void ShutdownWlt() {
    StopWltTimer();
    SaveWltSettings();
    DestroyWltImageLists();
}

void ToggleViewFlag() {
    g_Wlt.maskOn = !g_Wlt.maskOn;
    if (g_ViewWnds.agendaView) InvalidateRect(g_ViewWnds.agendaView, nullptr, TRUE);
    Repaint();
}

void DeleteWalletItem() {
    if (!GetWltTreeSelItem()) return;
    GetWltTreeSelParam();
    if (!SelectedWltItem()) return;
    if (ShowMessage(g_Frame.mainWnd, kWltDeleteItemQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    g_Wlt.items.RemoveAt(g_Wlt.selection);
    g_Wlt.selection = kWltNoSelection;
    SaveWalletFile();
    FillWalletTree();
    Repaint();
}

void ChooseWalletFile() {
    g_FilePicker.chosenPath.clear();
    if (!ShowFilePickerDlg(g_Frame.mainWnd, kPickWalletFile)) return;
    if (g_FilePicker.chosenPath.empty()) return;
    g_Wlt.path = g_FilePicker.chosenPath;
    ReloadWallet();
}

void DeleteWalletFile() {
    g_FilePicker.chosenPath.clear();
    if (!ShowFilePickerDlg(g_Frame.mainWnd, kPickWalletFile)) return;
    const std::u16string path = g_FilePicker.chosenPath;
    if (path.empty()) return;
    if (g_Settings.confirmDel) {
        WCHAR question[kTitleChars] = {};
        _snwprintf(question, kTitleChars - 1, kWltDeleteFileQuestion, path.c_str());
        if (ShowMessage(g_Frame.mainWnd, question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    }
    DeleteFileW(path.c_str());
    if (platform::CompareNoCase(path, g_Wlt.path) != 0) return;
    g_Wlt.path.clear();
    g_Wlt.secured = 1;
    ForgetOpenWallet();
    SwitchToWltView();
}

void RenameWalletFile() {
    std::u16string title = GetWltFileTitle();
    const std::size_t extension = LowerText(title).rfind(kWltExtension);
    if (extension != std::u16string::npos) title.resize(extension);
    g_PromptText = title;
    if (PromptText(g_Frame.mainWnd, kWltRenameCaption, kWltRenamePrompt) != kPromptAccepted) return;
    const std::u16string name = TrimSpaces(g_PromptText);
    if (name.empty()) return;
    const std::u16string newPath = g_Wlt.folder + name + kWltExtension;
    // A failed move keeps the old path: taking the new one would point the next save at a file the
    // move refused to replace, or at none.
    if (!MoveFileW(g_Wlt.path.c_str(), newPath.c_str())) return;
    g_Wlt.path = newPath;
    SetWltFolder();
    SetWltTitle();
}
