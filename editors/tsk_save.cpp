// The task writer shared by the task form and the list-style task editor, and what follows a save.
#include "editors/tsk_save.h"

#include "calendar/agenda_view.h"
#include "calendar/sched_list.h"
#include "calendar/tsk_preview_reload.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/tsk_loading.h"
#include "core/tsk_priority.h"
#include "core/view_id.h"
#include "editors/editor_state.h"
#include "editors/recur_choices.h"
#include "editors/res_text.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/outline_list.h"

namespace {

constexpr DateSpan kReminderLeadSpan{45, 0, 0, 0};
constexpr int kSaveMessageChars = 191;

DateRec DayOf(const DateRec& date) { return DateRec(date.wYear, date.wMonth, date.wDay); }

// Task start and due dates are written at 01:00:00.
DATE TskDateToPoom(IPOutlookApp* app, const DateRec& date) {
    if (IsNoDate(date)) return POOM_NO_DATE;
    DateRec at = date;
    SetDateOnlyTime(at);
    return DateRecToPoom(app, at);
}

void ShowStop(HWND owner, UINT id, bool captioned) {
    const std::u16string text = LoadResStr(id);
    if (captioned) ShowMessage(owner, text.c_str(), MB_ICONHAND);
    else MessageBoxW(owner, text.c_str(), nullptr, MB_ICONHAND);
}

// Step 7: the pattern of the occurs choice, for the task's due date as it now reports it.
bool WriteTskRecurrence(HWND owner, IPOutlookApp* app, ITask* task, const TskFields& fields) {
    DATE dueValue = POOM_NO_DATE;
    task->get_DueDate(&dueValue);
    DateRec due(kNoDateYear, 1, 1);
    PoomDateToDateRec(app, dueValue, due);
    PoomPtr<IRecurrencePattern> pattern;
    task->GetRecurrencePattern(pattern.Out());
    DATE start = POOM_NO_DATE;
    if (fields.patternStartFromDue) {
        start = IsNoDate(fields.due) ? TskDateToPoom(app, fields.start) : TskDateToPoom(app, fields.due);
    } else {
        task->get_StartDate(&start);
        if (PoomDateIsNone(start)) task->get_DueDate(&start);
    }
    return ApplyRecurChoice(task, pattern.Get(), fields.occurs, DateRec(due.wYear, due.wMonth, due.wDay), start, owner);
}

UINT SaveErrorId(HRESULT result) {
    if (result == E_POOM_INVALID_REMINDER) return IDS_INVALID_REMINDER_TIME;
    if (result == E_POOM_INVALID_DATES) return IDS_INVALID_TASK_DATES;
    return IDS_TASK_ERROR;
}

void RefreshViewsAfterNewTsk(LONG oid) {
    if (g_Settings.scheduleTasks == 0) {
        FreeBackBuffers();
        RelayoutAgendaView();
        if (ViewId == kViewDates || ViewId == kViewDay) RefreshSchedList();
    }
    if (ViewId == kViewTasks) {
        FillTskList(true);
        SelectTskListRow(oid);
    }
}

}  // namespace

TskReminder CheckTskReminder(HWND owner, const DateRec& reminderDate, const DateRec& reminderTime, const DateRec& start,
                             const DateRec& due, DateRec& reminder, bool captioned) {
    if (IsNoDate(reminderDate)) return TskReminder::Off;
    if (IsNoDate(due)) {
        ShowStop(owner, IDS_REMINDER_NEEDS_DUE, captioned);
        return TskReminder::Refused;
    }
    // A date without a time dropped the reminder without a word: the default hour stands in.
    if (IsNoDate(reminderTime))
        reminder = DateRec(reminderDate.wYear, reminderDate.wMonth, reminderDate.wDay, kDefaultReminderHour);
    else
        reminder = DateRec(reminderDate.wYear, reminderDate.wMonth, reminderDate.wDay, reminderTime.wHour,
                           reminderTime.wMinute, reminderTime.wSecond);
    if (DateIsAfter(DayOf(reminder), DayOf(due))) {
        ShowStop(owner, IDS_REMINDER_BEFORE_DUE, captioned);
        return TskReminder::Refused;
    }
    if (!IsNoDate(start)) {
        DateRec earliest = DayOf(start);
        DateSubSpan(earliest, kReminderLeadSpan);
        if (DateIsBefore(DayOf(reminder), earliest)) {
            ShowStop(owner, IDS_REMINDER_WITHIN_45_DAYS, captioned);
            return TskReminder::Refused;
        }
    }
    return TskReminder::Set;
}

