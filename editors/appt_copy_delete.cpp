// "Copy Appt." and Delete on the current appointment: the copy is made by POOM and the month read
// again; a deleted appointment (one occurrence or the whole series) leaves the links, the custom
// icon and the month cache, and the view moves off it.
#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/frame_state.h"
#include "core/id_index.h"
#include "core/item_links.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/store_values.h"
#include "core/view_id.h"
#include "editors/appt_maint.h"
#include "editors/item_commands.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/outline_list.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

namespace {

// The preview was opened from the contacts view: Delete goes back there.
constexpr LONG kPreviewFromContacts = 3;

bool SchedListInUse() {
    return (ViewId == kViewDay || ViewId == kViewDates) && g_Settings.agendaFmt != kAgendaDrawn;
}

// The window the current view draws in; null when it paints into the main window.
HWND CurrentViewWnd() {
    switch (ViewId) {
    case kViewDay:
    case kViewDates: return g_Settings.agendaFmt == kAgendaDrawn ? g_ViewWnds.agendaView : g_ViewWnds.scheduleList;
    case kViewApptPreview:
    case kViewContactPreview:
    case kViewTaskPreview:
    case kViewWalletItem: return g_ViewWnds.agendaView;
    default: return nullptr;
    }
}

void RedrawCurrentView() {
    HWND window = CurrentViewWnd();
    if (!window) window = g_Frame.mainWnd;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void ClearCurrentItem() {
    g_CurItem.kind = kItemNone;
    g_CurItem.oid = kNoId;
    g_CurItem.listIndex = kNoId;
    g_CurItem.rowIndex = kNoId;
}

void DropLinksAndIcon(LONG oid) {
    if (RemoveItemLinks(oid)) SaveLinkInfoFile();
    const int icon = IdIndexFind(oid, g_CustomIconIndex);
    if (icon >= 0) {
        g_CustomIconIndex.RemoveAt(icon);
        SaveCustomIconsFile();
    }
}

// The appointment to delete: the series, or after Yes its occurrence on the selected date.
PoomPtr<IAppointment> AskWhatToDelete(LONG oid, bool& recurring, bool& occurrenceOnly) {
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
    recurring = false;
    occurrenceOnly = false;
    if (!appt) return appt;
    VARIANT_BOOL isRecurring = VARIANT_FALSE;
    if (FAILED(appt->get_IsRecurring(&isRecurring)) || !isRecurring) return appt;
    recurring = true;
    if (ShowResMessage(g_Frame.mainWnd, IDS_DELETE_OCCURRENCE_ONLY, MB_YESNO | MB_ICONQUESTION) != IDYES) return appt;
    appt.Reset();
    occurrenceOnly = true;
    return ReadRecurPattern(oid, g_SelectedDate);
}

void UpdateViewAfterDelete(LONG oid) {
    if (ViewId == kViewApptPreview) {
        if (GetPreviewOrigin() == kPreviewFromContacts) {
            ClearCurrentItem();
            GoBackView();
        } else {
            ShowDayView();
        }
        return;
    }
    if (SchedListInUse()) {
        const HWND list = g_ViewWnds.scheduleList;
        const LONG selected = OutlineGetSelId(list, g_SchedRows);
        OutlineRemoveById(list, g_SchedRows, oid);
        OutlineSelectById(list, g_SchedRows, selected, ScrollTo::kYes, RowRules::kSchedule);
    }
    ClearCurrentItem();
    RedrawCurrentView();
    FocusCurrentView();
}

}  // namespace

void CopyCurrentAppt() {
    SyncSchedSel();
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemAppt) return;
    {
        PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
        PoomPtr<IAppointment> copy;
        if (appt) ShowWhenStoreFull(appt->Copy(copy.Out()), olAppointmentItem, g_Frame.mainWnd);
        if (!copy) return;
    }
    g_ChangeMarks.ownChange = 1;
    LoadApptsForMonth(1, 1);
    FreeBackBuffers();
    RelayoutAgendaView();
    if (SchedListInUse()) {
        if (ViewId == kViewDay) {
            FillSchedDay();
        } else {
            FillSchedAgenda();
        }
        SelectNextListRow(g_ViewWnds.scheduleList, QueryOnly::kNo, RowRules::kSchedule);
    }
    RedrawCurrentView();
}

int DeleteSelectedAppt() {
    SyncSchedSel();
    const LONG oid = g_CurItem.oid;
    if (oid == kNoId || g_CurItem.kind != kItemAppt) return 0;
    if (g_Settings.confirmDel &&
        ShowResMessage(g_Frame.mainWnd, IDS_CONFIRM_DELETE_APPT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    bool recurring = false;
    bool occurrenceOnly = false;
    PoomPtr<IAppointment> appt = AskWhatToDelete(oid, recurring, occurrenceOnly);
    if (!appt) return 0;
    IPOutlookApp* app = GetPoomApp();
    DATE value = 0;
    LONG minutes = 0;
    ApptRecord record;
    record.oid = oid;
    appt->get_Start(&value);
    PoomDateToDateRec(app, value, record.start);
    appt->get_Duration(&minutes);
    record.duration = ApptMinutesInRange(minutes);
    TimeSpan span;
    const bool multiDay = ApptGoesIntoSpans(record, span);
    g_ChangeMarks.ownChange = 1;
    // The item leaves memory, links and icons only when the store let it go.
    if (FAILED(appt->Delete())) {
        g_ChangeMarks.ownChange = 0;
        ShowMessage(g_Frame.mainWnd, kItemNotDeletedText, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    appt.Reset();
    // One occurrence gone leaves the series, with its links and icon, in place.
    if (!occurrenceOnly) DropLinksAndIcon(oid);
    if (recurring) {
        LoadApptsForMonth(1, 1);
    } else if (record.start.wMonth >= 1) {
        RemoveApptFromMonthBuckets(oid, record.start.wYear, record.start.wMonth, record.start.wDay, multiDay ? 1 : 0);
    }
    FreeBackBuffers();
    UpdateViewAfterDelete(oid);
    return 1;
}

void DeleteCurrentAppt() { DeleteSelectedAppt(); }
