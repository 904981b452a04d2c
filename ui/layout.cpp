// View rectangles, bar and row heights by screen class, placing of the view windows and the
// re-layout of the views when the screen turns between landscape and the other orientations.
#include "ui/layout.h"

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/list_rows.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/view_windows.h"

namespace {

constexpr int kVgaBarHeight = 52;
constexpr int kSquare320BarHeight = 35;
constexpr int kBarHeight = 26;

// Bottom edges of the view area on the screens without their own bar height.
constexpr LONG kSquareOrLandscapeBottom = 188;
constexpr LONG kWqvgaPortraitBottom = 348;
constexpr LONG kPortraitBottom = 268;

constexpr UINT kQvgaRowHeight = 26;
constexpr UINT kVgaRowHeight = 59;
constexpr UINT kRowHeight = 20;

// The landscape test seen last; set on the first size change.
struct OrientationMemo {
    LONG landscape = 0;
    LONG set = 0;
};
OrientationMemo g_Orientation;

void PlaceInViewRect(HWND window, PlaceMode mode) {
    RECT r{};
    if (mode == kPlaceTree && GetThemeWord(kThemeTreeMargins) == 0)
        GetViewClientRect(g_Frame.mainWnd, r);
    else
        GetViewRect(r);
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

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

int GetBarHeight() {
    if (IsVgaScreen()) return kVgaBarHeight;
    if (IsSquare320Screen()) return kSquare320BarHeight;
    return kBarHeight;
}

void GetViewClientRect(HWND window, RECT& rect) {
    GetClientRect(window, &rect);
    const bool isMain = window != nullptr && window == g_Frame.mainWnd;
    if (IsSquare320Screen() || IsVgaScreen()) {
        // Dialogs and child windows on these screens have no shell bar to leave room for.
        if (isMain) rect.bottom -= IsVgaScreen() ? kVgaBarHeight : kSquare320BarHeight;
        return;
    }
    if (IsSquareScreen()) rect.bottom = kSquareOrLandscapeBottom;
    if (IsLandscapeScreen()) rect.bottom = kSquareOrLandscapeBottom;
    if (IsPortraitScreen()) rect.bottom = IsWqvgaScreen() ? kWqvgaPortraitBottom : kPortraitBottom;
}

void GetViewRect(RECT& rect) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const LONG side = GetThemeWord(kThemeViewMarginSide);
    rect.left = side;
    rect.top = GetThemeWord(kThemeViewMarginTop);
    rect.right = client.right - side;
    rect.bottom = client.bottom - GetThemeWord(kThemeViewMarginBottom);
}

UINT GetItemListRowHeight() {
    if (IsQvgaScreen() || IsSquare320Screen()) return kQvgaRowHeight;
    if (IsVgaScreen()) return kVgaRowHeight;
    return kRowHeight;
}

void MeasureItemListRow(MEASUREITEMSTRUCT& measure) { measure.itemHeight = GetItemListRowHeight(); }

void FitListColumn(HWND list) {
    RECT r{};
    GetViewClientRect(g_Frame.mainWnd, r);
    int width = r.right - r.left - 2 * GetThemeWord(kThemeViewMarginSide);
    const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    if (count > SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)) width -= GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

void PlaceViewWnd(HWND window, PlaceMode mode) {
    if (!window) return;
    PlaceInViewRect(window, mode);
    if (mode == kPlaceList) FitListColumn(window);
    ShowWindow(window, SW_SHOW);
    if (mode == kPlaceList) EnsureSelRowVisible(window);
    SetFocus(window);
}

void MoveViewWnd(HWND window, PlaceMode mode) {
    if (!window) return;
    PlaceInViewRect(window, mode);
    if (mode == kPlaceList) {
        FitListColumn(window);
        EnsureSelRowVisible(window);
    }
}

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
