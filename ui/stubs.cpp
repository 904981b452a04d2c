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
// ---- Stand-ins for the outline list until it is built: the list view shows the unfolded entries,
// nothing folds, and the selection moves to the next item row of the schedule kinds.
#include "platform/commctrl.h"
#include "ui/outline_list.h"

namespace {
bool IsOutlineItemKind(LPARAM kind) { return kind == 1 || kind == 2 || kind == 7 || kind == kRowItem; }

void SelectListRow(HWND list, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}
}  // namespace

void OutlineFillList(HWND list, const ListRowArray& rows) {
    if (!list) return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (int i = 0; i < rows.Size(); ++i) {
        if (rows[i].hidden) continue;
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row++;
        item.lParam = rows[i].kind;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

int OutlineGetRowEntry(int row, ListRow& out, const ListRowArray& rows) {
    int shown = -1;
    for (int i = 0; i < rows.Size(); ++i) {
        if (rows[i].hidden) continue;
        if (++shown == row) {
            out = rows[i];
            return i;
        }
    }
    return -1;
}

int OutlineIsGroupEnd(int index, const ListRowArray& rows) {
    if (index < 0 || index >= rows.Size()) return 0;
    if (index == rows.Size() - 1) return 1;
    const LONG next = rows[index + 1].kind;
    return next == kRowHeader || next == kRowSpacer ? 1 : 0;
}

void OutlineToggleSel(HWND, ListRowArray&, int, int) {}
void OutlineStartCollapsed(ListRowArray&, int) {}

int OutlineSelectById(HWND list, ListRowArray& rows, LONG id, int, int) {
    if (id == -1) return 0;
    int shown = 0;
    for (int i = 0; i < rows.Size(); ++i) {
        if (rows[i].hidden) continue;
        if (rows[i].id == id) {
            SelectListRow(list, shown);
            return 1;
        }
        ++shown;
    }
    return 0;
}

int SelectNextListRow(HWND list, int queryOnly, int) {
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int from = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
    for (int row = from + 1; row < count; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (!IsOutlineItemKind(item.lParam)) continue;
        if (!queryOnly) SelectListRow(list, row);
        return row;
    }
    return -1;
}

void SubclassOutlineList(HWND) {}
void RedrawSelRow(HWND list) {
    const int row = static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
    if (row >= 0) SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
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
