// Opening the contact preview in the agenda view window and leaving it for the view it was opened
// from. Systems of version 5 and later show a contact in the device's own contact card instead.
#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/cal_views.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/view_id.h"
#include "lists/cts_actions.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "projects/prj_tree_build.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/menu_bar_slots.h"
#include "ui/view_windows.h"

namespace {

constexpr UINT kTalkKey = VK_F3;
constexpr LONG kOriginOutside = 4;
constexpr LONG kOriginDay = 1;
constexpr LONG kOriginDates = 2;
constexpr LONG kOriginProjects = 7;

}  // namespace

void ShowCtsPreview(LONG outside) {
    if (GetOsMajorVersion() >= kOsMajor5) {
        ShowCtsInSystem(outside != 0);
        return;
    }
    if (!outside) SyncSchedSel();
    if (g_CurItem.oid == kNoId) return;
    PutCtsViewPairFirst(g_CurItem.oid);
    RememberPreviewOrigin(outside);
    RememberLastView();
    if (!g_Agenda.wnd) {
        CreateAgendaViewWnd(g_Frame.mainWnd);
        g_Agenda.created = 1;
    }
    HideAllViewWindows();
    ViewId = kViewContactPreview;
    SetViewTitle();
    CreateViewMenuBar(&g_MenuBars.contactPreview, 0, g_Frame.mainWnd, kShowBar);
    if (g_MenuBars.contactPreview) {
        SendMessageW(g_MenuBars.contactPreview, SHCMBM_OVERRIDEKEY, kTalkKey,
                     MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY));
    }
    HideAllViewWindows();
    RelayoutAgendaView();
    PlaceViewWnd(g_Agenda.wnd, kPlacePlain);
    RedrawNow(nullptr);
}

void GoBackFromPreviewB() {
    switch (GetPreviewOrigin()) {
    case kOriginOutside:
    case kOriginDates: GoBackView(); break;
    case kOriginDay: ShowDayView(0, 0); break;
    case kOriginProjects: ShowPrjView(); break;
    default: ShowCtsView(true); break;
    }
}
