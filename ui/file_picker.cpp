// The file and folder picker: the tree is filled one folder at a time as the user opens it, a
// closed folder forgets its entries so that it is read afresh when opened again, and a preselected
// path is opened down to its entry while the tree first fills.
#include "ui/file_picker.h"

#include <array>
#include <cwctype>
#include <initializer_list>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

FilePickerState g_FilePicker;

namespace {

constexpr int kTextChars = 260;
constexpr int kCaptionChars = 32;
constexpr LPARAM kFolderData = -1;
constexpr LPARAM kFileData = 0;
constexpr const WCHAR* kRootText = u"\\";
constexpr const WCHAR* kAllPattern = u"*.*";
constexpr const WCHAR* kInitFailed = u"Initializing Directory Tree View Failed.";

struct ModeFilter {
    LONG mode;
    std::initializer_list<std::u16string_view> extensions;
    bool exclude;  // the extensions are the ones left out
};

const std::array<ModeFilter, 6> kModeFilters{{
    {kPickTextFile, {u".txt", u".xml", u".htm", u".html", u".log"}, false},
    {kPickWalletFile, {u".zqw"}, false},
    {kPickThemeFile, {u".zqth"}, false},
    {kPickFolder, {}, false},
    {kPickImageFile, {u".jpg", u".jpeg", u".gif", u".bmp", u".png"}, false},
    {kPickAnyFile, {u".vol"}, true},
}};

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return true;
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view end) {
    return end.size() <= text.size() && EqualNoCase(text.substr(text.size() - end.size()), end);
}

std::u16string ItemText(HWND tree, HTREEITEM item) {
    std::array<WCHAR, kTextChars> text{};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text.data();
    tv.cchTextMax = kTextChars;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return text.data();
}

LPARAM ItemData(HWND tree, HTREEITEM item) {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return tv.lParam;
}

HTREEITEM NextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM SelectedItem(HWND tree) { return NextItem(tree, nullptr, TVGN_CARET); }

void Expand(HWND tree, HTREEITEM item, UINT action) {
    SendMessageW(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item));
}

// Nothing usable when the folder's entries cannot be shown: the fill ends there.
enum class AddResult { Skipped, Added, Failed };

AddResult AddFileToTree(HWND tree, const std::u16string& folderPath, const std::u16string& name, HTREEITEM parent,
                        bool isFolder, HTREEITEM* added = nullptr) {
    if (name == u"." || name == u"..") return AddResult::Skipped;
    if (!isFolder && !FilePassesMode(g_FilePicker.mode, name)) return AddResult::Skipped;
    const std::u16string fullPath = folderPath + name;
    bool selectIt = false;
    if (!g_FilePicker.preselectPath.empty() && EqualNoCase(g_FilePicker.preselectPath, fullPath)) {
        g_FilePicker.preselectPath.clear();
        selectIt = true;
    }
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(fullPath.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return AddResult::Failed;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    std::u16string text = name;
    insert.item.pszText = text.data();
    insert.item.iImage = info.iIcon;
    insert.item.iSelectedImage = info.iIcon;
    insert.item.lParam = isFolder ? kFolderData : kFileData;
    insert.item.cChildren = isFolder ? 1 : 0;
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) return AddResult::Failed;
    if (selectIt) g_FilePicker.itemToSelect = item;
    if (added) *added = item;
    return AddResult::Added;
}

HTREEITEM FindChildByName(HWND tree, HTREEITEM item, std::u16string_view name) {
    for (HTREEITEM child = NextItem(tree, item, TVGN_CHILD); child; child = NextItem(tree, child, TVGN_NEXT)) {
        if (EqualNoCase(ItemText(tree, child), name)) return child;
    }
    return nullptr;
}

void DeleteChildren(HWND tree, HTREEITEM item) {
    for (HTREEITEM child = NextItem(tree, item, TVGN_CHILD); child;) {
        const HTREEITEM next = NextItem(tree, child, TVGN_NEXT);
        SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        child = next;
    }
}

int FillFolderItem(HWND tree, HTREEITEM item) { return FillTreeLevel(tree, BuildTreePath(tree, item), item); }

