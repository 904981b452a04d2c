// The list-style editors' custom recurrence and reminder-times dialogs, driven through the editors'
// windows with keys and typed numbers, and the series and reminders that reach the PIM store.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "editors/appt_editor_state.h"
#include "editors/appt_list_editor.h"
#include "editors/custom_recur.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/item_commands.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "editors/tsk_list_editor.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "tests/editors/prompt_answer.h"
#include "ui/list_view_calls.h"
#include "tests/support/stored_pattern.h"

namespace {

// Rows of the appointment editor and of the task editor that these tests touch.
constexpr int kApptOccurs = 7;
constexpr int kApptReminder = 8;
constexpr int kTskOccurs = 5;

// Rows of the recurrence dialog: the weekly variant, and the end rows every variant ends with.
constexpr int kWeeklyEvery = 1;
constexpr int kWeeklyMonday = 4;
constexpr int kDailyEvery = 1;
enum EndRows { kEndsAfter = 2, kEndsCount = 3 };  // counted from the "Recurrence Ends" heading

// Rows of the reminder-times dialog.
enum ReminderRows { kUseCustom = 1, kDays = 2, kHours = 3, kMinutes = 4 };

using testsupport::StoredPattern;

class ListDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        g_Settings.listEdit = 1;
        g_ApptEditor = ApptEditorState{};
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_SelectedDate = DateRec(2022, 3, 10);
        ViewId = kViewMonth;
        ResetSelection();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        g_EditorPrjCats.clear();
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        ResetSelection();
        EndPoomSession();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }

    static LONG AddAppt(const DateRec& start, LONG reminderMinutes = 15) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, item.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        DateRec end = start;
        end.wHour = static_cast<WORD>(start.wHour + 1);
        appt->put_Subject(u"Choir");
        appt->put_Start(DateRecToPoom(GetPoomApp(), start));
        appt->put_End(DateRecToPoom(GetPoomApp(), end));
        appt->put_ReminderSet(VARIANT_TRUE);
        appt->put_ReminderMinutesBeforeStart(reminderMinutes);
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemAppt;
        return oid;
    }
    static LONG AddTask(const DateRec* start, const DateRec& due) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(olTaskItem, item.Out()), S_OK);
        const PoomPtr<ITask> task = QueryPoom<ITask>(item.Get(), IID_ITask);
        task->put_Subject(u"Water the plants");
        task->put_StartDate(start ? DateRecToPoom(GetPoomApp(), *start) : POOM_NO_DATE);
        task->put_DueDate(DateRecToPoom(GetPoomApp(), due));
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = -1;
        task->get_Oid(&oid);
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemTask;
        return oid;
    }
    static PoomPtr<IAppointment> Appt(LONG oid) { return GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment); }
    static StoredPattern StoredApptPattern(LONG oid) {
        const PoomPtr<IAppointment> appt = Appt(oid);
        EXPECT_TRUE(appt);
        return testsupport::StoredPatternOf(appt.Get());
    }
    static StoredPattern StoredTaskPattern(LONG oid) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        EXPECT_TRUE(task);
        return testsupport::StoredPatternOf(task.Get());
    }
    static LONG StoredReminder(LONG oid) {
        LONG minutes = -1;
        Appt(oid)->get_ReminderMinutesBeforeStart(&minutes);
        return minutes;
    }

    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static HWND List(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    static void Key(HWND list, WPARAM key) { SendMessageW(list, WM_KEYDOWN, key, 0); }
    // Selects a row and presses the key on it `times` times.
    static void KeyOnRow(HWND list, int row, WPARAM key, int times = 1) {
        LvSelectRow(list, row);
        for (int i = 0; i < times; ++i) Key(list, key);
    }
    // Types a number into a row as the user does: its first digit on the row, the rest in the prompt.
    static void TypeNumber(HWND list, int row, const std::u16string& text) {
        LvSelectRow(list, row);
        AnswerPrompt(text);
        SendMessageW(list, WM_CHAR, text.empty() ? u'0' : text[0], 0);
    }
    static int EndsHeading(HWND) {
        const ValSnapArray& rows = FieldListRows();
        for (int i = 0; i < rows.Size(); ++i) {
            if (rows[i].label == u"Recurrence Ends") return i;
        }
        return -1;
    }
    static std::u16string Shown(int row) {
        const ValSnap& snap = FieldListRows()[row];
        return GetRowChoiceText(snap);
    }
    // The editor's action runs once the nested dialog opened by `command` has run `inner`.
    static void InNested(HWND editor, int command, std::function<void(HWND)> inner) {
        platform::testing::ActInsideDialog(std::move(inner));
        Press(editor, command);
    }
    // The question asked while the editor opens gets the answer, then the action runs in the editor.
    static void AnswerThenAct(int answer, std::function<void(HWND)> action) {
        platform::testing::ActInsideDialog([answer](HWND) { platform::testing::EndModalLoop(answer); });
        platform::testing::ActInsideDialog(std::move(action));
    }
    static std::vector<std::u16string> Messages() {
        std::vector<std::u16string> texts;
        for (const auto& box : platform::testing::MessageBoxesShown()) texts.push_back(box.text);
        return texts;
    }

    ProgramDevice device;
};

