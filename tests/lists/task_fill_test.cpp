// The task list's rows in every grouping mode: the groups, captions and spacers each mode gives for
// a sorted task array, the rows of an empty or wholly hidden array, and the private-items row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "resources/quorvia_resources.h"

namespace {

struct TaskSeed {
    LONG oid;
    LONG importance = 1;
    LONG sensitivity = 0;
    LONG complete = 0;
    WCHAR letter = 0;
    std::vector<std::u16string> categories = {};
};

// One row as text: "H:caption", "S" spacer, "N" nothing to show, "P" private items hidden, or the
// task's OID.
std::string RowText(const ListRow& row) {
    switch (row.kind) {
    case kRowHeader: {
        std::string caption;
        for (char16_t ch : row.text) caption += static_cast<char>(ch);
        return "H:" + caption;
    }
    case kRowSpacer: return "S";
    case kRowNothing: return "N";
    case kRowPrivateHidden: return "P";
    case kRowItem: return std::to_string(row.id);
    default: return "?";
    }
}

std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (const ListRow& row : g_TskRows) rows.push_back(RowText(row));
    return rows;
}

class TaskFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        savedSettings_ = g_Settings;
        savedView_ = ViewId;
        g_Settings = AppSettings();
        ViewId = kViewTasks;
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Work", u"Prj:Garden", u"Home", u"Golf"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
    }
    void TearDown() override {
        g_Settings = savedSettings_;
        ViewId = savedView_;
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_TskRows.RemoveAll();
        g_CatList.RemoveAll();
    }
    static void SetTasks(const std::vector<TaskSeed>& seeds) {
        g_TskList.RemoveAll();
        for (const TaskSeed& seed : seeds) {
            TskRecord task;
            task.oid = seed.oid;
            task.importance = seed.importance;
            task.sensitivity = seed.sensitivity;
            task.complete = seed.complete;
            task.prefixLetter = seed.letter;
            for (const std::u16string& name : seed.categories) task.categories.Append(name);
            g_TskList.Append(task);
        }
    }
    static std::vector<std::string> Fill(LONG sort) {
        g_Settings.taskSort = sort;
        g_TskRows.RemoveAll();
        FillTskRows();
        return Rows();
    }

    AppSettings savedSettings_;
    LONG savedView_ = 0;
};

using Expect = std::vector<std::string>;

TEST_F(TaskFillTest, NoTasksGiveOneNothingRowInEveryMode) {
    SetTasks({});
    for (LONG sort = kTskSortName; sort <= kTskSortAdvPriority; ++sort) EXPECT_EQ(Fill(sort), Expect{"N"}) << sort;
}

TEST_F(TaskFillTest, GroupsOfEachModeFromASortedArray) {
    struct Case {
        const char* name;
        LONG sort;
        LONG ascending;
        std::vector<TaskSeed> tasks;
        Expect rows;
    };
    const Case cases[] = {
        {"name", kTskSortName, 0, {{1}, {2}}, {"1", "2"}},
        {"due date", kTskSortDueDate, 0, {{2}, {1}}, {"2", "1"}},
        {"priority", kTskSortPriority, 0, {{1, 2}, {2, 2}, {3, 0}},
         {"H:High Priority", "1", "2", "S", "H:Normal Priority", "S", "H:Low Priority", "3"}},
        {"priority ascending", kTskSortPriority, 1, {{1, 0}, {2, 1}},
         {"H:Low Priority", "1", "S", "H:Normal Priority", "2", "S", "H:High Priority"}},
        {"sensitivity", kTskSortSensitivity, 0, {{1, 1, 2}, {2, 1, 0}, {3, 1, 0}},
         {"H:Private", "1", "S", "H:Normal", "2", "3"}},
        {"sensitivity ascending", kTskSortSensitivity, 1, {{1, 1, 0}, {2, 1, 3}},
         {"H:Normal", "1", "S", "H:Confidential", "2"}},
        {"completed", kTskSortCompleted, 0, {{1, 1, 0, 1}, {2, 1, 0, 0}},
         {"H:Completed", "1", "S", "H:Not Completed", "2"}},
        {"completed ascending", kTskSortCompleted, 1, {{1, 1, 0, 0}, {2, 1, 0, 1}},
         {"H:Not Completed", "1", "S", "H:Completed", "2"}},
        {"advanced priority", kTskSortAdvPriority, 0, {{1, 1, 0, 0, 0}, {2, 1, 0, 0, u'A'}, {3, 1, 0, 0, u'A'}},
         {"H:No Advanced", "1", "H:A", "2", "3"}},
    };
    for (const Case& c : cases) {
        SetTasks(c.tasks);
        g_Settings.taskSortAsc1 = c.ascending;
        EXPECT_EQ(Fill(c.sort), c.rows) << c.name;
    }
}

