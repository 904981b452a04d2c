// The list-style appointment editor on an appointment of the PIM store: its rows as loaded, and the
// save that writes them back.
#include "editors/appt_list_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/poom_session.h"
#include "core/view_id.h"
#include "editors/appt_editor_state.h"
#include "editors/custom_recur.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "ui/date_pickers.h"

namespace {

enum ApptRow { kSubject = 0, kLocation, kAllDay, kStartDate, kStartTime, kEndDate, kEndTime, kOccurs, kReminder,
               kSensitivity, kCategories, kIcon, kStatus, kNotes };

class ApptListEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        for (const char16_t* name : {u"Home", u"Work"}) {
            CatRecord cat;
            cat.name = name;
            g_CatList.Append(cat);
        }
        g_ApptEditor = ApptEditorState{};
        g_CustomReminder = CustomReminderState{};
        g_CustomRecur = CustomRecurState{};
        g_SelectedDate = DateRec(2022, 3, 10);
        ViewId = kViewMonth;
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_CatList.RemoveAll();
        g_CustomReminder = CustomReminderState{};
        g_EditorPrjCats.clear();
        ResetSelection();
        EndPoomSession();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    static LONG AddAppt(const DateRec& start, const DateRec& end, bool allDay = false) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, item.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        appt->put_Subject(u"Planning");
        appt->put_AllDayEvent(allDay ? VARIANT_TRUE : VARIANT_FALSE);
        appt->put_Start(DateRecToPoom(GetPoomApp(), start));
        appt->put_End(DateRecToPoom(GetPoomApp(), end));
        appt->put_BusyStatus(olTentative);
        appt->put_Sensitivity(olConfidential);
        appt->put_ReminderSet(VARIANT_TRUE);
        appt->put_ReminderMinutesBeforeStart(90);
        appt->put_Categories(u"prj:Garden, home,Nowhere");
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemAppt;
        return oid;
    }
    static PoomPtr<IAppointment> Stored(LONG oid) { return GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment); }
    static DateRec StoredDate(IAppointment* appt, HRESULT (IAppointment::*get)(DATE*)) {
        DATE value = 0;
        (appt->*get)(&value);
        DateRec date;
        PoomDateToDateRec(GetPoomApp(), value, date);
        return date;
    }
    static ValSnap& Row(int index) { return ApptEditRows()[index]; }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // The question asked while the editor opens gets the answer, then the action runs in the editor.
    static void AnswerThenAct(int answer, std::function<void(HWND)> action) {
        platform::testing::ActInsideDialog([answer](HWND) { platform::testing::EndModalLoop(answer); });
        platform::testing::ActInsideDialog(std::move(action));
    }

    ProgramDevice device;
};

