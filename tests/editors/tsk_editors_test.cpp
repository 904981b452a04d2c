// The task editors against a real PIM store: the form and the list-style editor entered as the
// user does and saved, an existing task loaded and saved back, templates, copy and delete.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "calendar/sched_list.h"
#include "calendar/tsk_preview_reload.h"
#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "core/tsk_priority.h"
#include "core/view_id.h"
#include "editors/custom_recur.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/item_commands.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/tsk_list_editor.h"
#include "editors/tsk_save.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "tests/support/prompt_answer.h"
#include "ui/date_pickers.h"
#include "ui/list_view_calls.h"

namespace {

constexpr DATE kNoDate = POOM_NO_DATE;

// The store keeps category names in its own spelling and joins them with ", ": compared without case,
// blanks and a last comma.
std::u16string CatKey(const std::u16string& text) {
    std::u16string key;
    for (const char16_t c : text) {
        if (c == u' ') continue;
        key += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    if (!key.empty() && key.back() == u',') key.pop_back();
    return key;
}

struct StoredTask {
    std::u16string subject;
    LONG importance = -1;
    LONG sensitivity = -1;
    std::u16string categories;
    DateRec start;
    DateRec due;
    bool recurring = false;
    LONG recurType = -1;
    LONG interval = 0;
    DATE patternStart = 0;
    bool reminderSet = false;
    DateRec reminder;
};

class TskEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        for (const char16_t* name : {u"Home", u"prj:Garden", u"Work"}) {
            CatRecord cat;
            cat.name = name;
            g_CatList.Append(cat);
        }
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_TskTemplateList.RemoveAll();
        g_CustomRecur = CustomRecurState{};
        g_EditorPrjCats.clear();
        g_SelectedDate = DateRec(2022, 3, 10);
        ViewId = kViewMonth;
        ResetSelection();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_Settings.listEdit = 1;
        g_Settings.confirmDel = 1;
        g_CatList.RemoveAll();
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_TskTemplateList.RemoveAll();
        g_CustomRecur = CustomRecurState{};
        g_EditorPrjCats.clear();
        NewItemInPrj = 0;
        ResetSelection();
        EndPoomSession();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }

    static LONG AddTask(const std::u16string& subject, const DateRec* start, const DateRec* due,
                        const std::u16string& categories = u"") {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(olTaskItem, item.Out()), S_OK);
        const PoomPtr<ITask> task = QueryPoom<ITask>(item.Get(), IID_ITask);
        task->put_Subject(subject.c_str());
        task->put_StartDate(start ? DateRecToPoom(GetPoomApp(), *start) : kNoDate);
        task->put_DueDate(due ? DateRecToPoom(GetPoomApp(), *due) : kNoDate);
        task->put_Categories(categories.c_str());
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = -1;
        task->get_Oid(&oid);
        return oid;
    }
    static StoredTask Stored(LONG oid) {
        StoredTask out;
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        EXPECT_TRUE(task);
        if (!task) return out;
        BSTR text = nullptr;
        task->get_Subject(&text);
        out.subject = TakeBstr(text);
        text = nullptr;
        task->get_Categories(&text);
        out.categories = CatKey(TakeBstr(text));
        task->get_Importance(&out.importance);
        task->get_Sensitivity(&out.sensitivity);
        DATE date = kNoDate;
        task->get_StartDate(&date);
        out.start = NoDate();
        PoomDateToDateRec(GetPoomApp(), date, out.start);
        task->get_DueDate(&date);
        out.due = NoDate();
        PoomDateToDateRec(GetPoomApp(), date, out.due);
        VARIANT_BOOL flag = VARIANT_FALSE;
        task->get_IsRecurring(&flag);
        out.recurring = flag != VARIANT_FALSE;
        PoomPtr<IRecurrencePattern> pattern;
        if (SUCCEEDED(task->GetRecurrencePattern(pattern.Out())) && pattern) {
            pattern->get_RecurrenceType(&out.recurType);
            pattern->get_Interval(&out.interval);
            pattern->get_PatternStartDate(&out.patternStart);
        }
        task->get_ReminderSet(&flag);
        out.reminderSet = flag != VARIANT_FALSE;
        task->get_ReminderTime(&date);
        PoomDateToDateRec(GetPoomApp(), date, out.reminder);
        return out;
    }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static void SetPicker(HWND dialog, int id, const DateRec& date) {
        SYSTEMTIME time = date;
        SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    }
    static void SelectRows(HWND dialog, int id, std::initializer_list<int> rows) {
        for (const int row : rows) SendDlgItemMessageW(dialog, id, LB_SETSEL, TRUE, row);
    }
    static std::u16string Text(HWND dialog, int id) {
        WCHAR text[256] = {};
        GetDlgItemTextW(dialog, id, text, 256);
        return text;
    }
    static ValSnap& Row(int index) { return TskEditRows()[index]; }
    static void Screenshot(HWND dialog, const char* name) {
        InvalidateRect(dialog, nullptr, TRUE);
        platform::testing::PumpUntilIdle();
        const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / name;
        EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& box : platform::testing::MessageBoxesShown()) texts.push_back(box.text);
        return texts;
    }

    ProgramDevice device;
};