TEST_F(TaskFillTest, CategoryModeListsTasksUnderEachOrdinaryCategory) {
    // Task 1 in two categories, task 2 only in a project, task 3 in none.
    SetTasks({{1, 1, 0, 0, 0, {u"home", u"Work"}}, {2, 1, 0, 0, 0, {u"Prj:Garden"}}, {3}});
    EXPECT_EQ(Fill(kTskSortCategory), (Expect{"H:Work", "1", "S", "H:Home", "1", "S", "H:No Category", "3"}));
    g_Settings.hideEmptyCat = 0;
    EXPECT_EQ(Fill(kTskSortCategory),
              (Expect{"H:Work", "1", "S", "H:Home", "1", "S", "H:Golf", "S", "H:No Category", "3"}));
}

TEST_F(TaskFillTest, WhollyHiddenArrayKeepsOnlyTheAlwaysStandingHeaders) {
    SetTasks({{1, 2, 0, 1, 0, {u"Work"}}, {2, 0, 0, 1}});
    g_Settings.hideComplete = 1;
    struct Case {
        LONG sort;
        LONG twoLine;
        LONG hideEmptyCat;
        Expect rows;
    };
    const Case cases[] = {
        {kTskSortName, 0, 1, {"N"}},
        {kTskSortDueDate, 0, 1, {"N"}},
        {kTskSortPriority, 0, 1, {"H:High Priority", "S", "H:Normal Priority", "S", "H:Low Priority"}},
        {kTskSortPriority, 1, 1, {"H:High Priority", "H:Normal Priority", "H:Low Priority"}},
        {kTskSortCompleted, 0, 1, {"H:Completed", "S", "H:Not Completed"}},
        {kTskSortSensitivity, 0, 1, {"N"}},
        {kTskSortAdvPriority, 0, 1, {"N"}},
        {kTskSortCategory, 0, 1, {"N"}},
        {kTskSortCategory, 0, 0, {"H:Work", "S", "H:Home", "S", "H:Golf", "S", "H:No Category"}},
        {kTskSortCategory, 1, 0, {"H:Work", "H:Home", "H:Golf", "H:No Category"}},
    };
    for (const Case& c : cases) {
        g_Settings.taskTwoLine = c.twoLine;
        g_Settings.hideEmptyCat = c.hideEmptyCat;
        EXPECT_EQ(Fill(c.sort), c.rows) << "sort " << c.sort << " two-line " << c.twoLine;
    }
}

TEST_F(TaskFillTest, HiddenPrivateTasksEndTheSensitivityListWithItsRow) {
    SetTasks({{1, 1, 2}, {2, 1, 0}});
    g_Settings.hidePrivate = 1;
    EXPECT_EQ(Fill(kTskSortSensitivity), (Expect{"H:Normal", "2", "P"}));
    SetTasks({{1, 1, 2}});
    EXPECT_EQ(Fill(kTskSortSensitivity), Expect{"N"});
}

TEST_F(TaskFillTest, FilteredOutTasksAreLeftOutAndAnUnknownModeKeepsTheRows) {
    SetTasks({{1, 1, 0, 0, 0, {u"Work"}}, {2}});
    g_Settings.taskFilterOn = 1;
    g_Settings.globalFilter = 0;
    g_CatList[0].taskMark = 1;
    EXPECT_EQ(Fill(kTskSortName), Expect{"1"});
    g_TskRows.RemoveAll();
    ListRow nothing;
    nothing.kind = kRowNothing;
    g_TskRows.Append(nothing);
    g_Settings.taskSort = 99;
    EXPECT_FALSE(FillTskRows());
    EXPECT_EQ(Rows(), Expect{"N"});
}

}  // namespace