TEST_F(ApptListEditorTest, LoadsTheRowsAndWritesThemBackUnchanged) {
    const LONG oid = AddAppt(DateRec(2022, 3, 10, 9, 0), DateRec(2022, 3, 10, 10, 45));
    int rows = 0;
    std::u16string reminderText, categories;
    bool reminderLocked = false;
    LONG status = -1, sensitivity = -1;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        rows = ApptEditRows().Size();
        ASSERT_EQ(rows, 14);
        reminderText = Row(kReminder).choices.Size() == 1 ? Row(kReminder).choices[0] : u"";
        reminderLocked = Row(kReminder).locked != 0;
        categories = Row(kCategories).textValue;
        status = Row(kStatus).indexValue;
        sensitivity = Row(kSensitivity).indexValue;
        Row(kLocation).textValue = u"Room 4";
        Press(dialog, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_EQ(reminderText, u"0 d 1 h 30 m");  // 90 minutes is no fixed choice
    EXPECT_TRUE(reminderLocked);
    EXPECT_EQ(categories, u"home,");           // the unknown name is dropped
    EXPECT_EQ(g_EditorPrjCats, u"prj:Garden,");
    EXPECT_EQ(status, olTentative);
    EXPECT_EQ(sensitivity, olConfidential);
    EXPECT_EQ(g_ApptEditor.keptHours, 1);
    EXPECT_EQ(g_ApptEditor.keptMinutes, 45);

    const PoomPtr<IAppointment> appt = Stored(oid);
    ASSERT_TRUE(appt);
    LONG minutes = 0, busy = -1, sens = -1;
    appt->get_ReminderMinutesBeforeStart(&minutes);
    appt->get_BusyStatus(&busy);
    appt->get_Sensitivity(&sens);
    EXPECT_EQ(minutes, 90);
    EXPECT_EQ(busy, olTentative);
    EXPECT_EQ(sens, olConfidential);
    BSTR text = nullptr;
    appt->get_Location(&text);
    EXPECT_EQ(TakeBstr(text), u"Room 4");
    text = nullptr;
    appt->get_Categories(&text);
    const std::u16string stored = TakeBstr(text);
    EXPECT_EQ(stored.find(u"Nowhere"), std::u16string::npos);
    EXPECT_NE(stored.find(u"prj:Garden"), std::u16string::npos);
    EXPECT_TRUE(DateEqual(StoredDate(appt.Get(), &IAppointment::get_Start), DateRec(2022, 3, 10, 9, 0)));
    EXPECT_TRUE(DateEqual(StoredDate(appt.Get(), &IAppointment::get_End), DateRec(2022, 3, 10, 10, 45)));
}

TEST_F(ApptListEditorTest, AllDayItemShowsItsLastDayAndIsWrittenBackToTheNextDay) {
    const LONG oid = AddAppt(DateRec(2022, 3, 5, 1), DateRec(2022, 3, 6, 1), true);
    DateRec endShown;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        endShown = Row(kEndDate).dateValue;
        Press(dialog, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_EQ(endShown.wDay, 5);
    const PoomPtr<IAppointment> appt = Stored(oid);
    ASSERT_TRUE(appt);
    EXPECT_TRUE(DateEqual(StoredDate(appt.Get(), &IAppointment::get_End), DateRec(2022, 3, 6, 1, 0)));
}

TEST_F(ApptListEditorTest, AnItemCrossingIntoTheNextMonthLeavesTheViewsOnTheMonthShown) {
    const LONG oid = AddAppt(DateRec(2022, 3, 10, 9, 0), DateRec(2022, 3, 10, 10, 0));
    ReLoadApptPOOM(2022, 3, 1);
    const ApptArray* const march = g_ApptCache.curAppts;
    platform::testing::ActInsideDialog([](HWND dialog) {
        Row(kEndDate).dateValue = DateRec(2022, 4, 2, 10, 0);
        Row(kEndTime).dateValue = DateRec(2022, 4, 2, 10, 0);
        Press(dialog, IDM_DLG_DONE);
    });
    EditApptInListEditor();
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    EXPECT_TRUE(DateEqual(StoredDate(Stored(oid).Get(), &IAppointment::get_End), DateRec(2022, 4, 2, 10, 0)));
    EXPECT_EQ(g_ApptCache.curAppts, march) << "the views were left on April's data";
    ASSERT_GE(FindMonthBucket(2022, 4), 0) << "April was read again for the item's later days";
}

TEST_F(ApptListEditorTest, EndBeforeStartKeepsTheEditorOpenAndCancelSavesNothing) {
    const LONG oid = AddAppt(DateRec(2022, 3, 10, 9, 0), DateRec(2022, 3, 10, 10, 0));
    platform::testing::ActInsideDialog([](HWND dialog) {
        Row(kEndTime).dateValue = DateRec(2022, 3, 10, 8, 0);
        Row(kSubject).textValue = u"Changed";
        Press(dialog, IDM_DLG_DONE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"The End Time must be after the Start Time.");
    const PoomPtr<IAppointment> appt = Stored(oid);
    BSTR text = nullptr;
    appt->get_Subject(&text);
    EXPECT_EQ(TakeBstr(text), u"Planning");
}

TEST_F(ApptListEditorTest, RecurringSeriesAsksWhetherToEditOneOccurrence) {
    const DateRec start(2022, 3, 9, 9, 0);  // a Wednesday
    const LONG oid = AddAppt(start, DateRec(2022, 3, 9, 10, 0));
    {
        const PoomPtr<IAppointment> appt = Stored(oid);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(appt->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_StartTime(DateRecToPoom(GetPoomApp(), start));
        pattern->put_DayOfWeekMask(olWednesday);
        pattern->put_Interval(2);
        pattern->put_NoEndDate(VARIANT_TRUE);
        ASSERT_EQ(appt->Save(), S_OK);
    }
    // One occurrence, the one on the selected day: no Occurs row.
    g_SelectedDate = DateRec(2022, 3, 23);
    int rows = 0;
    AnswerThenAct(IDYES, [&](HWND dialog) {
        rows = ApptEditRows().Size();
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    EXPECT_EQ(rows, 13);
    EXPECT_EQ(g_ApptEditFlags.occurrenceOnly, 1);

    // The whole series: the Occurs row shows its pattern, worded for the end date's day.
    LONG occurs = -1;
    std::u16string label;
    AnswerThenAct(IDNO, [&](HWND dialog) {
        rows = ApptEditRows().Size();
        occurs = Row(kOccurs).indexValue;
        label = Row(kOccurs).choices[4];
        Press(dialog, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(occurs, 5);  // every 2 weeks on its weekday
    EXPECT_NE(label.find(u"Wed"), std::u16string::npos);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text.rfind(u"This is a recurring appointment.", 0), 0u);
}

}  // namespace

namespace {

// "Done" in the Edit Subject dialog hands back to the editor, whose rows show again at once, the
// new subject among them, with no key pressed first.
TEST_F(ApptListEditorTest, TheRowsShowAgainAtOnceAfterTheSubjectIsEdited) {
    platform::testing::TestScreen screen;
    platform::testing::DrawRecord record;
    bool shown = false;
    bool labelShown = false;
    platform::testing::ActInsideDialog([&](HWND editor) {
        const HWND list = GetDlgItem(editor, IDC_APPT_FIELD_LIST);
        SetFocus(list);
        platform::testing::ActInsideDialog([](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_SUBJECT_EDIT, u"Lunch with Ann");
            platform::testing::Key("SOFT1");
        });
        platform::testing::Key(VK_RETURN);
        platform::testing::PumpUntilIdle();
        shown = record.ScreenShows(u"Lunch with Ann");
        labelShown = record.ScreenShows(LoadResStr(IDS_LABEL_START_DATE, 64));
        Press(editor, IDM_DLG_CANCEL);
    });
    NewApptInListEditor();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(labelShown);
}

}  // namespace

namespace {

// A new appointment opened before any view chose a day (the program started for a new appointment
// shows only the spinner) starts today; its date picker opens on that month and its keys step
// through real dates, across the month's end.
TEST_F(ApptListEditorTest, TheTimeRowsFollowAllDayAndTheStart) {
    const LONG length = g_Settings.apptLength;
    g_Settings.apptLength = 60;
    bool timesLockedAllDay = false, timesLockedAfter = true;
    LONG statusFirst = -1, statusSecond = -1;
    DateRec endDate, endTime, endTimeAfterStartTime;
    std::u16string weeklyLabel;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_APPT_FIELD_LIST);
        const auto store = [&](int index, auto change) {
            ValSnap row = Row(index);
            change(row);
            StoreFieldRow(list, index, row);
        };
        store(kAllDay, [](ValSnap& row) { row.plainValue = 1; });
        timesLockedAllDay = Row(kStartTime).locked != 0 && Row(kEndTime).locked != 0;
        statusFirst = Row(kStatus).indexValue;
        store(kStatus, [](ValSnap& row) { row.indexValue = 3; });
        store(kAllDay, [](ValSnap& row) { row.plainValue = 0; });
        timesLockedAfter = Row(kStartTime).locked != 0 || Row(kEndTime).locked != 0;
        store(kAllDay, [](ValSnap& row) { row.plainValue = 1; });
        statusSecond = Row(kStatus).indexValue;
        store(kAllDay, [](ValSnap& row) { row.plainValue = 0; });
        // 08:00 to 09:00 on the 10th; the end is stretched to 09:30, then the start moves.
        store(kEndTime, [](ValSnap& row) { row.dateValue = DateRec(2022, 3, 10, 9, 30); });
        store(kStartDate, [](ValSnap& row) { row.dateValue = DateRec(2022, 3, 16, 8, 0); });  // a Wednesday
        endDate = Row(kEndDate).dateValue;
        weeklyLabel = Row(kOccurs).choices[4];
        store(kStartTime, [](ValSnap& row) { row.dateValue = DateRec(2022, 3, 16, 13, 15); });
        endTimeAfterStartTime = Row(kEndTime).dateValue;
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptInListEditor();
    g_Settings.apptLength = length;
    EXPECT_TRUE(timesLockedAllDay);
    EXPECT_FALSE(timesLockedAfter);
    EXPECT_EQ(statusFirst, 0) << "the first check makes the item free";
    EXPECT_EQ(statusSecond, 3) << "a later check keeps the user's status";
    EXPECT_EQ(endDate.wDay, 16);
    EXPECT_EQ(weeklyLabel, u"Every Wednesday");
    EXPECT_EQ(endTimeAfterStartTime.wHour, 14);
    EXPECT_EQ(endTimeAfterStartTime.wMinute, 45);
}

TEST_F(ApptListEditorTest, TheDatePickerOfANewAppointmentOpensOnItsMonthAndStepsRealDates) {
    platform::testing::TestScreen screen;
    platform::testing::FreezeClock(SYSTEMTIME{2026, 1, 6, 31, 9, 10, 0, 0});
    g_SelectedDate = DateRec();
    ViewId = kViewSpinner;
    LONG openedYear = 0, openedMonth = 0, openedDay = 0;
    DateRec picked;
    platform::testing::ActInsideDialog([&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        for (int i = 0; i < kStartDate; ++i) platform::testing::Key(VK_DOWN);
        platform::testing::ActInsideDialog([&](HWND) {
            openedYear = g_SelectDateGrid.year;
            openedMonth = g_SelectDateGrid.month;
            openedDay = g_SelectDateGrid.day;
            platform::testing::Key(VK_RIGHT);
            platform::testing::Key(VK_DOWN);
            platform::testing::Key("SOFT1");
        });
        platform::testing::Key(VK_RETURN);
        platform::testing::PumpUntilIdle();
        picked = Row(kStartDate).dateValue;
        Press(editor, IDM_DLG_CANCEL);
    });
    NewApptInListEditor();
    platform::testing::ThawClock();
    EXPECT_EQ(openedYear, 2026);
    EXPECT_EQ(openedMonth, 1);
    EXPECT_EQ(openedDay, 31);
    EXPECT_EQ(picked.wYear, 2026);
    EXPECT_EQ(picked.wMonth, 2);
    EXPECT_EQ(picked.wDay, 8);
    EXPECT_EQ(picked.wHour, 10);  // the next whole hour stays
}

}  // namespace