// List rows of the task editor, in their fixed order.
enum TskRow { kSubject = 0, kCompleted, kPriority, kStart, kDue, kOccurs, kRemindDate, kRemindTime, kSensitivity,
              kCategories, kIcon, kAbc, kNumber, kNotes };

TEST_F(TskEditorsTest, FormEntersANewTaskIntoTheStore) {
    g_Settings.listEdit = 0;
    std::u16string dueShown;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_TSK_SUBJECT, u"Buy paint");
        SendDlgItemMessageW(dialog, IDC_TSK_PRIORITY, LB_SETCURSEL, 2, 0);
        SetPicker(dialog, IDC_TSK_START, DateRec(2022, 3, 1, 14, 30));
        SelectRows(dialog, IDC_ITEM_CATEGORIES, {0, 1});  // Home, Work: the project category has no row
        CheckDlgButton(dialog, IDC_TSK_PRIVATE, BST_CHECKED);
        SetPicker(dialog, IDC_TSK_REMIND_DATE, DateRec(2022, 3, 9));
        EnableWindow(GetDlgItem(dialog, IDC_TSK_REMIND_TIME), TRUE);
        SetPicker(dialog, IDC_TSK_REMIND_TIME, DateRec(2022, 3, 9, 7, 15));
        Screenshot(dialog, "task_form.png");
        Press(dialog, IDM_DLG_DONE);
    });
    NewTskFormDlg(1);  // "New Task": due on the selected day
    ASSERT_EQ(g_TskList.Size(), 1);
    const StoredTask task = Stored(g_TskList[0].oid);
    EXPECT_EQ(task.subject, u"Buy paint");
    EXPECT_EQ(task.importance, olImportanceHigh);
    EXPECT_EQ(task.sensitivity, olPrivate);
    EXPECT_EQ(task.categories, CatKey(u"Home,Work,"));
    EXPECT_TRUE(DateEqual(task.start, DateRec(2022, 3, 1, 1, 0)));  // dates are written at 01:00
    EXPECT_TRUE(DateEqual(task.due, DateRec(2022, 3, 10, 1, 0)));
    EXPECT_FALSE(task.recurring);
    EXPECT_TRUE(task.reminderSet);
    EXPECT_TRUE(DateEqual(task.reminder, DateRec(2022, 3, 9, 7, 15)));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TskEditorsTest, FormRefusalsKeepTheFormOpenAndSaveNothing) {
    g_Settings.listEdit = 0;
    struct Case {
        const char* what;
        DateRec start, due, reminder;
        const char16_t* message;
    };
    const DateRec none = NoDate();
    const Case cases[] = {
        {"reminder without due", DateRec(2022, 3, 1), none, DateRec(2022, 3, 1),
         u"A due date is required when setting a reminder time."},
        {"reminder after the due day", none, DateRec(2022, 3, 10), DateRec(2022, 3, 11),
         u"Reminder Time must be before Due Date."},
        {"46 days before the start", DateRec(2022, 3, 1), DateRec(2022, 3, 10), DateRec(2022, 1, 14),
         u"Reminder Time must be within 45 days of Start Date."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::testing::ClearMessageBoxes();
        bool stayedOpen = false;
        platform::testing::ActInsideDialog([&](HWND dialog) {
            if (!IsNoDate(c.start)) SetPicker(dialog, IDC_TSK_START, c.start);
            if (!IsNoDate(c.due)) SetPicker(dialog, IDC_TSK_DUE, c.due);
            SetPicker(dialog, IDC_TSK_REMIND_DATE, c.reminder);
            Press(dialog, IDM_DLG_DONE);
            stayedOpen = platform::testing::DialogIsOpen(dialog);
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewTskFormDlg(0);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(Messages(), std::vector<std::u16string>{c.message});
        EXPECT_EQ(g_TskList.Size(), 0);
    }
}

TEST_F(TskEditorsTest, ReminderRuleBoundaries) {
    const DateRec none = NoDate();
    const DateRec start(2022, 3, 1);
    const DateRec due(2022, 3, 10);
    struct Case {
        DateRec reminderDate, reminderTime;
        TskReminder expected;
    };
    const Case cases[] = {
        {none, DateRec(2022, 1, 1, 8), TskReminder::Off},
        {DateRec(2022, 3, 10), none, TskReminder::Set},              // no time: the default hour
        {DateRec(2022, 3, 10), DateRec(2000, 1, 1, 23, 59), TskReminder::Set},  // the due day passes
        {DateRec(2022, 1, 15), DateRec(2000, 1, 1, 8), TskReminder::Set},       // 45 days before the start
        {DateRec(2022, 1, 14), DateRec(2000, 1, 1, 8), TskReminder::Refused},
        {DateRec(2022, 3, 11), DateRec(2000, 1, 1, 0), TskReminder::Refused},
    };
    for (const Case& c : cases) {
        DateRec reminder;
        EXPECT_EQ(CheckTskReminder(nullptr, c.reminderDate, c.reminderTime, start, due, reminder), c.expected)
            << c.reminderDate.wMonth << "/" << c.reminderDate.wDay;
    }
    // A reminder date without a time was dropped silently; it rings at the default hour.
    DateRec reminder;
    ASSERT_EQ(CheckTskReminder(nullptr, DateRec(2022, 3, 10), none, start, due, reminder), TskReminder::Set);
    EXPECT_EQ(reminder.wDay, 10);
    EXPECT_EQ(reminder.wHour, kDefaultReminderHour);
}

TEST_F(TskEditorsTest, FormLoadsAnExistingTaskAndSavesItBack) {
    g_Settings.listEdit = 0;
    const DateRec start(2022, 3, 2, 1);  // a Wednesday
    const DateRec due(2022, 3, 9, 1);
    const LONG oid = AddTask(u"A1: Call Bob", &start, &due, u"prj:Garden, work");
    {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(task->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_StartTime(DateRecToPoom(GetPoomApp(), start));
        pattern->put_DayOfWeekMask(olWednesday);
        pattern->put_Interval(2);
        pattern->put_NoEndDate(VARIANT_TRUE);
        ASSERT_EQ(task->Save(), S_OK);
    }
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    LRESULT occursRow = -1;
    std::u16string subject;
    bool workSelected = false;
    bool homeSelected = true;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        subject = Text(dialog, IDC_TSK_SUBJECT);
        occursRow = SendDlgItemMessageW(dialog, IDC_TSK_OCCURS, LB_GETCURSEL, 0, 0);
        homeSelected = SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETSEL, 0, 0) > 0;
        workSelected = SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETSEL, 1, 0) > 0;
        SetDlgItemTextW(dialog, IDC_ITEM_NOTES, u"ask about the fence");
        Press(dialog, IDM_DLG_DONE);
    });
    EditTskFormDlg();
    EXPECT_EQ(subject, u"A1: Call Bob");  // the form shows the prefix as part of the subject
    EXPECT_EQ(occursRow, 5);              // every 2 weeks on the start's weekday
    EXPECT_TRUE(workSelected);
    EXPECT_FALSE(homeSelected);
    const StoredTask task = Stored(oid);
    EXPECT_EQ(task.subject, u"A1: Call Bob");
    EXPECT_EQ(task.categories, CatKey(u"prj:Garden,Work,"));
    EXPECT_TRUE(task.recurring);
    EXPECT_EQ(task.recurType, olRecursWeekly);
    EXPECT_EQ(task.interval, 2);
    EXPECT_EQ(g_CurItem.oid, kNoId);  // the selection is cleared outside the task preview
}

