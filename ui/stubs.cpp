// Stand-ins for the toolkit's list routines, help, date grid and item glyphs until they are built:
// the selected row is not scrolled to, the date grid is cancelled, text is drawn plainly and glyphs
// only take their room.
#include "extras/theme_words.h"
#include "frame/side_files.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/date_pickers.h"
#include "ui/help.h"
#include "ui/item_paint.h"
#include "ui/list_rows.h"
#include "ui/screen_class.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"

void EnsureSelRowVisible(HWND) {}
void DrawItemListRow(const DRAWITEMSTRUCT&, HWND, int) {}
void ShowHelp(HWND) {}

SelectDateGrid g_SelectDateGrid;
bool SelectDateDlg(HWND, LONG, LONG, LONG) { return false; }

namespace {
int GlyphAdvance() { return IsVgaScreen() ? 14 : 10; }
}  // namespace

void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int) {
    ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}
int DrawStatusIcon(HDC, int, int, int, bool, bool, bool) { return GlyphAdvance(); }
int DrawLargeStatusIcon(HDC, int, int, int) { return GlyphAdvance(); }
int DrawCheckGlyph(HDC, int, int, bool, bool large, bool) { return large ? 14 : 10; }
int DrawStateGlyph(HDC, int, int, int, bool, LONG) { return 8; }
int DrawTaskDueGlyph(HDC, int, int) { return GlyphAdvance(); }
void DrawLargeListIcon(HDC, int, int, int) {}
void DrawItemImage(HDC, ItemImageList, int, int, int) {}
void DrawFieldIcon(HDC, int, int, LONG) {}
void HideAllViewWindows() {}
// ---- Stand-ins for the agenda view window's toolkit services until they are built: the origin
// and last view are remembered, nothing else is done.
#include "frame/frame_state.h"
#include "frame/view_id.h"
#include "ui/agenda_services.h"

namespace {
LONG g_PreviewOriginCode = 4;
}  // namespace

int HandleLinksKey(UINT) { return 0; }
void RememberLastView() { g_Frame.prevViewId = ViewId; }
void RememberPreviewOrigin(LONG outside) {
    if (outside) {
        g_PreviewOriginCode = 4;
        return;
    }
    switch (ViewId) {
    case kViewDay: g_PreviewOriginCode = 1; break;
    case kViewDates: g_PreviewOriginCode = 2; break;
    case kViewContacts: g_PreviewOriginCode = 3; break;
    case kViewTasks: g_PreviewOriginCode = 0; break;
    case kViewProjects: g_PreviewOriginCode = 7; break;
    default: break;
    }
}
LONG GetPreviewOrigin() { return g_PreviewOriginCode; }
// ---- Stand-ins for the outline list until it is built: no folding, one list row per shown row.
#include "core/app_settings.h"
#include "platform/commctrl.h"
#include "ui/outline_list.h"

namespace {
int SelectedListRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
void SelectListRow(HWND list, int listRow, bool focus) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(listRow), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(listRow), FALSE);
    if (focus) SetFocus(list);
}
}  // namespace

void OutlineFillList(HWND list, const ListRowArray& rows) {
    if (!list) return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int listRow = 0;
    for (const ListRow& row : rows) {
        if (row.hidden) continue;
        LVITEMW item{};
        item.iItem = listRow++;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}
void OutlineBuildRows(ListRowArray& rows) {
    for (ListRow& row : rows) row.hidden = 0;
}
int OutlineGetRowEntry(int listRow, ListRow& out, const ListRowArray& rows) {
    int shown = -1;
    for (int i = 0; i < rows.Size(); ++i) {
        if (rows[i].hidden) continue;
        if (++shown == listRow) {
            out = rows[i];
            return i;
        }
    }
    return -1;
}
LONG OutlineGetSelId(HWND list, const ListRowArray& rows) {
    if (!list) return -1;
    ListRow row;
    if (OutlineGetRowEntry(SelectedListRow(list), row, rows) < 0 || row.kind != kRowItem) return -1;
    return row.id;
}
int OutlineSelectById(HWND list, const ListRowArray& rows, LONG oid, bool focus) {
    int shown = -1;
    for (const ListRow& row : rows) {
        if (row.hidden) continue;
        ++shown;
        if (row.kind == kRowItem && row.id == oid) {
            SelectListRow(list, shown, focus);
            return 1;
        }
    }
    return 0;
}
int OutlineActivateSel(HWND list, const ListRowArray& rows) {
    if (!list || g_Settings.cList == 0) return 0;
    ListRow row;
    const int index = OutlineGetRowEntry(SelectedListRow(list), row, rows);
    return index >= 0 && row.kind == kRowHeader && !OutlineIsGroupEnd(index, rows) ? 1 : 0;
}
void OutlineToggleSel(HWND, ListRowArray&) {}
bool OutlineIsGroupEnd(int index, const ListRowArray& rows) {
    if (index + 1 >= rows.Size()) return true;
    const LONG next = rows[index + 1].kind;
    return next == kRowHeader || next == kRowSpacer;
}
void SubclassOutlineList(HWND) {}
bool SelectNextListRow(HWND list, const ListRowArray& rows) {
    int shown = -1;
    for (const ListRow& row : rows) {
        if (row.hidden) continue;
        ++shown;
        if (row.kind == kRowItem) {
            SelectListRow(list, shown, true);
            return true;
        }
    }
    return false;
}


// The main-window routines of the toolkit that the frame calls.
#include "ui/view_commands.h"
void DrawViewBkgnd(HDC) {}
void GoToDateForView() {}
void TodayForView() {}
void PickItemCustomIcon(HWND, LONG) {}
// ---- The file picker (declared in ui/file_picker.h), until it is built: nothing is chosen.
#include "ui/file_picker.h"

std::u16string g_FilePickerPath;

INT_PTR ShowFilePickerDlg(HWND, int) { return kPromptCancelled; }

// Until the toolkit builds them: the dialog keeps its template's layout on turning, and the item
// lists keep their template's size and the list view's own keys.
#include "ui/dlg_services.h"
int RelayoutDlgForOrientation(HWND, UINT) { return 1; }
void FitDlgList(HWND, int, int) {}
void SubclassItemList(HWND, int) {}