using RecurListDlgTest = ListDlgTest;
using ReminderTimesDlgTest = ListDlgTest;

// The appointment editor: a custom week picked on its Occurs row preselects the start's weekday; in
// the dialog a typed interval, a second weekday and a typed count; the series reaches the store.
TEST_F(RecurListDlgTest, CustomWeekOfAnAppointmentIsStoredAsEdited) {
    const LONG oid = AddAppt(DateRec(2022, 3, 9, 18, 0));  // a Wednesday
    bool countLockedAtOpen = false, countLockedAfterTick = true;
    std::u16string everyShown, countShown;
    LONG needsEditBefore = -1;
    platform::testing::ActInsideDialog([&](HWND editor) {
        const HWND list = List(editor, IDC_APPT_FIELD_LIST);
        KeyOnRow(list, kApptOccurs, VK_RIGHT, kRecurCustomWeek);
        needsEditBefore = g_CustomRecur.needsEdit;
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            const HWND rows = List(dialog, IDC_RECUR_FIELD_LIST);
            const int ends = EndsHeading(dialog);
            countLockedAtOpen = FieldListRows()[ends + kEndsCount].locked != 0;
            TypeNumber(rows, kWeeklyEvery, u"3");
            KeyOnRow(rows, kWeeklyMonday, VK_RETURN);
            KeyOnRow(rows, ends + kEndsAfter, VK_RETURN);
            countLockedAfterTick = FieldListRows()[ends + kEndsCount].locked != 0;
            TypeNumber(rows, ends + kEndsCount, u"5");
            everyShown = Shown(kWeeklyEvery);
            countShown = Shown(ends + kEndsCount);
            Press(dialog, IDM_DLG_DONE);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_EQ(needsEditBefore, 1);
    EXPECT_TRUE(countLockedAtOpen);
    EXPECT_FALSE(countLockedAfterTick);
    EXPECT_EQ(everyShown, u"3");
    EXPECT_EQ(countShown, u"5");
    EXPECT_TRUE(Messages().empty());
    const StoredPattern stored = StoredApptPattern(oid);
    ASSERT_TRUE(stored.recurring);
    EXPECT_EQ(stored.type, olRecursWeekly);
    EXPECT_EQ(stored.interval, 3);
    EXPECT_EQ(stored.mask, olWednesday | olMonday);
    EXPECT_EQ(stored.occurrences, 5);
    EXPECT_FALSE(stored.noEnd);
}

// The task editor opens the same dialog in its daily variant; Cancel there keeps the interval, and
// a typed interval after a second visit is what the store gets.
TEST_F(RecurListDlgTest, EveryXDaysOfATaskCancelKeepsAndDoneStores) {
    const DateRec start(2022, 3, 1, 1), due(2022, 3, 10, 1);
    const LONG oid = AddTask(&start, due);
    LONG afterCancel = -1;
    int rowsShown = 0;
    platform::testing::ActInsideDialog([&](HWND editor) {
        const HWND list = List(editor, IDC_TSK_FIELD_LIST);
        KeyOnRow(list, kTskOccurs, VK_RIGHT, kRecurEveryXDays);
        g_CustomRecur.everyN = 12;
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            rowsShown = FieldListRows().Size();
            TypeNumber(List(dialog, IDC_RECUR_FIELD_LIST), kDailyEvery, u"40");
            Press(dialog, IDM_DLG_CANCEL);
        });
        afterCancel = g_CustomRecur.everyN;
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            const HWND rows = List(dialog, IDC_RECUR_FIELD_LIST);
            TypeNumber(rows, kDailyEvery, u"4");
            const int ends = EndsHeading(dialog);
            KeyOnRow(rows, ends + kEndsAfter, VK_RETURN);
            TypeNumber(rows, ends + kEndsCount, u"6");
            Press(dialog, IDM_DLG_DONE);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditTskFormDlg();
    EXPECT_EQ(rowsShown, 6);  // Select, Every X Days, Recurrence Ends, Ends, End After, count
    EXPECT_EQ(afterCancel, 12);
    EXPECT_TRUE(Messages().empty());
    const StoredPattern stored = StoredTaskPattern(oid);
    ASSERT_TRUE(stored.recurring);
    EXPECT_EQ(stored.type, olRecursDaily);
    EXPECT_EQ(stored.interval, 4);
    EXPECT_EQ(stored.occurrences, 6);
}

// A pattern no Occurs choice names (every 5 weeks) keeps its shape, and the end typed in the custom
// dialog reaches the store: it was dropped on Done.
TEST_F(RecurListDlgTest, AnEndSetOnASeriesNoChoiceNamesIsStored) {
    const DateRec start(2022, 3, 1, 1), due(2022, 3, 10, 1);  // starts on a Tuesday
    const LONG oid = AddTask(&start, due);
    LONG shown = 0;
    {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        ASSERT_TRUE(task);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(task->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_Interval(5);
        pattern->put_DayOfWeekMask(olTuesday);
        pattern->put_NoEndDate(VARIANT_FALSE);
        pattern->put_Occurrences(6);
        ASSERT_EQ(task->Save(), S_OK);
    }
    platform::testing::ActInsideDialog([&](HWND editor) {
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            TypeNumber(List(dialog, IDC_RECUR_FIELD_LIST), EndsHeading(dialog) + kEndsCount, u"3");
            shown = g_TskEditor.occurs;
            Press(dialog, IDM_DLG_DONE);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditTskFormDlg();
    EXPECT_EQ(shown, kRecurUnnamed);
    EXPECT_TRUE(Messages().empty());
    const StoredPattern stored = StoredTaskPattern(oid);
    ASSERT_TRUE(stored.recurring);
    EXPECT_EQ(stored.type, olRecursWeekly);
    EXPECT_EQ(stored.interval, 5);
    EXPECT_EQ(stored.mask, olTuesday);
    EXPECT_EQ(stored.occurrences, 3);
}

// "Once" has nothing to edit: the message, no dialog, and the Occurs row is selected to change it.
TEST_F(RecurListDlgTest, OnceRefusesAndPointsAtTheOccursRow) {
    AddAppt(DateRec(2022, 3, 9, 18, 0));
    int selected = -1;
    size_t dialogsBefore = 0, dialogsAfter = 0;
    platform::testing::ActInsideDialog([&](HWND editor) {
        const HWND list = List(editor, IDC_APPT_FIELD_LIST);
        LvSelectRow(list, 0);
        dialogsBefore = platform::testing::DialogsShown().size();
        Press(editor, IDM_CUSTOM_RECURRENCE);
        dialogsAfter = platform::testing::DialogsShown().size();
        selected = FieldListSelRow(list);
        Press(editor, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    EXPECT_EQ(dialogsAfter, dialogsBefore);
    EXPECT_EQ(selected, kApptOccurs);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{
                              u"Occurrence Selection must not be set to 'once' to edit this as a recurring item."});
}

// A recurring choice on a task without a start date gets the forms' message; the choice stays.
TEST_F(RecurListDlgTest, RecurringChoiceWithoutAStartDateIsNamed) {
    AddTask(nullptr, DateRec(2022, 3, 10, 1));
    LONG occurs = -1;
    platform::testing::ActInsideDialog([&](HWND editor) {
        KeyOnRow(List(editor, IDC_TSK_FIELD_LIST), kTskOccurs, VK_RIGHT);
        occurs = FieldListRows()[kTskOccurs].indexValue;
        Press(editor, IDM_DLG_CANCEL);
    });
    EditTskFormDlg();
    EXPECT_EQ(occurs, 1);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Start Date Required for Recurring Item."});
}

// Numbers typed outside their ranges, or not numbers at all, are named and leave the row as it was.
TEST_F(RecurListDlgTest, BadTypedNumbersAreRefusedWithTheirRange) {
    AddAppt(DateRec(2022, 3, 9, 18, 0));
    struct Case {
        bool countRow;
        std::u16string typed;
        std::u16string message;
    };
    const Case cases[] = {
        {false, u"0", u"Every X Weeks must be a whole number from 1 to 89."},
        {false, u"90", u"Every X Weeks must be a whole number from 1 to 89."},
        {false, u"", u"Every X Weeks must be a whole number from 1 to 89."},
        {true, u"100", u"# of Occurences must be a whole number from 0 to 99."},
    };
    std::vector<std::u16string> shown;
    platform::testing::ActInsideDialog([&](HWND editor) {
        KeyOnRow(List(editor, IDC_APPT_FIELD_LIST), kApptOccurs, VK_RIGHT, kRecurCustomWeek);
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            const HWND rows = List(dialog, IDC_RECUR_FIELD_LIST);
            const int ends = EndsHeading(dialog);
            KeyOnRow(rows, ends + kEndsAfter, VK_RETURN);
            for (const Case& c : cases) {
                const int row = c.countRow ? ends + kEndsCount : kWeeklyEvery;
                TypeNumber(rows, row, c.typed);
                shown.push_back(Shown(row));
            }
            Press(dialog, IDM_DLG_DONE);
        });
        Press(editor, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    std::vector<std::u16string> expected;
    for (const Case& c : cases) expected.push_back(c.message);
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"1", u"1", u"1", u"0"}));
    EXPECT_EQ(g_CustomRecur.everyN, 1);
    EXPECT_EQ(g_CustomRecur.occurrences, 0);
}

// A series longer than the dialog's count choices shows and keeps its own count; moving away from it
// to another number outside the range is refused on Done.
TEST_F(RecurListDlgTest, StoredCountOutsideTheChoicesIsShownAndKept) {
    const LONG oid = AddAppt(DateRec(2022, 3, 9, 18, 0));
    {
        const PoomPtr<IAppointment> appt = Appt(oid);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(appt->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(olWednesday);
        pattern->put_Interval(1);
        pattern->put_Occurrences(120);
        ASSERT_EQ(appt->Save(), S_OK);
    }
    std::u16string countShown, secondVisit;
    bool stayedOpen = false;
    AnswerThenAct(IDNO, [&](HWND editor) {  // the whole series, not one occurrence
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            countShown = Shown(kEndsCount);
            Press(dialog, IDM_DLG_DONE);
        });
        InNested(editor, IDM_CUSTOM_RECURRENCE, [&](HWND dialog) {
            KeyOnRow(List(dialog, IDC_RECUR_FIELD_LIST), kEndsCount, VK_LEFT);
            secondVisit = Shown(kEndsCount);
            Press(dialog, IDM_DLG_DONE);
            stayedOpen = platform::testing::DialogIsOpen(dialog);
            Press(dialog, IDM_DLG_CANCEL);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_EQ(countShown, u"120");
    EXPECT_EQ(secondVisit, u"119");
    EXPECT_TRUE(stayedOpen);
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 2u);  // the series question, then the range
    EXPECT_EQ(messages[1], u"# of Occurences must be a whole number from 0 to 99.");
    const StoredPattern stored = StoredApptPattern(oid);
    ASSERT_TRUE(stored.recurring);
    EXPECT_EQ(stored.occurrences, 120);
}

// The appointment editor's custom reminder: ticked, with a typed span, it is the stored reminder and
// the one row the editor shows.
TEST_F(ReminderTimesDlgTest, TypedSpanBecomesTheStoredReminder) {
    const LONG oid = AddAppt(DateRec(2022, 3, 9, 18, 0));
    std::u16string reminderRow;
    platform::testing::DrawRecord record;
    bool drawsDays = false;
    platform::testing::ActInsideDialog([&](HWND editor) {
        InNested(editor, IDM_CUSTOM_REMINDER, [&](HWND dialog) {
            const HWND rows = List(dialog, IDC_REMINDER_FIELD_LIST);
            KeyOnRow(rows, kUseCustom, VK_RETURN);
            TypeNumber(rows, kDays, u"1");
            TypeNumber(rows, kHours, u"2");
            TypeNumber(rows, kMinutes, u"3");
            InvalidateRect(rows, nullptr, TRUE);
            UpdateWindow(rows);
            drawsDays = record.ScreenShows(u"Days:");
            Press(dialog, IDM_DLG_DONE);
        });
        reminderRow = GetRowChoiceText(FieldListRows()[kApptReminder]);
        Press(editor, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_TRUE(drawsDays);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(reminderRow, u"1 d 2 h 3 m");
    EXPECT_EQ(StoredReminder(oid), 1563);
    const auto shown = platform::testing::DialogsShown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, u"Advanced Reminder Time");
}

// Every number of the span is checked against its own range; a refused number leaves the row as it
// was, and Cancel leaves the reminder untouched.
TEST_F(ReminderTimesDlgTest, BadTypedNumbersAreRefusedWithTheirRange) {
    const LONG oid = AddAppt(DateRec(2022, 3, 9, 18, 0));
    struct Case {
        int row;
        std::u16string typed;
        std::u16string message;
    };
    const Case cases[] = {
        {kDays, u"61", u"Days must be a whole number from 0 to 60."},
        {kHours, u"24", u"Hours must be a whole number from 0 to 23."},
        {kMinutes, u"60", u"Minutes must be a whole number from 0 to 59."},
        {kMinutes, u"", u"Minutes must be a whole number from 0 to 59."},
    };
    std::vector<std::u16string> shown;
    platform::testing::ActInsideDialog([&](HWND editor) {
        InNested(editor, IDM_CUSTOM_REMINDER, [&](HWND dialog) {
            const HWND rows = List(dialog, IDC_REMINDER_FIELD_LIST);
            KeyOnRow(rows, kUseCustom, VK_RETURN);
            for (const Case& c : cases) {
                TypeNumber(rows, c.row, c.typed);
                shown.push_back(Shown(c.row));
            }
            Press(dialog, IDM_DLG_CANCEL);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    std::vector<std::u16string> expected;
    for (const Case& c : cases) expected.push_back(c.message);
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"0", u"0", u"0", u"0"}));
    EXPECT_EQ(g_CustomReminder.useCustom, 0);
    EXPECT_EQ(StoredReminder(oid), 15);
}

// A reminder longer than the dialog's days shows its own days and keeps them when another part of
// the span is changed.
TEST_F(ReminderTimesDlgTest, StoredDaysOutsideTheChoicesAreShownAndKept) {
    const LONG oid = AddAppt(DateRec(2022, 3, 9, 18, 0), 90 * 1440);
    std::u16string daysShown;
    platform::testing::ActInsideDialog([&](HWND editor) {
        InNested(editor, IDM_CUSTOM_REMINDER, [&](HWND dialog) {
            daysShown = Shown(kDays);
            TypeNumber(List(dialog, IDC_REMINDER_FIELD_LIST), kHours, u"5");
            Press(dialog, IDM_DLG_DONE);
        });
        Press(editor, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_EQ(daysShown, u"90");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(StoredReminder(oid), 90 * 1440 + 5 * 60);
}

}  // namespace