// A date row without a date opens the date grid on the day the task is made for, not on today.
TEST_F(TskEditorsTest, AnEmptyDateRowOpensTheGridOnTheTasksDay) {
    g_Settings.listEdit = 1;
    g_SelectedDate = DateRec(2022, 7, 19);
    SelectDateGrid opened{};
    platform::testing::ActInsideDialog([&opened](HWND dialog) {
        ASSERT_EQ(Row(kStart).dateValue.wYear, kNoDateYear);
        platform::testing::ActInsideDialog([&opened](HWND grid) {
            opened = g_SelectDateGrid;
            SendMessageW(grid, WM_COMMAND, IDCANCEL, 0);
        });
        const HWND list = GetDlgItem(dialog, IDC_TSK_FIELD_LIST);
        LvSelectRow(list, kStart);
        SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewTskFormDlg(0);
    EXPECT_EQ(opened.year, 2022);
    EXPECT_EQ(opened.month, 7);
    EXPECT_EQ(opened.day, 19);
}

// The form's empty date fields open the grid on the task's day (its preset due date) with the date
// keys at their default, where Enter goes through the field's date menu.
TEST_F(TskEditorsTest, FormEmptyDateFieldOpensTheGridOnTheTasksDay) {
    g_Settings.listEdit = 0;
    ASSERT_NE(g_Settings.taskDateAction, 0);
    g_SelectedDate = DateRec(2022, 7, 19);
    SelectDateGrid opened{};
    // Enter goes through the form's own loop, which asks the field first.
    platform::testing::ActInsideDialog([&opened](HWND form) {
        platform::testing::ActInsideDialog([&opened, form](HWND) {
            opened = g_SelectDateGrid;
            PostMessageW(form, WM_COMMAND, IDM_DLG_CANCEL, 0);
            platform::testing::Key(VK_ESCAPE);
        });
        SetFocus(GetDlgItem(form, IDC_TSK_START));
        platform::testing::Key(VK_RETURN);
    });
    NewTskFormDlg(1);
    EXPECT_EQ(opened.year, 2022);
    EXPECT_EQ(opened.month, 7);
    EXPECT_EQ(opened.day, 19);
}

// Another program wrote the priority prefix in lower case: Done without a change keeps its letter
// (read as the capital), never the last letter of the list.
TEST_F(TskEditorsTest, ListEditorKeepsALowerCasePriorityLetter) {
    const DateRec due(2022, 3, 10, 1);
    const LONG oid = AddTask(u"b2: Water plants", nullptr, &due);
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    LONG abc = -1;
    platform::testing::ActInsideDialog([&abc](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_TSK_FIELD_LIST));
        abc = Row(kAbc).indexValue;
        platform::testing::Key("SOFT1");
        platform::testing::PumpUntilIdle();
    });
    EditTskFormDlg();
    EXPECT_EQ(abc, 2);
    EXPECT_EQ(Stored(oid).subject, u"B2: Water plants");
}

