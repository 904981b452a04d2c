// The task list's rows: one fill routine per grouping mode of the first sort key. The grouped modes
// rely on the task array being kept in the order of that key.
#include <array>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/item_filters.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/tsk_loading.h"
#include "lists/task_view.h"
#include "resources/resource.h"
#include "ui/outline_list.h"

ListRowArray g_TskRows;

namespace {

constexpr LONG kSensitivityLevels = 4;

void AddRow(LONG kind, LONG id = -1, const std::u16string& text = {}) {
    ListRow row;
    row.kind = kind;
    row.id = id;
    row.text = text;
    g_TskRows.Append(row);
}

void AddHeader(const std::u16string& caption) { AddRow(kRowHeader, -1, caption); }
void AddHeader(UINT id) { AddHeader(LoadResString(id)); }
// Two-line rows are tall enough to part the groups on their own.
void AddSpacer() {
    if (g_Settings.taskTwoLine == 0) AddRow(kRowSpacer);
}
bool Shown(const TskRecord& task) { return TskIsShown(task, kCatKindTasks) != 0; }
void AddTask(const TskRecord& task) { AddRow(kRowItem, task.oid); }
bool Ascending() { return g_Settings.taskSortAsc1 != 0; }

// Adds the shown tasks from index on while the test holds; the index of the first that fails.
template <class Test>
int AddRun(int index, Test&& belongs) {
    for (; index < g_TskList.Size() && belongs(g_TskList[index]); ++index) {
        if (Shown(g_TskList[index])) AddTask(g_TskList[index]);
    }
    return index;
}

// The headers before a group: a spacer except before the list's first header.
void OpenGroup(const std::u16string& caption) {
    if (!g_TskRows.IsEmpty()) AddSpacer();
    AddHeader(caption);
}

// Every shown task that belongs, under the caption; with "HIDEEMPTYCAT" the header waits for the
// first such task.
template <class Test>
void AddGroup(const std::u16string& caption, Test&& belongs) {
    bool opened = g_Settings.hideEmptyCat == 0;
    if (opened) OpenGroup(caption);
    for (const TskRecord& task : g_TskList) {
        if (!belongs(task) || !Shown(task)) continue;
        if (!opened) {
            OpenGroup(caption);
            opened = true;
        }
        AddTask(task);
    }
}

void AddNothingRowWhenEmpty() {
    if (g_TskRows.IsEmpty()) AddRow(kRowNothing);
}

using FillRoutine = void (*)();
struct FillMode {
    LONG sort;
    FillRoutine fill;
    bool grouped;
};

constexpr std::array<FillMode, 7> kFillModes = {{
    {kTskSortName, FillTskFlat, false},
    {kTskSortDueDate, FillTskFlat, false},
    {kTskSortPriority, FillTskByPriority, true},
    {kTskSortCategory, FillTskByCategory, true},
    {kTskSortSensitivity, FillTskBySensitivity, true},
    {kTskSortCompleted, FillTskByCompleted, true},
    {kTskSortAdvPriority, FillTskByAdvPriority, true},
}};

}  // namespace

void FillTskFlat() {
    for (const TskRecord& task : g_TskList) {
        if (Shown(task)) AddTask(task);
    }
    AddNothingRowWhenEmpty();
}

void FillTskByPriority() {
    const bool up = Ascending();
    const LONG first = up ? kImportanceLow : kImportanceHigh;
    const LONG last = up ? kImportanceHigh : kImportanceLow;
    AddHeader(up ? IDS_LOW_PRIORITY : IDS_HIGH_PRIORITY);
    int index = AddRun(0, [first](const TskRecord& t) { return t.importance == first; });
    AddSpacer();
    AddHeader(IDS_NORMAL_PRIORITY);
    index = AddRun(index, [](const TskRecord& t) { return t.importance == kImportanceNormal; });
    AddSpacer();
    AddHeader(up ? IDS_HIGH_PRIORITY : IDS_LOW_PRIORITY);
    for (; index < g_TskList.Size(); ++index) {
        const TskRecord& task = g_TskList[index];
        if (task.importance == last && Shown(task)) AddTask(task);
    }
}

void FillTskBySensitivity() {
    int index = 0;
    for (LONG pass = 0; pass < kSensitivityLevels; ++pass) {
        const LONG value = Ascending() ? pass : kSensitivityLevels - 1 - pass;
        bool headed = false;
        for (; index < g_TskList.Size() && g_TskList[index].sensitivity == value; ++index) {
            if (!Shown(g_TskList[index])) continue;
            if (!headed) AddHeader(GetSensitivityCaption(value));
            headed = true;
            AddTask(g_TskList[index]);
        }
        if (headed && pass < kSensitivityLevels - 1) AddSpacer();
    }
    if (g_Settings.hidePrivate != 0 && !g_TskRows.IsEmpty()) AddRow(kRowPrivateHidden);
    AddNothingRowWhenEmpty();
}

void FillTskByCompleted() {
    // Descending puts the completed tasks first.
    const bool firstDone = !Ascending();
    const auto done = [](const TskRecord& t) { return t.complete != 0; };
    AddHeader(firstDone ? IDS_COMPLETED : IDS_NOT_COMPLETED);
    int index = AddRun(0, [&](const TskRecord& t) { return done(t) == firstDone; });
    AddSpacer();
    AddHeader(firstDone ? IDS_NOT_COMPLETED : IDS_COMPLETED);
    for (; index < g_TskList.Size(); ++index) {
        const TskRecord& task = g_TskList[index];
        if (done(task) != firstDone && Shown(task)) AddTask(task);
    }
}

void FillTskByAdvPriority() {
    if (g_TskList.IsEmpty()) return AddNothingRowWhenEmpty();
    LONG runLetter = g_TskList[0].prefixLetter;
    bool headed = false;
    for (const TskRecord& task : g_TskList) {
        if (task.prefixLetter != runLetter) {
            runLetter = task.prefixLetter;
            headed = false;
        }
        if (!Shown(task)) continue;
        if (!headed) AddHeader(GetAdvPriorityCaption(static_cast<WCHAR>(runLetter)));
        headed = true;
        AddTask(task);
    }
    AddNothingRowWhenEmpty();
}

void FillTskByCategory() {
    for (const CatRecord& category : g_CatList) {
        if (IsPrjCat(category.name)) continue;
        AddGroup(category.name, [&category](const TskRecord& t) { return TskHasCategory(t, category.name); });
    }
    AddGroup(LoadResString(IDS_NO_CATEGORY), [](const TskRecord& t) { return t.categories.IsEmpty(); });
    AddNothingRowWhenEmpty();
}

// Fills g_TskRows for "TASKSORT"; false when the value names no mode (the rows stay as they are).
bool FillTskRows() {
    for (const FillMode& mode : kFillModes) {
        if (mode.sort != g_Settings.taskSort) continue;
        g_TskRows.RemoveAll();
        if (g_TskList.IsEmpty()) {
            AddRow(kRowNothing);
            return true;
        }
        mode.fill();
        if (mode.grouped) OutlineStartCollapsed(g_TskRows, OutlineMode::kItemLists);
        return true;
    }
    return false;
}
