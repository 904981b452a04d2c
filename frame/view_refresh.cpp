// Bringing the current view up to date after one task changed (its completion toggled), and the
// two-state arrow glyph the views draw beside foldable rows.
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/list_rows.h"
#include "ui/main_routines.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"
#include "ui/view_windows.h"

namespace {

constexpr LONG kTaskSortByCompletion = 4;
constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
constexpr int kArrowDrop = 3;

// The agenda view window, or the main window when there is none.
void RepaintAgenda() { RedrawNow(g_ViewWnds.agendaView); }

void ForgetListIndexWhenHiding() {
    if (g_Settings.hideComplete) g_CurItem.listIndex = -1;
}

}  // namespace

void RefreshViewAfterItemChange(LONG id, LONG fillArg) {
    switch (ViewId) {
    case kViewTasks:
        if (g_Settings.taskSort == kTaskSortByCompletion || g_Settings.hideComplete) {
            FillTskList(ViewId, fillArg);
            OutlineSelectById(g_ViewWnds.taskList, g_TskRows, id, ScrollTo::kYes, OutlineMode::kItemLists);
            DropTaskRowCache();
        } else {
            RedrawSelRow(g_ViewWnds.taskList);
        }
        if (g_Settings.taskPreview) {
            ReleasePreviewBuffer();
            RepaintAgenda();
        }
        return;
    case kViewTaskPreview:
        ForgetListIndexWhenHiding();
        ReleasePreviewBuffer();
        RepaintAgenda();
        return;
    default:
        if (g_Settings.agendaFmt == kAgendaDrawn) {
            ForgetListIndexWhenHiding();
            ReleaseAgendaBuffer();
            RepaintAgenda();
        } else if (g_Settings.hideComplete) {
            RefreshSchedList();
        } else {
            RedrawSelRow(g_ViewWnds.scheduleList);
        }
        return;
    }
}

void DrawTwoStateArrow(HDC dc, int x, int y, int state) {
    const OwnedBitmap glyphs(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_ARROWS)));
    if (!glyphs) return;
    const MemoryDC source(dc);
    const SelectScope select(source.Get(), glyphs.Get());
    TransparentImage(dc, x, y + kArrowDrop, kArrowWidth, kArrowHeight, source.Get(), state == 0 ? 0 : kArrowWidth, 0,
                     kArrowWidth, kArrowHeight, kMagentaKey);
}