// A new item in either task editor starts with no pattern of the series made before it.
TEST_F(TskEditorsTest, ANewTaskDoesNotInheritTheLastSeriesEnd) {
    for (const LONG listEdit : {1, 0}) {
        g_Settings.listEdit = listEdit;
        g_CustomRecur.endsAfter = 1;  // as the last custom series left it
        g_CustomRecur.occurrences = 5;
        g_CustomRecur.endDateSet = 1;
        g_CustomRecur.everyN = 3;
        g_CustomRecur.weekdays[2] = 1;
        CustomRecurState seen;
        platform::testing::ActInsideDialog([&seen](HWND dialog) {
            seen = g_CustomRecur;
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewTskFormDlg(1);
        EXPECT_EQ(seen.endsAfter, 0) << listEdit;
        EXPECT_EQ(seen.occurrences, 0) << listEdit;
        EXPECT_EQ(seen.endDateSet, 0) << listEdit;
        EXPECT_EQ(seen.everyN, 1) << listEdit;
        EXPECT_EQ(seen.weekdays[2], 0) << listEdit;
    }
}

TEST_F(TskEditorsTest, ListEditorRowsUnlockTheRowsThatDependOnThem) {
    struct Seen {
        bool occurs, remindTime, number;
    };
    std::vector<Seen> seen;
    std::u16string weeklyLabel;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_TSK_FIELD_LIST);
        const auto look = [&] {
            seen.push_back({Row(kOccurs).locked != 0, Row(kRemindTime).locked != 0, Row(kNumber).locked != 0});
        };
        const auto store = [&](int index, auto change) {
            ValSnap row = Row(index);
            change(row);
            StoreFieldRow(list, index, row);
        };
        look();
        store(kAbc, [](ValSnap& row) { row.indexValue = 3; });
        store(kDue, [](ValSnap& row) { row.dateValue = DateRec(2022, 3, 23); });  // a Wednesday
        store(kRemindDate, [](ValSnap& row) { row.dateValue = DateRec(2022, 3, 22); });
        look();
        weeklyLabel = Row(kOccurs).choices[4];
        store(kAbc, [](ValSnap& row) { row.indexValue = 0; });
        store(kDue, [](ValSnap& row) { row.dateValue = NoDate(); });
        store(kRemindDate, [](ValSnap& row) { row.dateValue = NoDate(); });
        look();
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewTskFormDlg(0);
    ASSERT_EQ(seen.size(), 3u);
    for (const auto& [i, occurs, remindTime, number] : {std::tuple{0, true, true, true}, std::tuple{1, false, false, false},
                                                         std::tuple{2, true, true, true}}) {
        EXPECT_EQ(seen[i].occurs, occurs) << i;
        EXPECT_EQ(seen[i].remindTime, remindTime) << i;
        EXPECT_EQ(seen[i].number, number) << i;
    }
    EXPECT_EQ(weeklyLabel, u"Every Wednesday");
}

TEST_F(TskEditorsTest, ListEditorEntersANewTaskWithItsPriorityPrefix) {
    bool occursLocked = true, remindTimeLocked = false, numberLocked = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        ASSERT_EQ(TskEditRows().Size(), 14);
        occursLocked = Row(kOccurs).locked != 0;  // the due date is preset: recurrence is offered
        remindTimeLocked = Row(kRemindTime).locked != 0;
        numberLocked = Row(kNumber).locked != 0;
        Row(kAbc).indexValue = 2;     // B
        Row(kNumber).indexValue = 3;
        Row(kOccurs).indexValue = 1;  // every day
        Row(kStart).dateValue = DateRec(2022, 3, 1);
        Row(kCategories).textValue = u"Work,";
        Screenshot(dialog, "task_list_editor.png");
        Press(dialog, IDM_DLG_DONE);
    });
    NewTskFormDlg(1);
    EXPECT_FALSE(occursLocked);
    EXPECT_TRUE(remindTimeLocked);
    EXPECT_TRUE(numberLocked);
    ASSERT_EQ(g_TskList.Size(), 1);
    const StoredTask task = Stored(g_TskList[0].oid);
    EXPECT_EQ(task.subject, u"B3: No Subject");
    EXPECT_EQ(task.categories, CatKey(u"Work,"));
    EXPECT_TRUE(DateEqual(task.due, DateRec(2022, 3, 10, 1, 0)));
    ASSERT_TRUE(task.recurring);
    EXPECT_EQ(task.recurType, olRecursDaily);
    // The list editor starts the pattern on the due date, not the start date.
    EXPECT_EQ(task.patternStart, DayToPoom(GetPoomApp(), DateRec(2022, 3, 10)));
    const auto shown = platform::testing::DialogsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].title, u"New Task");
}