int WriteTskFields(HWND owner, PoomPtr<ITask> task, const TskFields& fields, LONG& oid) {
    if (!task) return 0;
    IPOutlookApp* app = GetPoomApp();
    task->put_Subject(fields.subject.c_str());
    task->put_Importance(fields.importance);
    task->put_StartDate(TskDateToPoom(app, fields.start));
    task->put_DueDate(TskDateToPoom(app, fields.due));
    task->put_Body(fields.notes.c_str());
    task->put_Complete(fields.complete ? VARIANT_TRUE : VARIANT_FALSE);
    if (fields.writeRecurrence && !WriteTskRecurrence(owner, app, task.Get(), fields)) return 0;
    DateRec reminder;
    switch (CheckTskReminder(owner, fields.reminderDate, fields.reminderTime, fields.start, fields.due, reminder)) {
    case TskReminder::Refused: return 0;
    case TskReminder::Off: task->put_ReminderSet(VARIANT_FALSE); break;
    case TskReminder::Keep: break;
    case TskReminder::Set:
        task->put_ReminderTime(DateRecToPoom(app, reminder));
        task->put_ReminderSet(VARIANT_TRUE);
        break;
    }
    task->put_Sensitivity(fields.sensitivity);
    task->put_Categories(fields.categories.c_str());
    const HRESULT saved = task->Save();
    int result = 1;
    if (FAILED(saved)) {
        const std::u16string text =
            IsStoreFull(saved) ? StoreFullText(olTaskItem) : LoadResStr(SaveErrorId(saved), kSaveMessageChars);
        ShowMessage(owner, text.c_str(), MB_ICONHAND);
        result = 0;
    }
    task->get_Oid(&oid);
    return result;
}

int SaveNewTsk(HWND owner, TskWriter write, LONG& oid) {
    PoomPtr<IDispatch> item;
    IPOutlookApp* app = GetPoomApp();
    if (!app || FAILED(app->CreateItem(olTaskItem, item.Out())) || !item) {
        ShowMessage(owner, u"Outlook Error: Unable To Save Task.", MB_ICONEXCLAMATION);
        return 0;
    }
    g_ChangeMarks.ownChange = 1;
    oid = kNoId;
    const int saved = write(owner, QueryPoom<ITask>(item.Get(), IID_ITask), oid);
    if (!saved) g_ChangeMarks.ownChange = 0;  // nothing of ours will come back from the store
    return saved;
}

int SaveSelectedTsk(HWND owner, TskWriter write, LONG& oid) {
    if (g_CurItem.oid == kNoId) return 0;
    const TskSavingScope saving;
    PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), g_CurItem.oid, IID_ITask);
    g_ChangeMarks.ownChange = 1;
    oid = kNoId;
    const int saved = write(owner, std::move(task), oid);
    if (!saved) g_ChangeMarks.ownChange = 0;
    return saved;
}

void AfterNewTskSaved(LONG oid) {
    AddTskToList(oid);
    RefreshViewsAfterNewTsk(oid);
    if (NewItemInPrj) {
        PrjTreeTskSaved(oid);
        NewItemInPrj = 0;
    }
}

void AfterEditedTskSaved(LONG oid) {
    RemoveItemFromIndexes(oid);
    AddTskToList(oid);
    bool previewReloaded = false;
    if (g_Settings.scheduleTasks == 0) {
        FreeBackBuffers();
        RelayoutAgendaView();
        if (ViewId == kViewTaskPreview) {
            // Back in the task list, the task remembered when the preview opened is selected again.
            g_TskListState.rememberedValid = 1;
            const LONG origin = GetPreviewOrigin();
            if (origin == 1 || origin == 2) g_CurItem.listIndex = kNoId;
            g_TskPreviewReload = 1;
            previewReloaded = true;
        } else {
            ResetSelection();
            if (ViewId == kViewDates || ViewId == kViewDay) RefreshSchedList();
        }
    } else {
        ReleasePreviewBuffer();
    }
    if (previewReloaded) return;
    if (ViewId == kViewTasks) {
        const LONG selected = TskListSelId();
        FillTskList(true);
        SelectTskListRow(selected);
        ResetTskListCache();
    } else if (ViewId == kViewTaskPreview) {
        g_TskListState.rememberedValid = 1;
        g_TskPreviewReload = 1;
    }
}

LONG TskListSelId() { return OutlineGetSelId(g_TskListState.list, g_TskRows); }

void SelectTskListRow(LONG oid) {
    OutlineSelectById(g_TskListState.list, g_TskRows, oid, ScrollTo::kYes, RowRules::kItemLists);
}

void StoreItemCustomIcon(LONG oid, LONG icon, bool always) {
    const int pos = IdIndexFind(oid, g_CustomIconIndex);
    if (icon == kNoId && pos < 0 && !always) return;
    if (pos >= 0) g_CustomIconIndex.RemoveAt(pos);
    IdIndexInsert(oid, icon, g_CustomIconIndex);
    SaveCustomIconsFile();
}
