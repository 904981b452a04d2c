// Loading the task list through POOM or from the PIM volume, and reading one task by its OID.
#include "core/tsk_loading.h"

#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/store_values.h"
#include "core/tsk_priority.h"
#include "platform/memory.h"

TskArray g_TskList;
IdIndex g_TskIdIndex;

namespace {

constexpr LONG kNotRecurring = -1;

// A failed conversion leaves the date as it was.
void ReadTaskDate(IPOutlookApp* app, DATE date, DateRec& out) {
    SYSTEMTIME time{};
    if (PoomDateIsNone(date)) date = POOM_NO_DATE;
    if (app && SUCCEEDED(app->VariantTimeToSystemTime(date, &time))) out = DateRec(time);
}

LONG IsRecurringTask(ITask* item) {
    PoomPtr<IRecurrencePattern> pattern;
    LONG type = kNotRecurring;
    if (FAILED(item->GetRecurrencePattern(pattern.Out())) || !pattern) return 0;
    if (FAILED(pattern->get_RecurrenceType(&type))) return 0;
    return type != kNotRecurring ? 1 : 0;
}

void ApplyCustomIcon(TskRecord& task) {
    const LONG icon = IdIndexGet(task.oid, g_CustomIconIndex);
    if (icon != kNoId) task.icon = icon;
}

}  // namespace

void ReadTskPOOM(IPOutlookApp* app, ITask* item, TskRecord& task) {
    if (!item) return;
    item->get_Oid(&task.oid);
    BSTR text = nullptr;
    if (SUCCEEDED(item->get_Subject(&text))) {
        WCHAR letter = 0;
        ParseLetterNumberPrefix(task.subject, TakeBstr(text), letter, task.prefixNumber);
        task.prefixLetter = letter;
    }
    DATE date = 0;
    if (SUCCEEDED(item->get_DueDate(&date))) {
        task.hasDue = PoomDateIsNone(date) ? 0 : 1;
        if (task.hasDue != 0) ReadTaskDate(app, date, task.due);
    }
    if (SUCCEEDED(item->get_StartDate(&date))) ReadTaskDate(app, date, task.start);
    if (SUCCEEDED(item->get_DateCompleted(&date))) ReadTaskDate(app, date, task.completed);
    item->get_Importance(&task.importance);
    task.importance = ImportanceInRange(task.importance);
    item->get_Sensitivity(&task.sensitivity);
    task.sensitivity = SensitivityInRange(task.sensitivity);
    VARIANT_BOOL flag = VARIANT_FALSE;
    if (SUCCEEDED(item->get_ReminderSet(&flag))) task.reminderSet = flag != 0 ? 1 : 0;
    flag = VARIANT_FALSE;
    if (SUCCEEDED(item->get_Complete(&flag))) task.complete = flag != 0 ? 1 : 0;
    text = nullptr;
    if (SUCCEEDED(item->get_Body(&text))) task.hasNotes = TakeBstr(text).empty() ? 0 : 1;
    text = nullptr;
    if (SUCCEEDED(item->get_Categories(&text))) SplitCommaList(task, TakeBstr(text));
    ApplyCustomIcon(task);
    task.recurring = IsRecurringTask(item);
}

void FetchTskByOid(LONG oid, TskRecord& task) {
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<ITask> item = GetPoomItem<ITask>(app, oid, IID_ITask);
    if (item) ReadTskPOOM(app, item.Get(), task);
}

void LoadTskList(LONG reset) {
    if (GetOsMajorVersion() < kOsMajor5 || g_Settings.loadPoom == 1) {
        LoadTskPOOM();
        return;
    }
    LoadTskDb(reset);
}