TEST_F(TskEditorsTest, ListEditorLoadsAnExistingTaskAndWritesTheSameSubjectBack) {
    const DateRec due(2022, 3, 10, 1);
    const LONG oid = AddTask(u"A1: Call Bob", nullptr, &due, u"prj:Garden,Home,Nowhere");
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    std::u16string subject, categories, prjCats;
    LONG abc = -1, number = -1;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        subject = Row(kSubject).textValue;
        abc = Row(kAbc).indexValue;
        number = Row(kNumber).indexValue;
        categories = Row(kCategories).textValue;
        prjCats = g_EditorPrjCats;
        Row(kCompleted).plainValue = 1;
        Press(dialog, IDM_DLG_DONE);
    });
    EditTskFormDlg();
    EXPECT_EQ(subject, u"Call Bob");
    EXPECT_EQ(abc, 1);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(categories, u"Home,");  // an unknown name is dropped
    EXPECT_EQ(prjCats, u"prj:Garden,");
    const StoredTask task = Stored(oid);
    EXPECT_EQ(task.subject, u"A1: Call Bob");
    EXPECT_EQ(task.categories, CatKey(u"prj:Garden,Home,"));
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(g_TskList[0].complete, 1);
    const auto shown = platform::testing::DialogsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].title, u"Edit Task");
}

TEST_F(TskEditorsTest, CustomRecurrenceNeverEditedRefusesTheSave) {
    platform::testing::ActInsideDialog([&](HWND dialog) {
        g_CustomRecur.needsEdit = 1;
        Row(kOccurs).indexValue = kRecurEveryXDays;
        Press(dialog, IDM_DLG_DONE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewTskFormDlg(1);
    EXPECT_EQ(g_TskList.Size(), 0);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"You have not edited your Custom Recurrence settings. Use the "
                                                      u"option in the right menu to adjust them."});
}

// A stale custom end date of an earlier editor cannot block a task that does not recur: the user has
// no way to edit the custom recurrence of "Once".
TEST_F(TskEditorsTest, OnceSavesDespiteAStaleCustomEndDate) {
    g_CustomRecur.endDateSet = 1;
    g_CustomRecur.endDate = DateRec(2021, 1, 1);
    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_DONE); });
    NewTskFormDlg(1);
    EXPECT_EQ(g_TskList.Size(), 1);
    EXPECT_TRUE(Messages().empty());
}

