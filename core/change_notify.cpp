// Following the PIM store's created, changed and deleted items in the loaded records, their indexes
// and the month cache, whether another program or this one made the change.
#include "core/change_notify.h"

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "editors/tsk_priority.h"
#include "frame/back_buffers.h"
#include "frame/frame_state.h"
#include "frame/view_id.h"
#include "frame/view_switch.h"
#include "platform/user.h"

namespace {

enum class PimFolder { kNone, kCalendar, kTasks, kContacts };

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
void ResetSelection() {
    if (ShowsSchedule()) {
        g_CurItem.kind = kItemNone;
        g_CurItem.oid = kNoOid;
        g_CurItem.listIndex = -1;
    }
    g_CurItem.rowIndex = -1;
}

void RelayoutAgenda() {
    RelayoutAgendaView();
    FreeBackBuffers();
}

void Repaint() {
    const HWND window = g_Frame.mainWnd;
    if (!window) return;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    FocusCurrentView();
}

void AfterTaskListChange() {
    if (g_Settings.scheduleTasks == 0) {
        ResetSelection();
        RelayoutAgenda();
    }
}

void AfterContactListChange() {
    if (g_Settings.dateItems != 0) {
        ResetSelection();
        RelayoutAgenda();
    }
}

void AfterCalendarChange() {
    LoadApptsForMonth(1, 1);
    ResetSelection();
    RelayoutAgenda();
}

// The task is read again from the store; one the store no longer has (deleted before its
// notification arrived) only leaves the list, rather than coming back as an empty record.
void ReadTaskAgain(LONG oid) {
    RemoveItemFromIndexes(oid);
    IPOutlookApp* app = GetPoomApp();
    if (!app || !GetPoomItem<ITask>(app, oid, IID_ITask)) return;
    AddTskToList(oid);
}

// A preview must not go on showing an item that is gone; it returns to the view that opened it.
void LeavePreviewOf(LONG oid, LONG previewView) {
    if (ViewId == previewView && g_CurItem.oid == oid) BackCmd(0);
}

// The own-change mark absorbs the one created or changed notification that the program's own save
// brings; true when it did.
bool AbsorbOwnChange() {
    if (g_ChangeMarks.ownChange == 0) return false;
    g_ChangeMarks.ownChange = 0;
    return true;
}

}  // namespace

void RemoveItemFromIndexes(LONG oid) {
    if (oid == kNoId) return;
    const LONG slot = IdIndexGet(oid, g_TskIdIndex);
    if (slot < 0) return;
    g_TskList.RemoveAt(slot);
    g_TskIdIndex.RemoveAt(IdIndexFind(oid, g_TskIdIndex));
    IdIndexCloseGap(slot, g_TskIdIndex);
}

void RebuildIdSlotMap() { RebuildIdSlotMap(g_TskIdIndex, g_TskList); }

void ToggleTskComplete(LONG oid) {
    if (oid == kNoOid) oid = g_CurItem.oid;
    if (oid == kNoOid) return;
    IPOutlookApp* app = GetPoomApp();
    if (!app) return;
    const PoomPtr<ITask> task = GetPoomItem<ITask>(app, oid, IID_ITask);
    if (!task) return;
    VARIANT_BOOL complete = VARIANT_FALSE;
    if (FAILED(task->get_Complete(&complete))) return;
    g_ChangeMarks.ownChange = 1;
    if (FAILED(task->put_Complete(complete ? VARIANT_FALSE : VARIANT_TRUE)) || FAILED(task->Save())) {
        // Nothing was saved, so no notification comes to absorb.
        g_ChangeMarks.ownChange = 0;
        return;
    }
    // Read back rather than flipped in place: a recurring task moves on to its next occurrence.
    ReadTaskAgain(oid);
    Repaint();
}

namespace {

// A created and a changed item are handled alike: the item is read again, so a second
// notification for the same item never enters it twice.
LRESULT ReadItemAgain(WPARAM wParam, LPARAM folderId) {
    if (AbsorbOwnChange()) return 0;
    const LONG oid = static_cast<LONG>(wParam);
    switch (FolderOf(folderId)) {
    case PimFolder::kCalendar:
        AfterCalendarChange();
        break;
    case PimFolder::kTasks:
        ReadTaskAgain(oid);
        AfterTaskListChange();
        break;
    case PimFolder::kContacts:
        RemoveCtsFromLists(oid, 1);
        ReloadCtsByOid(oid);
        AfterContactListChange();
        break;
    case PimFolder::kNone:
        return 0;
    }
    Repaint();
    return 0;
}

}  // namespace

LRESULT OnPimRecordCreated(WPARAM wParam, LPARAM folderId) { return ReadItemAgain(wParam, folderId); }

LRESULT OnPimRecordChanged(WPARAM wParam, LPARAM folderId) { return ReadItemAgain(wParam, folderId); }

LRESULT OnPimRecordDeleted(WPARAM wParam, LPARAM folderId) {
    if (g_ChangeMarks.ownChange != 0) {
        if (g_ChangeMarks.pendingOwnDeletes > 0) --g_ChangeMarks.pendingOwnDeletes;
        if (g_ChangeMarks.pendingOwnDeletes == 0) g_ChangeMarks.ownChange = 0;
        return 0;
    }
    const LONG oid = static_cast<LONG>(wParam);
    switch (FolderOf(folderId)) {
    case PimFolder::kCalendar:
        AfterCalendarChange();
        LeavePreviewOf(oid, kViewApptPreview);
        break;
    case PimFolder::kTasks:
        RemoveItemFromIndexes(oid);
        AfterTaskListChange();
        LeavePreviewOf(oid, kViewTaskPreview);
        break;
    case PimFolder::kContacts:
        RemoveCtsFromLists(oid, 0);
        AfterContactListChange();
        break;
    case PimFolder::kNone:
        return 0;
    }
    Repaint();
    return 0;
}
