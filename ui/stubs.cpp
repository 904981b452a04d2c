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

// ---- The pickers' pending view change, until the toolkit builds it: nothing is pending.
#include "ui/pending_view.h"
void ApplyPendingViewChange() {}