// The project categories an earlier editor loaded must not slip into a new task.
TEST_F(TskEditorsTest, NewTaskDoesNotInheritAnEarlierItemsProjectCategories) {
    g_EditorPrjCats = u"prj:Garden,";
    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_DONE); });
    NewTskFormDlg(0);
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(Stored(g_TskList[0].oid).categories, CatKey(u""));

    // Sent into a project by the project tree, the new task keeps its category.
    g_EditorPrjCats = u"prj:Garden,";
    NewItemInPrj = 1;
    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_DONE); });
    NewTskFormDlg(0);
    ASSERT_EQ(g_TskList.Size(), 2);
    EXPECT_EQ(NewItemInPrj, 0);
    bool found = false;
    for (const TskRecord& task : g_TskList) found = found || Stored(task.oid).categories == CatKey(u"prj:Garden,");
    EXPECT_TRUE(found);
}

TEST_F(TskEditorsTest, SaveAsTemplateFromANewTaskCanLeaveWithoutTheTask) {
    platform::testing::AnswerMessageBox(IDYES);
    platform::testing::ActInsideDialog([](HWND dialog) {
        Row(kSubject).textValue = u"Water plants";
        Row(kAbc).indexValue = 2;
        Row(kNumber).indexValue = 4;
        Row(kCategories).textValue = u"Home,";
        Press(dialog, IDM_SAVE_AS_TEMPLATE);
    });
    NewTskFormDlg(0);
    EXPECT_EQ(g_TskList.Size(), 0);  // Yes: the editor closed without the task
    ASSERT_EQ(g_TskTemplateList.Size(), 1);
    EXPECT_EQ(g_TskTemplateList[0].subject, u"Water plants");
    EXPECT_EQ(g_TskTemplateList[0].prefixLetter, u'B');
    EXPECT_EQ(g_TskTemplateList[0].prefixNumber, 4);
    g_TskTemplateList.RemoveAll();
    LoadTskTemplates();
    EXPECT_EQ(g_TskTemplateList.Size(), 1);  // written to tasktmp.dat

    // Applied twice in the list editor: the prefix rows follow it, its categories are appended twice.
    LONG abc = -1, number = -1;
    std::u16string subject, categories;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        for (int round = 0; round < 2; ++round) {
            platform::testing::ActInsideDialog([](HWND picker) {
                SendDlgItemMessageW(picker, IDC_TEMPLATE_LIST, LVM_SETSELECTIONMARK, 0, 0);
                Press(picker, IDM_DLG_DONE);
            });
            Press(dialog, IDM_APPLY_TEMPLATE);
        }
        subject = Row(kSubject).textValue;
        abc = Row(kAbc).indexValue;
        number = Row(kNumber).indexValue;
        categories = Row(kCategories).textValue;
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewTskFormDlg(0);
    EXPECT_EQ(subject, u"Water plants");
    EXPECT_EQ(abc, 2);
    EXPECT_EQ(number, 4);
    EXPECT_EQ(categories, u"Home,Home,");
    EXPECT_EQ(g_TskList.Size(), 0);
}

TEST_F(TskEditorsTest, TemplateFillsTheFormAndSavingItAsTemplateWhileEditingStays) {
    g_Settings.listEdit = 0;
    TskRecord templ;
    templ.subject = u"Pay rent";
    templ.notes = u"transfer";
    templ.importance = 2;
    templ.sensitivity = 2;
    templ.categories.Append(u"prj:Garden");
    templ.categories.Append(u"work");
    InsertTskTemplate(templ);
    std::u16string subject;
    LRESULT priority = -1;
    bool privateChecked = false, workSelected = false;
    platform::testing::ActInsideDialog([](HWND picker) {
        SendDlgItemMessageW(picker, IDC_TEMPLATE_LIST, LVM_SETSELECTIONMARK, 0, 0);
        Press(picker, IDM_DLG_DONE);
    });
    platform::testing::ActInsideDialog([&](HWND dialog) {
        subject = Text(dialog, IDC_TSK_SUBJECT);
        priority = SendDlgItemMessageW(dialog, IDC_TSK_PRIORITY, LB_GETCURSEL, 0, 0);
        privateChecked = IsDlgButtonChecked(dialog, IDC_TSK_PRIVATE) == BST_CHECKED;
        workSelected = SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETSEL, 1, 0) > 0;
        Press(dialog, IDM_DLG_DONE);
    });
    NewTskFromTemplateDlg(0);
    EXPECT_EQ(subject, u"Pay rent");
    EXPECT_EQ(priority, 2);
    EXPECT_TRUE(privateChecked);
    EXPECT_TRUE(workSelected);
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(Stored(g_TskList[0].oid).categories, CatKey(u"prj:Garden,Work,"));

    // Editing a task, "Save As Template" says so and keeps the form open.
    g_CurItem.oid = g_TskList[0].oid;
    g_CurItem.kind = kItemTask;
    platform::testing::ActInsideDialog([](HWND dialog) {
        Press(dialog, IDM_SAVE_AS_TEMPLATE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditTskFormDlg();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"New Template Saved."});
    EXPECT_EQ(g_TskTemplateList.Size(), 2);
}

