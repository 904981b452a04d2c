// Painting the current view: the painted views draw themselves into the main window, the list and
// tree views get their background and paint their control themselves.
#include "calendar/cal_views.h"
#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/view_id.h"
#include "extras/extra_commands.h"
#include "frame/view_switch.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/theme_colors.h"
#include "ui/view_commands.h"

namespace {
constexpr int kDraw = 1;
constexpr int kLocked = 1;
constexpr int kStartUp = 0;

// The views stop short of the main window's bottom, which lies under the menu bar; the band below
// them would keep the pixels of whatever was shown before (seen while a bar is hidden or changes):
// it gets the background first, and a view that reaches into it paints over it.
void FillBelowViews(HDC dc) {
    RECT client{};
    GetClientRect(g_Frame.mainWnd, &client);
    RECT views{};
    GetViewClientRect(g_Frame.mainWnd, views);
    if (views.bottom >= client.bottom) return;
    const RECT band{client.left, views.bottom, client.right, client.bottom};
    const OwnedBrush brush(CreateSolidBrush(ThemeColor(kThemeBackground)));
    FillRect(dc, &band, brush.Get());
}

}  // namespace

void PaintView(HDC dc) {
    FillBelowViews(dc);
    switch (ViewId) {
    case kViewMonth: PaintMonthView(dc); break;
    case kViewWeek: PaintWeekView(dc, true); break;
    case kViewTimelineWeek: PaintTimelineWeek(dc); break;
    case kViewCoverScreen: DrawCoverScreen(dc, kStartUp); break;
    case kViewWalletLocked: DrawCoverScreen(dc, kLocked); break;
    case kViewSpinnerPage: PaintSpinnerView(dc); break;
    case kViewYear: PaintYearView(dc); break;
    case kViewSpinner: DrawSpinnerStrip(dc); break;
    case kViewDates:
    case kViewContacts:
    case kViewProjects:
    case kViewNotes:
    case kViewWallet:
    case kViewDay:
    case kViewApptPreview:
    case kViewContactPreview:
    case kViewTaskPreview:
    case kViewWalletItem: DrawViewBkgnd(dc); break;
    case kViewTasks:
        DrawViewBkgnd(dc);
        if (g_Settings.taskPreview) DrawTskPreviewPane(dc, kDraw);
        break;
    default: break;
    }
}