int FillRootTree(HWND tree) {
    HTREEITEM root = nullptr;
    if (AddFileToTree(tree, u"", kRootText, nullptr, true, &root) != AddResult::Added) return 0;
    FillTreeLevel(tree, std::u16string(kRootText) + kAllPattern, root);
    if (g_FilePicker.preselectPath.empty()) {
        Expand(tree, root, TVE_EXPAND);
        return 1;
    }
    std::u16string_view rest = g_FilePicker.preselectPath;
    if (!rest.empty() && rest.front() == u'\\') rest.remove_prefix(1);
    HTREEITEM current = root;
    // Each folder on the way is opened; the last part is matched while its folder fills. A folder
    // that is gone (a saved setting outlived it) leaves the nearest one there selected.
    for (std::size_t slash = rest.find(u'\\'); slash != std::u16string_view::npos; slash = rest.find(u'\\')) {
        const HTREEITEM child = FindChildByName(tree, current, rest.substr(0, slash));
        if (!child) {
            g_FilePicker.preselectPath.clear();
            g_FilePicker.itemToSelect = current;
            break;
        }
        g_FilePicker.itemToSelect = child;
        if (ItemData(tree, child) == kFolderData) {
            FillFolderItem(tree, child);
            Expand(tree, child, TVE_EXPAND);
        }
        current = child;
        rest.remove_prefix(slash + 1);
    }
    Expand(tree, root, TVE_EXPAND);
    return 1;
}

LRESULT CALLBACK FileTreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
    return CallPrevWndProc(tree, message, wParam, lParam);
}

HRESULT SubclassTree(HWND tree) { return InstallSubclass(tree, FileTreeProc); }

void InitTreeClasses() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

bool SetTreeImageList(HWND tree) {
    if (!g_FilePicker.imageList) {
        SHFILEINFOW info{};
        const auto system = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(kRootText, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_ICON));
        if (!system) return false;
        g_FilePicker.imageList = ImageList_Duplicate(system);
        if (info.hIcon) DestroyIcon(info.hIcon);
    }
    SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(g_FilePicker.imageList));
    return g_FilePicker.imageList != nullptr;
}

void FilePickerInit(HWND dialog) {
    g_FilePicker.initialising = 1;
    g_FilePicker.preselectPath = g_FilePicker.chosenPath;
    g_FilePicker.chosenPath.clear();
    std::array<WCHAR, kCaptionChars + 1> caption{};
    const UINT captionId = g_FilePicker.mode == kPickFolder ? IDS_SELECT_DIRECTORY : IDS_SELECT_FILE;
    LoadStringW(g_Main.instance, captionId, caption.data(), kCaptionChars);
    SetTitleText(dialog, caption.data());
    const HWND tree = GetDlgItem(dialog, IDC_FILE_TREE);
    RECT view{};
    GetViewClientRect(dialog, view);
    MoveWindow(tree, view.left, view.top, view.right - view.left, view.bottom - view.top, TRUE);
    InitTreeClasses();
    if (SetTreeImageList(tree) && FillRootTree(tree)) {
        SubclassTree(tree);
        if (g_FilePicker.itemToSelect)
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(g_FilePicker.itemToSelect));
        SetFocus(tree);
        g_FilePicker.initialising = 0;
        return;
    }
    MessageBoxW(dialog, kInitFailed, nullptr, MB_OK | MB_ICONEXCLAMATION);
    DestroyWindow(tree);
}