// The new category's row is placed among all categories while the form lists only the non-project
// ones: without the refill, the rows after a project category would save their neighbour's name.
TEST_F(TskEditorsTest, NewCategoryInTheFormSavesTheNamesShown) {
    g_Settings.listEdit = 0;
    std::vector<std::u16string> rows;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SelectRows(dialog, IDC_ITEM_CATEGORIES, {1});  // Work
        testsupport::AnswerPrompt(IDM_DLG_DONE, u"Stone");
        Press(dialog, IDC_NEW_CATEGORY);
        const LRESULT count = SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row) {
            WCHAR text[64] = {};
            SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETTEXT, static_cast<WPARAM>(row),
                                reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        Press(dialog, IDM_DLG_DONE);
    });
    NewTskFormDlg(0);
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"Home", u"Stone", u"Work"}));
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(Stored(g_TskList[0].oid).categories, CatKey(u"Stone,Work,"));
}

TEST_F(TskEditorsTest, RefusedSavesNameTheirCause) {
    struct Case {
        HRESULT result;
        const char16_t* message;
    };
    const Case cases[] = {
        {E_POOM_INVALID_REMINDER, u"Invalid Reminder Time"},
        {E_POOM_INVALID_DATES, u"Invalid Dates. One possible reason is a Due Date is required if a Start Date is selected."},
        {E_FAIL, u"Task Error"},
    };
    for (const Case& c : cases) {
        platform::testing::ClearMessageBoxes();
        platform::testing::FailPimCall("ITask::Save", c.result);
        platform::testing::ActInsideDialog([](HWND dialog) {
            Press(dialog, IDM_DLG_DONE);
            Press(dialog, IDM_DLG_CANCEL);
        });
        g_ChangeMarks.ownChange = 0;
        NewTskFormDlg(1);
        EXPECT_EQ(Messages(), std::vector<std::u16string>{c.message});
        EXPECT_EQ(g_TskList.Size(), 0);
        EXPECT_EQ(g_ChangeMarks.ownChange, 0) << "no change of ours will come back from the store";
    }
    platform::testing::ClearPimFailures();
}

// The store refuses a new task when it holds all the tasks it can keep: the message says so, with the
// count, instead of the bare "Task Error".
TEST_F(TskEditorsTest, AFullStoreSaysWhichKindIsFull) {
    AddTask(u"First", nullptr, nullptr);
    AddTask(u"Second", nullptr, nullptr);
    platform::testing::ClearMessageBoxes();
    platform::testing::FailPimCall("Store::Save", E_OUTOFMEMORY);
    platform::testing::ActInsideDialog([](HWND dialog) {
        Press(dialog, IDM_DLG_DONE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    g_ChangeMarks.ownChange = 0;
    NewTskFormDlg(1);
    platform::testing::ClearPimFailures();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"The store is full: it holds 2 tasks, the most it can keep."});
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
}

TEST_F(TskEditorsTest, FormReminderTimeAndOccursFollowTheirDates) {
    g_Settings.listEdit = 0;
    bool enabledAfterDate = false, disabledAfterClear = true;
    std::u16string occursLabel;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        const auto killFocus = [dialog](int id) {
            NMHDR header{GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), static_cast<UINT>(NM_KILLFOCUS)};
            SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
        };
        SetPicker(dialog, IDC_TSK_REMIND_DATE, DateRec(2022, 3, 9));
        killFocus(IDC_TSK_REMIND_DATE);
        enabledAfterDate = IsWindowEnabled(GetDlgItem(dialog, IDC_TSK_REMIND_TIME)) != FALSE;
        SendDlgItemMessageW(dialog, IDC_TSK_REMIND_DATE, DTM_SETSYSTEMTIME, GDT_NONE, 0);
        killFocus(IDC_TSK_REMIND_DATE);
        disabledAfterClear = IsWindowEnabled(GetDlgItem(dialog, IDC_TSK_REMIND_TIME)) == FALSE;
        SetPicker(dialog, IDC_TSK_DUE, DateRec(2022, 3, 16));  // a Wednesday
        killFocus(IDC_TSK_DUE);
        WCHAR text[128] = {};
        SendDlgItemMessageW(dialog, IDC_TSK_OCCURS, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(text));
        occursLabel = text;
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewTskFormDlg(0);
    EXPECT_TRUE(enabledAfterDate);
    EXPECT_TRUE(disabledAfterClear);
    EXPECT_NE(occursLabel.find(u"Wednesday"), std::u16string::npos) << std::string(occursLabel.begin(), occursLabel.end());
    EXPECT_EQ(g_TskList.Size(), 0);
}

