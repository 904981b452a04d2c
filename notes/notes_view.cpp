// The notes view window: the list of one folder, its title, browsing into folders and up, and
// handing the chosen note to the text or the ink editor.
#include "notes/notes_view.h"

#include <string>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "notes/ink_note.h"
#include "notes/note_editor.h"
#include "notes/note_list.h"
#include "notes/notes_state.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/outline_list.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

namespace {

constexpr DWORD kNotesListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_REPORT;
constexpr COLORREF kNotesImageMask = RGB(255, 0, 255);
constexpr int kNotesImageCount = 5;
constexpr int kVgaRowSmall = 44;
constexpr int kVgaRowLarge = 56;
constexpr LONG kVgaLargeFontFrom = 25;

// The notes images by screen class: the bitmap and its image size.
struct NotesImageSet {
    UINT bitmap;
    int width;
    int height;
};
constexpr NotesImageSet kNotesImagesQvga{IDB_NOTES_ICONS_QVGA, 24, 24};
constexpr NotesImageSet kNotesImagesVga{IDB_NOTES_ICONS_VGA, 32, 32};
constexpr NotesImageSet kNotesImagesSmall{IDB_NOTES_ICONS, 16, 15};

// Pointers into the program's state rather than copies, so tests and the frame see one folder.
std::u16string& CurrentFolder() { return g_Settings.curNoteDir; }
std::u16string& OpenNotePath() { return g_Frame.noteFilePath; }

HWND NotesList() { return g_ViewWnds.notesList; }

int SelectionMark() { return static_cast<int>(SendMessageW(NotesList(), LVM_GETSELECTIONMARK, 0, 0)); }

void SelectRow(HWND list, int index) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, index);
}

void ShowListError(HWND parent, const WCHAR* text) { MessageBoxW(parent, text, nullptr, MB_ICONEXCLAMATION); }

}  // namespace

bool InitNotesImageList(HWND list) {
    const NotesImageSet& set =
        IsVgaScreen() ? kNotesImagesVga : (IsQvgaScreen() || IsSquare320Screen()) ? kNotesImagesQvga : kNotesImagesSmall;
    HIMAGELIST images = ImageList_Create(set.width, set.height, ILC_COLOR32 | ILC_MASK, kNotesImageCount, 0);
    if (!images) return false;
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(set.bitmap));
    const bool added = bitmap && ImageList_AddMasked(images, bitmap, kNotesImageMask) >= 0;
    if (bitmap) DeleteObject(bitmap);
    if (!added) {
        ImageList_Destroy(images);
        return false;
    }
    // A list made again replaces its old images.
    if (HIMAGELIST old = reinterpret_cast<HIMAGELIST>(
            SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images))))
        ImageList_Destroy(old);
    return true;
}

HWND ShowNotesList(HWND parent) {
    RECT view{};
    GetViewClientRect(parent, view);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"", kNotesListStyle, view.left, view.top, view.right - view.left,
                                view.bottom - view.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdNotesList)), GetModuleHandleW(nullptr),
                                nullptr);
    if (!list) {
        ShowListError(parent, u"Error: Notes List Creation Error.");
        return nullptr;
    }
    g_ViewWnds.notesList = list;
    const LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = (view.right - view.left) - 2 * GetThemeWord(kThemeViewMarginSide) - GetSystemMetrics(SM_CXVSCROLL);
    if (SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) < 0)
        ShowListError(parent, u"Error: Notes List Column Error.");
    if (!InitNotesImageList(list)) ShowListError(parent, u"Error: Notes List Image Error.");
    SubclassOutlineList(list);
    ListNoteTemplates();
    return list;
}

void DestroyNotesList() {
    if (HWND list = g_ViewWnds.notesList) {
        if (HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0)))
            ImageList_Destroy(images);
        if (IsWindow(list)) DestroyWindow(list);
    }
    g_ViewWnds.notesList = nullptr;
    g_Notes = NotesState();
}

void MeasureNotesListRow(MEASUREITEMSTRUCT& measure) {
    if (!IsVgaScreen()) return;
    measure.itemHeight = g_Settings.smallFontHeight < kVgaLargeFontFrom ? kVgaRowSmall : kVgaRowLarge;
}

void RefreshNotesList() {
    HWND list = NotesList();
    if (!list) return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    g_Notes.rowCount = 0;
    g_Notes.folderCount = 0;
    FillNotesList(list, CurrentFolder());
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) SelectRow(list, 0);
}

void SetNotesTitle() {
    const std::u16string format = LoadResString(IDS_NOTES_TITLE_FMT, u"Notes - %s");
    const std::u16string folder = CurrentFolder().empty() ? std::u16string(u"Root") : CurrentFolder();
    WCHAR title[kTitleChars] = {};
    _snwprintf(title, kTitleChars - 1, format.c_str(), folder.c_str());
    SetTitleText(g_Frame.mainWnd, title);
}

void ShowNotesView() {
    if (!g_ViewShown[ShownView::Notes]) return;
    if (!g_Notes.listCreated) {
        ShowNotesList(g_Frame.mainWnd);
        RefreshNotesList();
        g_Notes.listCreated = 1;
    }
    ViewId = kViewNotes;
    SetNotesTitle();
    HideAllViewWindows();
    CreateViewMenuBar(&g_MenuBars.notes, 0, g_Frame.mainWnd, kShowBar);
    if (NotesList()) PlaceViewWnd(NotesList(), kPlaceList);
    if (g_Frame.mainWnd) InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
    if (g_CmdLine.txtFile) {
        g_CmdLine.txtFile = 0;
        if (!OpenNotePath().empty()) OpenNoteByExt();
    }
}

void OpenSelNotesRow() {
    const int mark = SelectionMark();
    std::u16string text;
    int image = 0;
    if (mark < 0 || !GetNotesRow(NotesList(), mark, text, image)) return;
    if (image == kNotesImageFolder || image == kNotesImageUp) {
        CurrentFolder() = image == kNotesImageFolder ? NotesChildPath(CurrentFolder(), text)
                                                     : ParentNotesFolder(CurrentFolder());
        RefreshNotesList();
        SetNotesTitle();
        return;
    }
    OpenSelNoteFile();
}

void OpenSelNoteFile() {
    std::u16string text;
    int image = 0;
    if (!GetNotesRow(NotesList(), SelectionMark(), text, image) || image != kNotesImageFile) return;
    OpenNotePath() = NotesChildPath(CurrentFolder(), text);
    if (!OpenNotePath().empty()) OpenNoteByExt();
    SetFocus(NotesList());
}

void OpenNoteByExt() {
    if (IsInkNotePath(OpenNotePath())) OpenInkNote();
    else ShowNoteEditDlg();
}