void ShowInvalidFile(HWND dialog) {
    std::array<WCHAR, kTextChars> text{};
    LoadStringW(g_Main.instance, IDS_INVALID_FILE, text.data(), kTextChars);
    MessageBoxW(dialog, text.data(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

void AcceptSelection(HWND dialog) {
    GetSelectedPath(GetDlgItem(dialog, IDC_FILE_TREE));
    if (g_FilePicker.chosenPath.empty()) {
        ShowInvalidFile(dialog);
        return;
    }
    PopOpenDlg(dialog);
    EndDialog(dialog, kDlgAccept);
}

// The tree is painted white behind the rows that closing a folder leaves empty.
void ClearTreeBackground(HWND tree) {
    const HDC dc = GetDC(tree);
    RECT client{};
    GetClientRect(tree, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(tree, dc);
    InvalidateRect(tree, nullptr, TRUE);
}

INT_PTR FilePickerNotify(HWND dialog, const NMHDR& header) {
    const HWND tree = header.hwndFrom;
    switch (header.code) {
    case TVN_ITEMEXPANDED: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if ((change.action & TVE_ACTIONMASK) != TVE_COLLAPSE) return 0;
        if (!g_FilePicker.initialising) DeleteChildren(tree, change.itemNew.hItem);
        ClearTreeBackground(tree);
        return 0;
    }
    case TVN_ITEMEXPANDING: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if ((change.action & TVE_ACTIONMASK) == TVE_EXPAND && !g_FilePicker.initialising)
            FillFolderItem(tree, change.itemNew.hItem);
        ClearTreeBackground(tree);
        return 0;
    }
    case NM_RETURN: {
        // Enter on a folder only opens or closes it.
        const HTREEITEM selected = SelectedItem(tree);
        if (selected && ItemData(tree, selected) != kFolderData) AcceptSelection(dialog);
        return 0;
    }
    }
    return 0;
}

// The dialog is recorded as open before the tree fills: a message box shown while filling lets a
// Cancel through, which must find it there. A dialog that failed its bar has ended and is not recorded.
INT_PTR OnFilePickerInit(HWND dialog) {
    const bool barMade = InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault);
    if (!barMade) EndDialog(dialog, kDlgFailed);
    g_FilePicker.dialog = dialog;
    if (barMade) PushOpenDlg(dialog);
    FilePickerInit(dialog);
    return TRUE;
}

INT_PTR OnFilePickerCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: AcceptSelection(dialog); return TRUE;
    case kDlgCancel:
        PopOpenDlg(dialog);
        EndDialog(dialog, kDlgCancel);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool FilePassesMode(LONG mode, const std::u16string& name) {
    for (const ModeFilter& filter : kModeFilters) {
        if (filter.mode != mode) continue;
        bool listed = false;
        for (std::u16string_view extension : filter.extensions) listed = listed || EndsWithNoCase(name, extension);
        return filter.exclude ? !listed : listed;
    }
    return false;
}

std::u16string BuildTreePath(HWND tree, HTREEITEM item) {
    std::u16string path = ItemText(tree, item);
    for (HTREEITEM up = NextItem(tree, item, TVGN_PARENT); up; up = NextItem(tree, up, TVGN_PARENT)) {
        const std::u16string text = ItemText(tree, up);
        path = text == kRootText ? text + path : text + u"\\" + path;
    }
    return path == kRootText ? path + kAllPattern : path + u"\\" + kAllPattern;
}

int FillTreeLevel(HWND tree, const std::u16string& pattern, HTREEITEM parent) {
    const std::u16string folderPath = pattern.substr(0, pattern.rfind(u'\\') + 1);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_NO_MORE_FILES) {
            TVITEMW none{};
            none.mask = TVIF_CHILDREN;
            none.hItem = parent;
            none.cChildren = 0;
            SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&none));
        }
        return 1;
    }
    int result = 1;
    do {
        const DWORD attributes = found.dwFileAttributes;
        const bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
        if ((attributes & FILE_ATTRIBUTE_HIDDEN) || ((attributes & FILE_ATTRIBUTE_SYSTEM) && !isFolder)) continue;
        if (AddFileToTree(tree, folderPath, found.cFileName, parent, isFolder) == AddResult::Failed) {
            result = 0;
            break;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return result;
}

void GetSelectedPath(HWND tree) {
    g_FilePicker.chosenPath.clear();
    const HTREEITEM selected = SelectedItem(tree);
    if (!selected) return;
    const bool folder = ItemData(tree, selected) == kFolderData;
    if (folder && g_FilePicker.mode != kPickFolder) return;
    std::u16string path = ItemText(tree, selected);
    for (HTREEITEM up = NextItem(tree, selected, TVGN_PARENT); up; up = NextItem(tree, up, TVGN_PARENT)) {
        const std::u16string text = ItemText(tree, up);
        if (text != kRootText) path = text + u"\\" + path;
    }
    // The root itself is chosen as "\"; every other path starts with one.
    g_FilePicker.chosenPath = path == kRootText ? path : kRootText + path;
}

bool ShowFilePickerDlg(HWND owner, LONG mode) {
    g_FilePicker.mode = mode;
    g_FilePicker.itemToSelect = nullptr;
    // The template names the tree's class, which must be known before the dialog is made.
    InitTreeClasses();
    return RunProgramDialog(IDD_FILE_PICKER, owner, FilePickerDlgProc) == kDlgAccept;
}

INT_PTR CALLBACK FilePickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnFilePickerInit(dialog);
    case WM_NOTIFY: return FilePickerNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: return OnFilePickerCommand(dialog, LOWORD(wParam));
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY:
        SetTitleText(GetParent(dialog), nullptr);
        g_FilePicker.dialog = nullptr;
        return FALSE;
    }
    return FALSE;
}
