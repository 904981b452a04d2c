// Stand-ins for the toolkit's date grid and item glyphs until they are built: the date grid is
// cancelled, text is drawn plainly and glyphs only take their room.
#include "extras/theme_words.h"
#include "frame/side_files.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/date_pickers.h"
#include "ui/item_paint.h"
#include "ui/screen_class.h"
#include "ui/text_prompt.h"

SelectDateGrid g_SelectDateGrid;
bool SelectDateDlg(HWND, LONG, LONG, LONG) { return false; }

namespace {
int GlyphAdvance() { return IsVgaScreen() ? 14 : 10; }
}  // namespace

int DrawStatusIcon(HDC, int, int, int, bool, bool, bool) { return GlyphAdvance(); }
int DrawLargeStatusIcon(HDC, int, int, int) { return GlyphAdvance(); }
void DrawLargeListIcon(HDC, int, int, int) {}
void DrawItemImage(HDC, ItemImageList, int, int, int) {}
void DrawFieldIcon(HDC, int, int, LONG) {}

// The main-window routines of the toolkit that the frame calls.
#include "ui/view_commands.h"
void GoToDateForView() {}
void TodayForView() {}
void PickItemCustomIcon(HWND, LONG) {}

// ---- The pending view change of the pickers, until it is built: nothing is marked.
#include "ui/pending_view.h"
void ApplyPendingViewChange() {}
