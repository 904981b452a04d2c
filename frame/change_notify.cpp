// Following the PIM store's created, changed and deleted items in the loaded records, their indexes
// and the month cache, whether another program or this one made the change; and finishing what the
// program started itself: conversions, items made for a contact, a recurring task completed here.
#include "frame/change_notify.h"
#include "frame/frame_hooks.h"
#include "frame/view_refresh.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/custom_icon.h"
#include "core/frame_state.h"
#include "core/item_links.h"
#include "core/link_table.h"
#include "core/main_messages.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/store_full.h"
#include "core/tsk_loading.h"
#include "core/tsk_priority.h"
#include "core/view_id.h"
#include "editors/appt_maint.h"
#include "editors/item_commands.h"
#include "frame/view_switch.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "projects/prj_view.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/main_routines.h"
#include "ui/outline_list.h"
#include "ui/view_windows.h"

namespace {

enum class PimFolder { kNone, kCalendar, kTasks, kContacts };

// Where a preview returns to when its item is deleted (the origin word of the preview).
constexpr LONG kOriginTasks = 0;
constexpr LONG kOriginDay = 1;
constexpr LONG kOriginDates = 2;
constexpr LONG kOriginBack = 4;
constexpr LONG kOriginProjects = 7;

// A folder identifier of 0 is what the session leaves when it has none, so it never matches.
PimFolder FolderOf(LPARAM folderId) {
    const CEOID id = static_cast<CEOID>(folderId);
    if (id == 0) return PimFolder::kNone;
    if (id == g_PimFolderIds.calendar) return PimFolder::kCalendar;
    if (id == g_PimFolderIds.tasks) return PimFolder::kTasks;
    if (id == g_PimFolderIds.contacts) return PimFolder::kContacts;
    return PimFolder::kNone;
}

bool ShowsSchedule() { return ViewId == kViewDates || ViewId == kViewDay; }

// The agenda's rows may name the changed item, so the selection that points into them goes.
void ResetSchedSelection() {
    if (ShowsSchedule()) {
        g_CurItem.kind = kItemNone;
        g_CurItem.oid = kNoOid;
        g_CurItem.listIndex = -1;
        g_CurItem.rowIndex = -1;
        RefreshSchedList();
        return;
    }
    g_CurItem.rowIndex = -1;
}

void RelayoutAgenda() {
    RelayoutAgendaView();
    FreeBackBuffers();
}

void Repaint() {
    for (const HWND window : {g_Frame.mainWnd, g_ViewWnds.agendaView}) {
        if (!window) continue;
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
}

void RepaintAndFocus() {
    Repaint();
    FocusCurrentView();
}

void AfterTaskListChange() {
    if (g_Settings.scheduleTasks != 0) return;
    ResetSchedSelection();
    RelayoutAgenda();
}

void AfterContactListChange() {
    if (g_Settings.dateItems == 0) return;
    ResetSchedSelection();
    RelayoutAgenda();
}

void MakeCurrent(LONG oid, LONG kind) {
    g_CurItem.oid = oid;
    g_CurItem.kind = kind;
}

void RemoveLinksOf(LONG oid) {
    if (RemoveItemLinks(oid)) SaveLinkInfoFile();
}

void RemoveCustomIconOf(LONG oid) {
    const LONG at = IdIndexFind(oid, g_CustomIconIndex);
    if (at < 0) return;
    g_CustomIconIndex.RemoveAt(at);
    SaveCustomIconsFile();
}

// The source of a conversion goes once its copy has arrived.
template <class T>
void DeleteConvertedItem(LONG oid, REFIID iid) {
    if (oid == kNoOid) return;
    if (const PoomPtr<T> item = GetPoomItem<T>(GetPoomApp(), oid, iid)) item->Delete();
}

// The task is read again from the store; one the store no longer has (deleted before its
// notification arrived) only leaves the list, rather than coming back as an empty record.
void ReadTaskAgain(LONG oid) {
    RemoveItemFromIndexes(oid);
    IPOutlookApp* app = GetPoomApp();
    if (!app || !GetPoomItem<ITask>(app, oid, IID_ITask)) return;
    AddTskToList(oid);
}

void RefillTaskListKeepingSelection() {
    if (ViewId != kViewTasks) return;
    const LONG selected = OutlineGetSelId(g_ViewWnds.taskList, g_TskRows);
    FillTskList(kViewTasks, 0);
    if (selected != kNoOid) OutlineSelectById(g_ViewWnds.taskList, g_TskRows, selected, ScrollTo::kYes, RowRules::kItemLists);
    ResetTskListCache();
}

HWND ContactsListWindow() { return g_Settings.ctsIcon ? g_ViewWnds.contactGrid : g_ViewWnds.contactsList; }

// ---- Created ----

void ApptCreated(LONG oid) {
    ApptRecord record;
    if (LoadApptFromPOOM(oid, record) && record.recurring == 0)
        UpdateApptInCache(oid, record.start.wYear, record.start.wMonth, record.start.wDay);
    else
        LoadApptsForMonth(1, 1);
    ResetSchedSelection();
    RelayoutAgenda();
    RepaintAndFocus();
    if (g_ChangeMarks.tskToApptMark) {
        // The mark stays until the task's deletion comes back.
        MakeCurrent(oid, kItemAppt);
        EditSelApptDlg();
        DeleteConvertedItem<ITask>(g_ChangeMarks.convertedTskOid, IID_ITask);
        RemoveLinksOf(g_ChangeMarks.convertedTskOid);
    }
    if (g_ChangeMarks.apptForCtsMark) {
        g_ChangeMarks.apptForCtsMark = 0;
        MakeCurrent(oid, kItemAppt);
        EditSelApptDlg();
        AddLinkRec(oid, g_ChangeMarks.forCtsOid, kItemAppt, kItemContact);
        SaveLinkInfoFile();
    }
}

void RecurringTaskMovedOn(LONG oid) {
    g_ChangeMarks.recurCompleteMark = 0;
    MakeCurrent(oid, kItemTask);
    const LONG completed = g_ChangeMarks.completedTskOid;
    if (completed != kNoOid) {
        RemoveItemFromIndexes(completed);
        AddTskToList(completed);
    }
    if (ViewId == kViewTasks) {
        LONG select = oid;
        if (g_Settings.hideComplete != 0 && completed != kNoOid) {
            MakeCurrent(completed, kItemTask);
            select = completed;
        }
        FillTskList(kViewTasks, 0);
        OutlineSelectById(g_ViewWnds.taskList, g_TskRows, select, ScrollTo::kYes, RowRules::kItemLists);
        ResetTskListCache();
    } else {
        RefreshViewAfterItemChange(oid, 0);
    }
    g_ChangeMarks.completedTskOid = kNoOid;
    FocusCurrentView();
}

void TaskCreated(LONG oid) {
    ReadTaskAgain(oid);
    AfterTaskListChange();
    if (g_ChangeMarks.recurCompleteMark) return RecurringTaskMovedOn(oid);
    if (ViewId == kViewTasks) FillTskList(kViewTasks, 0);
    RepaintAndFocus();
    if (g_ChangeMarks.apptToTskMark) {
        MakeCurrent(oid, kItemTask);
        EditTskFormDlg();
        const LONG converted = g_ChangeMarks.convertedApptOid;
        DeleteConvertedItem<IAppointment>(converted, IID_IAppointment);
        RemoveLinksOf(converted);
        RemoveCustomIconOf(converted);
    }
    if (g_ChangeMarks.tskForCtsMark) {
        g_ChangeMarks.tskForCtsMark = 0;
        MakeCurrent(oid, kItemTask);
        EditTskFormDlg();
        AddLinkRec(oid, g_ChangeMarks.forCtsOid, kItemTask, kItemContact);
        SaveLinkInfoFile();
    }
}

void ContactCreated(LONG oid) {
    RemoveCtsFromLists(oid, 1);
    ReloadCtsByOid(oid);
    if (g_PrjTreeFlag) {
        PrjTreeCtsSaved(oid);
        g_PrjTreeFlag = 0;
    }
    if (ViewId == kViewContacts) {
        ReLoadCts(true);
        OutlineSelectById(ContactsListWindow(), g_CtsRows, oid, ScrollTo::kYes, RowRules::kItemLists);
    }
    AfterContactListChange();
    RepaintAndFocus();
}

// ---- Changed ----

void ApptChanged() {
    ResetSchedSelection();
    LoadApptsForMonth(1, 1);
    FreeBackBuffers();
    RelayoutAgendaView();
    RepaintAndFocus();
}

void TaskChanged(LONG oid) {
    ReadTaskAgain(oid);
    AfterTaskListChange();
    RefillTaskListKeepingSelection();
    RepaintAndFocus();
}

void ContactChanged(LONG oid) {
    RemoveCtsFromLists(oid, 1);
    ReloadCtsByOid(oid);
    if (ViewId == kViewContacts) {
        const HWND list = ContactsListWindow();
        const LONG selected = OutlineGetSelId(list, g_CtsRows);
        ReLoadCts(false);
        if (selected != kNoOid) OutlineSelectById(list, g_CtsRows, selected, ScrollTo::kYes, RowRules::kItemLists);
    }
    AfterContactListChange();
    RepaintAndFocus();
}

// Messages that waited while the store was read are handled before the handler returns, so that
// input lands on the refreshed view; the end of loading among them is handled too, never lost.
void DrainMainQueue() {
    if (!g_Frame.mainWnd) return;
    MSG msg{};
    while (PeekMessageW(&msg, g_Frame.mainWnd, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// ---- Deleted ----

void LeavePreview(LONG origin, bool tasks) {
    switch (origin) {
    case kOriginDay: ShowDayView(1, 1); break;
    case kOriginDates: ShowDatesView(1, 1); break;
    case kOriginBack: GoBackView(); break;
    case kOriginTasks:
        if (tasks) ShowTasksView();
        else GoBackView();
        break;
    case kOriginProjects:
        if (tasks) ShowProjectsView();
        else GoBackView();
        break;
    default:
        if (!tasks) GoBackView();
        break;
    }
}

void ApptDeleted(LONG oid) {
    LoadApptsForMonth(1, 1);
    ResetSchedSelection();
    FreeBackBuffers();
    RelayoutAgendaView();
    // The conversion's mark goes in every view, as for tasks: left set in the Day view, it would
    // take the next deletion for the conversion's.
    LONG shown = g_CurItem.oid;
    if (g_ChangeMarks.apptToTskMark) {
        shown = g_ChangeMarks.convertedApptOid;
        g_ChangeMarks.apptToTskMark = 0;
        g_ChangeMarks.convertedApptOid = kNoOid;
    }
    if (ViewId == kViewApptPreview && shown == oid) LeavePreview(GetPreviewOrigin(), false);
    RemoveLinksOf(oid);
    RemoveCustomIconOf(oid);
}

void TaskDeleted(LONG oid) {
    RemoveItemFromIndexes(oid);
    AfterTaskListChange();
    if (ViewId == kViewTasks) FillTskList(kViewTasks, 0);
    RemoveLinksOf(oid);
    LONG compared = g_CurItem.oid;
    if (g_ChangeMarks.tskToApptMark) {
        compared = g_ChangeMarks.convertedTskOid;
        g_ChangeMarks.tskToApptMark = 0;
        g_ChangeMarks.convertedTskOid = kNoOid;
    }
    if (ViewId == kViewTaskPreview && compared == oid) LeavePreview(GetPreviewOrigin(), true);
}

void ContactDeleted(LONG oid) {
    RemoveCtsFromLists(oid, 0);
    RemoveCtsViewPairs(oid);
    if (ViewId == kViewContacts) ReLoadCts(true);
    RemoveLinksOf(oid);
    AfterContactListChange();
}

// The own-change mark absorbs the one created or changed notification that the program's own save
// brings; true when it did.
bool AbsorbOwnChange() {
    if (g_ChangeMarks.ownChange == 0) return false;
    g_ChangeMarks.ownChange = 0;
    return true;
}

// A new appointment or task for the selected contact, named after it; its arrival opens it.
void CreateItemForCts(int itemType) {
    CheckCtsSelected(false);
    if (g_CurItem.oid == kNoOid || g_CurItem.kind != kItemContact) return;
    const LONG contactOid = g_CurItem.oid;
    const LONG slot = IdIndexGet(contactOid, g_CtsIdIndex);
    if (slot < 0 || slot >= g_CtsList.Size()) return;
    CtsRecord contact = g_CtsList[slot];
    if (contact.detailsPending) LoadCtsExtra(contact);
    IPOutlookApp2* app = GetPoomApp();
    if (!app) return;
    PoomPtr<IDispatch> created;
    if (FAILED(app->CreateItem(itemType, created.Out())) || !created) return;
    const std::u16string subject = GetCtsDisplayName(contact, 1);
    LONG* mark = nullptr;
    HRESULT saved = E_FAIL;
    g_ChangeMarks.forCtsOid = contactOid;
    if (itemType == olAppointmentItem) {
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(created.Get(), IID_IAppointment);
        if (!appt) return;
        appt->put_Subject(subject.c_str());
        appt->put_Body(contact.defaultText.c_str());
        appt->put_ReminderSet(VARIANT_FALSE);
        mark = &g_ChangeMarks.apptForCtsMark;
        *mark = 1;
        saved = appt->Save();
    } else {
        const PoomPtr<ITask> task = QueryPoom<ITask>(created.Get(), IID_ITask);
        if (!task) return;
        task->put_Subject(subject.c_str());
        task->put_Body(contact.defaultText.c_str());
        mark = &g_ChangeMarks.tskForCtsMark;
        *mark = 1;
        saved = task->Save();
    }
    // Nothing will arrive to take the mark when the save failed.
    if (FAILED(saved)) *mark = 0;
    ShowWhenStoreFull(saved, itemType == olAppointmentItem ? olAppointmentItem : olTaskItem, g_Frame.mainWnd);
}


// The tasks the store holds, -1 when it cannot say.
int StoredTaskCount(IPOutlookApp* app) {
    PoomPtr<IFolder> folder;
    PoomPtr<IPOutlookItemCollection> items;
    int count = -1;
    if (FAILED(app->GetDefaultFolder(olFolderTasks, folder.Out())) || !folder ||
        FAILED(folder->get_Items(items.Out())) || !items || FAILED(items->get_Count(&count)))
        return -1;
    return count;
}

}  // namespace

void frame::ToggleTskComplete(LONG oid) {
    if (oid == kNoOid) oid = g_CurItem.oid;
    if (oid == kNoOid) return;
    g_ChangeMarks.completedTskOid = kNoOid;
    IPOutlookApp* app = GetPoomApp();
    if (!app) return;
    const PoomPtr<ITask> task = GetPoomItem<ITask>(app, oid, IID_ITask);
    if (!task) return;
    VARIANT_BOOL complete = VARIANT_FALSE;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    if (FAILED(task->get_Complete(&complete))) return;
    task->get_IsRecurring(&recurring);
    // Completing a recurring task makes its next occurrence a new task, except for the last one.
    const int tasksBefore = recurring && !complete ? StoredTaskCount(app) : -1;
    g_ChangeMarks.ownChange = 1;
    if (FAILED(task->put_Complete(complete ? VARIANT_FALSE : VARIANT_TRUE)) || FAILED(task->Save())) {
        // Nothing was saved, so no notification comes to absorb.
        g_ChangeMarks.ownChange = 0;
        return;
    }
    // The next occurrence arrives as a new task and finishes the work. After the last occurrence
    // none comes: waiting for one would take the next task anyone makes for it.
    if (recurring && !complete && (tasksBefore < 0 || StoredTaskCount(app) > tasksBefore)) {
        g_ChangeMarks.recurCompleteMark = 1;
        g_ChangeMarks.completedTskOid = oid;
        return;
    }
    // Read back rather than flipped in place, so the record is what the store holds.
    ReadTaskAgain(oid);
    RefreshViewAfterItemChange(oid, 0);
    Repaint();
}

void CreateApptForCts() { CreateItemForCts(olAppointmentItem); }
void CreateTskForCts() { CreateItemForCts(olTaskItem); }

LRESULT OnPimRecordCreated(WPARAM wParam, LPARAM folderId) {
    if (AbsorbOwnChange()) return 0;
    const LONG oid = static_cast<LONG>(wParam);
    switch (FolderOf(folderId)) {
    case PimFolder::kCalendar: ApptCreated(oid); break;
    case PimFolder::kTasks: TaskCreated(oid); break;
    case PimFolder::kContacts: ContactCreated(oid); break;
    case PimFolder::kNone: break;
    }
    return 0;
}

LRESULT OnPimRecordChanged(WPARAM wParam, LPARAM folderId) {
    if (!AbsorbOwnChange()) {
        const LONG oid = static_cast<LONG>(wParam);
        switch (FolderOf(folderId)) {
        case PimFolder::kCalendar: ApptChanged(); break;
        case PimFolder::kTasks: TaskChanged(oid); break;
        case PimFolder::kContacts: ContactChanged(oid); break;
        case PimFolder::kNone: break;
        }
    }
    DrainMainQueue();
    return 0;
}

LRESULT OnPimRecordDeleted(WPARAM wParam, LPARAM folderId) {
    // The links go with the item whoever deleted it, so that none points at a reused OID.
    DropItemLinks(static_cast<LONG>(wParam));
    if (g_ChangeMarks.ownChange != 0) {
        if (g_ChangeMarks.pendingOwnDeletes > 0) --g_ChangeMarks.pendingOwnDeletes;
        if (g_ChangeMarks.pendingOwnDeletes == 0) g_ChangeMarks.ownChange = 0;
        return 0;
    }
    const LONG oid = static_cast<LONG>(wParam);
    switch (FolderOf(folderId)) {
    case PimFolder::kCalendar: ApptDeleted(oid); break;
    case PimFolder::kTasks: TaskDeleted(oid); break;
    case PimFolder::kContacts: ContactDeleted(oid); break;
    case PimFolder::kNone: return 0;
    }
    Repaint();
    return 0;
}
