// What the main window runs for the current item: a contact's default action (call, mail or web
// page), the contact in the device's own viewer, and deleting every completed task.
#include "lists/cts_actions.h"

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/item_filters.h"
#include "core/item_links.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/shell_actions.h"
#include "ui/view_calls.h"

namespace {

constexpr LONG kFieldEmail1 = 4;
constexpr LONG kFieldWebPage = 5;
// The preview was opened from the day view.
constexpr LONG kOriginDayView = 1;

const CtsRecord* CurrentContact() {
    if (g_CurItem.kind != kItemContact) return nullptr;
    const LONG position = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    if (position < 0 || position >= g_CtsList.Size() || g_CtsList[position].oid != g_CurItem.oid) return nullptr;
    return &g_CtsList[position];
}

bool DeleteTaskItem(IPOutlookApp* app, LONG oid) {
    const PoomPtr<ITask> task = GetPoomItem<ITask>(app, oid, IID_ITask);
    if (!task) return false;
    // The store's notice of this deletion is the program's own.
    g_ChangeMarks.ownChange = 1;
    if (FAILED(task->Delete())) {
        g_ChangeMarks.ownChange = 0;
        return false;
    }
    return true;
}

}  // namespace

void CtsDefaultAction() {
    const CtsRecord* contact = CurrentContact();
    if (!contact) return;
    const std::u16string text = contact->defaultText;
    if (IsPhoneCtsField(contact->defaultField)) {
        DialPhoneNumber(text);
    } else if (contact->defaultField == kFieldEmail1) {
        ComposeMail(text);
    } else if (contact->defaultField == kFieldWebPage) {
        OpenUrlInBrowser(text);
    }
}

void RunCtsDefaultAction() { CtsDefaultAction(); }

void ShowCtsInSystem(bool skipScheduleSync) {
    if (!skipScheduleSync) views::SyncSchedSel();
    if (g_CurItem.oid != -1) {
        PutCtsViewPairFirst(g_CurItem.oid);
        if (IPOutlookApp* app = GetPoomApp()) {
            const PoomPtr<IContact> contact = GetPoomItem<IContact>(app, g_CurItem.oid, IID_IContact);
            if (contact) contact->Display();
        }
    }
    if (ViewId == kViewContacts || ViewId == kViewTasks) {
        FocusCurrentView();
    } else if (ViewId == kViewTaskPreview || ViewId == kViewApptPreview) {
        if (GetPreviewOrigin() == kOriginDayView) {
            views::ShowDayView(1, 0);
        } else {
            GoBackView();
        }
    }
}

int DeleteCompletedTsks(HWND taskList) {
    HWND owner = taskList ? taskList : g_Frame.mainWnd;
    if (ShowResMessage(owner, IDS_CONFIRM_DELETE_COMPLETED, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        FocusCurrentView();
        return 0;
    }
    int deleted = 0;
    if (IPOutlookApp* app = GetPoomApp()) {
        for (const TskRecord& task : g_TskList) {
            if (task.complete == 0 || !DeleteTaskItem(app, task.oid)) continue;
            if (RemoveItemLinks(task.oid) > 0) SaveLinkInfoFile();
            ++deleted;
        }
    }
    LoadTskList(1);
    if (ViewId == kViewTasks) {
        FillTskList(true);
        if (g_TskListState.list) SetFocus(g_TskListState.list);
    }
    return deleted;
}
