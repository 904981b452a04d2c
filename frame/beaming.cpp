// Beaming through the object model's infrared folder, the shell launchers, and the item helpers
// that stand beside them.
#include "frame/beaming.h"
#include "frame/frame_hooks.h"

#include <memory>

#include "calendar/agenda_view.h"
#include "calendar/cal_views.h"
#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_loading.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/phone_lib.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/tsk_loading.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "lists/list_commands.h"
#include "platform/process.h"
#include "platform/resources.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

namespace {

void Beam(LONG kind, int itemType) {
    SyncSchedSel();
    const CurItem& sel = g_CurItem;
    if (sel.oid == kNoOid || sel.kind != kind) return;
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<IDispatch> item;
    if (!app || FAILED(app->GetItemFromOid(sel.oid, item.Out())) || !item) return;
    PoomPtr<IFolder> infrared;
    if (FAILED(app->GetDefaultFolder(olFolderInfrared, infrared.Out())) || !infrared) return;
    // Nothing is reported: the send is the device's own business.
    infrared->AddItemToInfraredFolder(itemType, item.Get());
    infrared->SendToInfrared();
}

bool StartsAfterDay(const DateRec& start, int year, int month, int day) {
    if (start.wYear != year) return start.wYear > year;
    if (start.wMonth != month) return start.wMonth > month;
    return start.wDay > day;
}

}  // namespace

void BeamCurAppt() { Beam(kItemAppt, olAppointmentItem); }
void BeamCurCts() { Beam(kItemContact, olContactItem); }
void BeamCurTsk() { Beam(kItemTask, olTaskItem); }

void frame::SelectToday() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    g_SelectedDate = DateRec(now.wYear, now.wMonth, now.wDay);
    RefreshCurView();
}

void frame::MoveTaskToDate(int year, int month, int day) {
    const CurItem& sel = g_CurItem;
    if (sel.oid == kNoOid || sel.kind != kItemTask) return;
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<ITask> task = GetPoomItem<ITask>(app, sel.oid, IID_ITask);
    if (!task) return;
    DATE start = 0;
    DateRec startDay;
    if (SUCCEEDED(task->get_StartDate(&start)) && PoomDateToDateRec(app, start, startDay) &&
        StartsAfterDay(startDay, year, month, day)) {
        ShowResMessage(g_Frame.mainWnd, IDS_DUE_AFTER_START, MB_ICONINFORMATION);
        return;
    }
    task->put_DueDate(DayToPoom(app, DateRec(year, month, day)));
    task->Save();
}

void AddCatToCurItemCmd() {
    CheckCtsSelected(0);
    if (g_CurItem.kind != kItemContact) return;
    g_PromptText.clear();
    if (PromptTextById(g_Frame.mainWnd, IDS_NEW_CATEGORY, IDS_ENTER_CONTACT_CATEGORY) == kPromptAccepted &&
        !g_PromptText.empty())
        AddCatToCurItem(g_CurItem.oid, g_PromptText);
    FocusCurrentView();
}

