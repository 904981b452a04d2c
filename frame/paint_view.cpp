// Painting the current view: the painted views draw themselves into the main window, the list and
// tree views get their background and paint their control themselves.
#include "calendar/cal_views.h"
#include "core/app_settings.h"
#include "extras/extra_commands.h"
#include "frame/view_id.h"
#include "frame/view_switch.h"
#include "ui/view_commands.h"

namespace {
constexpr int kDraw = 1;
constexpr int kLocked = 1;
constexpr int kStartUp = 0;
}  // namespace

void PaintView(HDC dc) {
    switch (ViewId) {
    case kViewMonth: PaintMonthView(dc); break;
    case kViewWeek: PaintWeekView(dc, true); break;
    case kViewTimelineWeek: PaintTimelineWeek(dc); break;
    case kViewCoverScreen: DrawCoverScreen(dc, kStartUp); break;
    case kViewWalletLocked: DrawCoverScreen(dc, kLocked); break;
    case kViewSpinnerPage: PaintSpinnerPage(dc); break;
    case kViewYear: PaintYearView(dc); break;
    case kViewSpinner: PaintSpinnerStrip(dc); break;
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
