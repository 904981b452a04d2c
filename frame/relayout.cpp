#include "frame/relayout.h"

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "frame/frame_hooks.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/view_windows.h"

namespace {

// The landscape test seen last; set on the first size change.
struct OrientationMemo {
    LONG landscape = 0;
    LONG set = 0;
};
OrientationMemo g_Orientation;

void RelayoutDatesOrDay(bool dayView) {
    const bool drawnAgenda = g_Settings.agendaFmt == kAgendaDrawn;
    if (drawnAgenda)
        PlaceViewWnd(g_ViewWnds.agendaView, kPlacePlain);
    else
        PlaceViewWnd(g_ViewWnds.scheduleList, kPlaceList);
    if (dayView) PlaceUnderWeekdayBar(drawnAgenda ? g_ViewWnds.agendaView : g_ViewWnds.scheduleList);
    if (drawnAgenda) {
        ReleaseAgendaBuffer();
        RedrawNow(g_ViewWnds.agendaView);
    }
}

}  // namespace

void RelayoutViewsOnRotate() {
    const LONG landscape = IsLandscapeScreen();
    if (!g_Orientation.set) {
        g_Orientation = {landscape, 1};
        return;
    }
    if (landscape == g_Orientation.landscape) return;
    ReleaseOffscreen(g_Main.mainBuffer);
    FreeBackBuffers();
    g_Orientation.landscape = landscape;
    frame::RetitleAfterRotation();
    switch (ViewId) {
    case kViewContacts:
        if (g_Settings.ctsIcon) {
            ReleaseContactGridBuffer();
            PlaceViewWnd(g_ViewWnds.contactGrid, kPlacePlain);
        } else {
            PlaceViewWnd(g_ViewWnds.contactsList, kPlaceList);
        }
        PlaceCtsListBelowTabs();
        break;
    case kViewTasks:
        RelayoutTaskView();
        if (g_Settings.taskPreview)
            DropTaskRowCache();
        else
            RedrawNow(nullptr);
        break;
    case kViewNotes: PlaceViewWnd(g_ViewWnds.notesList, kPlaceList); break;
    case kViewWallet: PlaceViewWnd(g_ViewWnds.walletTree, kPlaceTree); break;
    case kViewTimelineWeek: RecalcTimelineMetrics(); break;
    case kViewApptPreview:
    case kViewContactPreview:
    case kViewTaskPreview:
    case kViewWalletItem:
        PlaceViewWnd(g_ViewWnds.agendaView, kPlacePlain);
        ReleasePreviewBuffer();
        RedrawNow(g_ViewWnds.agendaView);
        break;
    case kViewDates: RelayoutDatesOrDay(false); break;
    case kViewDay: RelayoutDatesOrDay(true); break;
    default: RedrawNow(nullptr); break;
    }
}

void ResetOrientationMemo() { g_Orientation = {}; }