TEST_F(TskEditorsTest, EditInTheTaskPreviewAsksThePreviewToReload) {
    const DateRec start(2022, 3, 1, 1);
    const DateRec due(2022, 3, 10, 1);
    const LONG oid = AddTask(u"Pack", &start, &due);
    AddTskToList(oid);
    ViewId = kViewTaskPreview;
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    g_TskPreviewReload = 0;
    g_TskListState.rememberedValid = 0;
    platform::testing::ActInsideDialog([](HWND dialog) {
        Row(kStart).dateValue = NoDate();  // "No Date" from the row's pop-up
        Press(dialog, IDM_DLG_DONE);
    });
    EditTskFormDlg();
    EXPECT_EQ(g_TskPreviewReload, 1);
    EXPECT_EQ(g_TskListState.rememberedValid, 1) << "the task list selects its remembered task when it comes back";
    g_TskListState.rememberedValid = 0;
    EXPECT_EQ(g_CurItem.oid, oid);  // the preview keeps its task
    EXPECT_TRUE(IsNoDate(Stored(oid).start));
    ASSERT_EQ(g_TskList.Size(), 1);
    const auto shown = platform::testing::DialogsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].controls, std::vector<int>{IDC_TSK_FIELD_LIST});  // LISTEDIT: never the form
    g_TskPreviewReload = 0;
}

// A copy the full store refuses says so; no copy appears.
TEST_F(TskEditorsTest, ACopyTheFullStoreRefusesSaysSo) {
    const LONG oid = AddTask(u"Water plants", nullptr, nullptr);
    AddTskToList(oid);
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    platform::testing::ClearMessageBoxes();
    platform::testing::FailPimCall("Store::Save", E_OUTOFMEMORY);
    CopyTskCmd();
    platform::testing::ClearPimFailures();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"The store is full: it holds 1 task, the most it can keep."});
    EXPECT_EQ(g_TskList.Size(), 1);
    g_ChangeMarks.ownChange = 0;
}

TEST_F(TskEditorsTest, CopyAndDeleteTheSelectedTask) {
    const DateRec due(2022, 3, 10, 1);
    const LONG oid = AddTask(u"C2: Clean gutters", nullptr, &due);
    AddTskToList(oid);
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    CopyTskCmd();
    ASSERT_EQ(g_TskList.Size(), 2);
    LONG copyOid = g_TskList[0].oid == oid ? g_TskList[1].oid : g_TskList[0].oid;
    EXPECT_NE(copyOid, oid);
    EXPECT_EQ(Stored(copyOid).subject, u"C2: Clean gutters");
    EXPECT_EQ(g_CurItem.oid, oid);  // the selection stays on the task copied

    platform::testing::AnswerMessageBox(IDNO);
    DeleteTskCmd();
    EXPECT_EQ(g_TskList.Size(), 2);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Are you sure you want to delete the task 'Clean gutters'?"});

    platform::testing::AnswerMessageBox(IDYES);
    DeleteTskCmd();
    EXPECT_EQ(g_TskList.Size(), 1);
    EXPECT_FALSE(GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask));
    EXPECT_EQ(g_CurItem.oid, kNoId);

    platform::testing::ClearMessageBoxes();
    g_Settings.confirmDel = 0;
    g_CurItem.oid = copyOid;
    g_CurItem.kind = kItemTask;
    DeleteTskCmd();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(g_TskList.Size(), 0);
    EXPECT_FALSE(GetPoomItem<ITask>(GetPoomApp(), copyOid, IID_ITask));
}

// A delete the store refused still took the task out of the list, its links and its indexes.
TEST_F(TskEditorsTest, ADeleteTheStoreRefusesKeepsTheTask) {
    const LONG oid = AddTask(u"Keep me", nullptr, nullptr);
    AddTskToList(oid);
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    g_Settings.confirmDel = 0;
    platform::testing::FailPimCall("ITask::Delete");
    DeleteTskCmd();
    platform::testing::ClearPimFailures();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{kItemNotDeletedText});
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(g_TskList[0].oid, oid);
    EXPECT_TRUE(GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask));
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
}

}  // namespace
