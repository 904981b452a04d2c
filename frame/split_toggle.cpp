// The one-key toggle of '#' and the space bar: the day pane of the month view, the preview pane of
// the tasks view, or the completion of the task selected in the agenda.
#include "calendar/agenda_view.h"
#include "calendar/month_view.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "frame/change_notify.h"
#include "frame/frame_hooks.h"
#include "frame/settings_store.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "ui/frame_calls.h"

namespace {

constexpr LONG kKeySpace = 32;
constexpr LONG kKeyHash = 35;
constexpr LONG kAgendaVarHeight = 2;

LONG Inverted(LONG flag) { return flag != 0 ? 0 : 1; }

void RepaintNow(HWND window) {
    if (window == nullptr) return;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

int ToggleMonthSplit() {
    g_Settings.splitMonth = Inverted(g_Settings.splitMonth);
    SaveSettings();
    ReLoadNextMonthAppts();
    DropMonthGridCache();
    FreeBackBuffers();
    RepaintNow(g_Frame.mainWnd);
    return 1;
}

int ToggleTaskPreview() {
    g_Settings.taskPreview = Inverted(g_Settings.taskPreview);
    SaveSettings();
    RelayoutTaskView();
    if (g_Settings.taskPreview == 0) {
        RepaintNow(g_Frame.mainWnd);
    } else {
        DropTaskRowCache();
    }
    EnsureTaskSelVisible();
    return 1;
}

int ToggleAgendaTask() {
    SyncSchedSel();
    CurItem& selection = g_CurItem;
    if (selection.kind != kItemTask) return 1;
    ToggleTskComplete(selection.oid);
    if (g_Settings.agendaFmt == kAgendaVarHeight && g_Settings.hideComplete != 0) {
        // The completed task leaves the drawn agenda, so it cannot stay selected.
        selection.oid = kNoOid;
        selection.kind = kItemNone;
        ReleaseAgendaBuffer();
        RelayoutAgendaView();
        const HWND secondList = AgendaSecondListWnd();
        RepaintNow(secondList != nullptr ? secondList : g_Frame.mainWnd);
    } else {
        RedrawSelSchedRow();
    }
    return 1;
}

}  // namespace

int frame::ToggleSplitMonth(LONG key) {
    if (key != kKeyHash && key != kKeySpace) return 0;
    switch (ViewId) {
    case kViewMonth: return ToggleMonthSplit();
    case kViewTasks: return ToggleTaskPreview();
    case kViewDates:
    case kViewDay: return ToggleAgendaTask();
    default: return 0;
    }
}
