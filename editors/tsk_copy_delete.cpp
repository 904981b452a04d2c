// "Copy Task" and "Delete Task": the task of the global selection copied or deleted through POOM,
// and the task list, the links and the views brought up to date without a full reload.
#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/tsk_loading.h"
#include "core/tsk_priority.h"
#include "core/view_id.h"
#include "editors/item_commands.h"
#include "editors/res_text.h"
#include "editors/tsk_save.h"
#include "lists/task_view.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"

namespace {

// Preview origins (the view a preview returns to).
constexpr LONG kOriginTasks = 0;
constexpr LONG kOriginDay = 1;
constexpr LONG kOriginDates = 2;
constexpr LONG kOriginOutside = 4;
constexpr LONG kOriginProjects = 7;

bool CurrentIsTask() { return g_CurItem.kind == kItemTask && g_CurItem.oid != kNoId; }

void RedrawAgendaOrMain() { RedrawNow(g_Agenda.wnd ? g_Agenda.wnd : g_Frame.mainWnd); }

// 0 when the user keeps the task (or it is not in the task list).
bool ConfirmTskDelete() {
    if (!g_Settings.confirmDel) return true;
    const int slot = TskIndexFromOid(g_CurItem.oid);
    if (slot < 0 || slot >= g_TskList.Size()) return false;
    const std::u16string text =
        platform::FormatW(LoadResStr(IDS_CONFIRM_DELETE_TASK_FMT).c_str(), g_TskList[slot].subject.c_str());
    if (ShowMessage(g_Frame.mainWnd, text.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES) return true;
    FocusCurrentView();
    return false;
}

void ShowViewAfterTskDelete(LONG oid) {
    const LONG selected = TskListSelId();
    // The task list keeps its rows behind a preview, and Back shows them again without a refill.
    OutlineRemoveById(g_TskListState.list, g_TskRows, oid);
    if (ViewId == kViewTaskPreview) {
        switch (GetPreviewOrigin()) {
        case kOriginOutside: GoBackView(); break;
        case kOriginDates:
        case kOriginProjects:
            ResetSelection();
            GoBackView();
            break;
        case kOriginDay: ShowDayView(); break;
        case kOriginTasks: ShowTasksView(); break;
        default: break;
        }
        return;
    }
    if (ViewId == kViewTasks) {
        if (selected != kNoId && selected != oid) SelectTskListRow(selected);
        FocusCurrentView();
    }
    ResetSelection();
    if (ViewId == kViewDay) ShowDayView();
    else RedrawAgendaOrMain();
}

}  // namespace

void CopyTskCmd() {
    SyncSchedSel();
    if (!CurrentIsTask()) return;
    LONG copyOid = kNoId;
    {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), g_CurItem.oid, IID_ITask);
        if (!task) return;
        PoomPtr<ITask> copy;
        ShowWhenStoreFull(task->Copy(copy.Out()), olTaskItem, g_Frame.mainWnd);
        if (!copy) return;
        g_ChangeMarks.ownChange = 1;
        copy->get_Oid(&copyOid);
    }
    AddTskToList(copyOid);
    if (ViewId == kViewTasks) {
        FillTskList(true);
        SelectTskListRow(copyOid);
    }
    FreeBackBuffers();
    RedrawAgendaOrMain();
}

void DeleteTskCmd() {
    SyncSchedSel();
    if (!CurrentIsTask() || !ConfirmTskDelete()) return;
    const LONG oid = g_CurItem.oid;
    // The task leaves memory, links and indexes only when the store let it go.
    const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
    g_ChangeMarks.ownChange = 1;
    if (!task || FAILED(task->Delete())) {
        g_ChangeMarks.ownChange = 0;
        ShowMessage(g_Frame.mainWnd, kItemNotDeletedText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (RemoveItemLinks(oid)) SaveLinkInfoFile();
    RemoveItemFromIndexes(oid);
    if (g_Settings.scheduleTasks == 0) FreeBackBuffers();
    ShowViewAfterTskDelete(oid);
}