void LoadTskDb(LONG reset) {
    if (reset != 0) {
        LoadCategories();
        ReloadCategoryAssoc();
    }
    g_TskList.RemoveAll();
    g_TskIdIndex.RemoveAll();
    const int read = ReadTskDbDirect(g_PimVol, g_TskList, g_CatList, g_CatAssocLists.tasks, g_Settings.taskSort,
                                     g_Settings.taskSort2, g_Settings.taskSort3, g_Settings.taskSortAsc1 != 0,
                                     g_Settings.taskSortAsc2 != 0, g_Settings.taskSortAsc3 != 0);
    if (read == 0) {
        LoadTskPOOM();
        return;
    }
    // The volume knows nothing of the program's own icons; POOM-read tasks take them, so these do too.
    for (TskRecord& task : g_TskList) ApplyCustomIcon(task);
    RebuildIdSlotMap(g_TskIdIndex, g_TskList);
    g_LoadState.tasksLoaded = 1;
}

void LoadTskPOOM() {
    g_TskList.RemoveAll();
    g_TskIdIndex.RemoveAll();
    PoomPtr<IFolder> folder;
    PoomPtr<IPOutlookItemCollection> items;
    int count = 0;
    IPOutlookApp* app = GetPoomApp();
    if (app && SUCCEEDED(app->GetDefaultFolder(olFolderTasks, folder.Out())) && folder &&
        SUCCEEDED(folder->get_Items(items.Out())) && items && SUCCEEDED(items->get_Count(&count))) {
        for (int i = 1; i <= count; ++i) {
            PoomPtr<IDispatch> element;
            if (FAILED(items->Item(i, element.Out())) || !element) break;
            PoomPtr<ITask> item = QueryPoom<ITask>(element.Get(), IID_ITask);
            TskRecord task;
            LONG oid = kNoId;
            if (item && SUCCEEDED(item->get_Oid(&oid))) ReadTskPOOM(app, item.Get(), task);
            g_TskList.Append(std::move(task));
        }
        // One stable sort gives the order of inserting each task after its equals, without the
        // quadratic inserts; the OID index is built once.
        StableSortTsks(g_TskList, g_Settings.taskSort, g_Settings.taskSort2, g_Settings.taskSort3,
                       g_Settings.taskSortAsc1 != 0, g_Settings.taskSortAsc2 != 0, g_Settings.taskSortAsc3 != 0);
        RebuildIdSlotMap(g_TskIdIndex, g_TskList);
    }
    g_LoadState.tasksLoaded = 1;
}

void SyncApptCustomIcon() {
    ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) return;
    DateRec day(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    SetDateOnlyTime(day);
    const LONG oid = g_CurItem.oid;
    for (int i = FindFirstOnDate(appts, day); i < appts->Size(); ++i) {
        ApptRecord& appt = (*appts)[i];
        if (ApptStartsAfterDay(appt, day.wYear, day.wMonth, day.wDay)) return;
        if (appt.oid != oid) continue;
        appt.icon = IdIndexGet(oid, g_CustomIconIndex);
        return;
    }
}

void SetSizeRecords104(ApptArray& records, int size, int growStep) { records.SetSize(size, growStep); }

bool FormatMessageTextArgs(std::u16string& text, const WCHAR* format, DWORD_PTR* words) {
    WCHAR* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                        (words ? FORMAT_MESSAGE_ARGUMENT_ARRAY : FORMAT_MESSAGE_IGNORE_INSERTS);
    const DWORD length = FormatMessageW(flags, format, 0, 0, reinterpret_cast<LPWSTR>(&buffer), 0,
                                        reinterpret_cast<va_list*>(words));
    text.assign(buffer ? buffer : u"");
    if (buffer) LocalFree(buffer);
    return length != 0 && buffer != nullptr;
}

void RemoveItemFromIndexes(LONG oid) {
    if (oid == kNoId) return;
    const LONG slot = IdIndexGet(oid, g_TskIdIndex);
    if (slot < 0) return;
    g_TskList.RemoveAt(slot);
    g_TskIdIndex.RemoveAt(IdIndexFind(oid, g_TskIdIndex));
    IdIndexCloseGap(slot, g_TskIdIndex);
}

void RebuildIdSlotMap() { RebuildIdSlotMap(g_TskIdIndex, g_TskList); }
