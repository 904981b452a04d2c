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
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/view_id.h"
#include "editors/appt_editor_state.h"
#include "editors/attendees.h"
#include "editors/custom_recur.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "tests/support/menu_keys.h"
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

namespace {

namespace pt = platform::testing;

// Done through the left soft key, as the user ends the editor.
void Done() {
    pt::Key("SOFT1");
    pt::PumpUntilIdle();
}

std::vector<std::u16string> Messages() {
    std::vector<std::u16string> texts;
    for (const auto& box : pt::MessageBoxesShown()) texts.push_back(box.text);
    return texts;
}

class ApptListEditorSaveTest : public ApptListEditorTest {
protected:
    void TearDown() override {
        pt::ClearPimFailures();
        g_ApptTemplateList.RemoveAll();
        g_TemplateChoice = -1;
        g_FromTemplate = 0;
        g_AttendeeArray.RemoveAll();
        g_ApptEditFlags = ApptEditFlags{};
        g_ChangeMarks.ownChange = 0;
        ApptListEditorTest::TearDown();
    }
    static ApptArray AllStored() {
        LoadAllApptsPOOM();
        ApptArray all = g_AllApptsArray;
        g_AllApptsArray.RemoveAll();
        return all;
    }
    static void MakeWeekly(LONG oid, const DateRec& start, LONG interval, LONG occurrences) {
        const PoomPtr<IAppointment> appt = Stored(oid);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(appt->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_StartTime(DateRecToPoom(GetPoomApp(), start));
        pattern->put_DayOfWeekMask(1L << start.wDayOfWeek);
        pattern->put_Interval(interval);
        pattern->put_Occurrences(occurrences);
        ASSERT_EQ(appt->Save(), S_OK);
    }
    struct Pattern {
        bool recurring = false;
        LONG interval = 0, occurrences = 0;
        VARIANT_BOOL noEnd = VARIANT_FALSE;
    };
    static Pattern StoredPattern(LONG oid) {
        Pattern out;
        const PoomPtr<IAppointment> appt = Stored(oid);
        if (!appt) return out;
        VARIANT_BOOL recurring = VARIANT_FALSE;
        appt->get_IsRecurring(&recurring);
        out.recurring = recurring != VARIANT_FALSE;
        PoomPtr<IRecurrencePattern> pattern;
        if (FAILED(appt->GetRecurrencePattern(pattern.Out())) || !pattern) return out;
        pattern->get_Interval(&out.interval);
        pattern->get_Occurrences(&out.occurrences);
        pattern->get_NoEndDate(&out.noEnd);
        return out;
    }
};

// A template from 22:00 lasting three hours, applied through the editor's menu on the 10th, ends at
// 01:00 on the 11th, so Done saves it as the template gives it.
TEST_F(ApptListEditorSaveTest, ATemplatePastMidnightIsAppliedToTheNextDayAndSaved) {
    ApptRecord late;
    late.subject = u"Night shift";
    late.start = DateRec(2025, 1, 5, 22, 0, 0);
    late.duration = 180;
    late.busyStatus = olFree;
    g_ApptTemplateList.Append(late);
    DateRec endDate, endTime;
    std::u16string subject;
    pt::ActInsideDialog([&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        ASSERT_TRUE(testsupport::ChooseFromMenu(u"Apply Template", [](HWND) {
            pt::Key(VK_DOWN);
            pt::Key("SOFT1");
        }));
        subject = Row(kSubject).textValue;
        endDate = Row(kEndDate).dateValue;
        endTime = Row(kEndTime).dateValue;
        pt::AnswerMessageBox(IDOK);  // a refusal is answered, not waited on
        Done();
        if (pt::DialogIsOpen(editor)) Press(editor, IDM_DLG_CANCEL);
    });
    NewApptInListEditor();
    EXPECT_EQ(subject, u"Night shift");
    EXPECT_EQ(endDate.wDay, 11) << "the end on the start day lies before the start";
    EXPECT_EQ(endTime.wHour, 1);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{});
    const ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 1);
    EXPECT_TRUE(DateEqual(StoredDate(Stored(all[0].oid).Get(), &IAppointment::get_Start), DateRec(2022, 3, 10, 22, 0)));
    EXPECT_TRUE(DateEqual(StoredDate(Stored(all[0].oid).Get(), &IAppointment::get_End), DateRec(2022, 3, 11, 1, 0)));
}

// A meeting whose request cannot be sent stays in the editor as typed; the second Done sends it.
TEST_F(ApptListEditorSaveTest, AFailedSendKeepsTheEditorOpenWithTheMeeting) {
    bool stayedOpen = false;
    std::u16string subjectAfter;
    pt::ActInsideDialog([&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        Row(kSubject).textValue = u"Planning";
        g_AttendeeArray.Append(Attendee{u"Ann Lee", u"ann@example.com"});
        g_ApptEditFlags.attendeesChanged = 1;
        pt::FailPimCall("IAppointment::Send");
        Done();
        pt::ClearPimFailures();
        stayedOpen = pt::DialogIsOpen(editor);
        subjectAfter = Row(kSubject).textValue;
        Done();
    });
    NewApptInListEditor();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(subjectAfter, u"Planning");
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Send Failed.", u"Meeting Request has been sent."}));
    EXPECT_EQ(AllStored().Size(), 1);
}

// A save the store refuses keeps the editor open, says why, and leaves no mark of an own change that
// would swallow the next change of another program.
TEST_F(ApptListEditorSaveTest, AFailedSaveKeepsTheEditorOpenAndLeavesNoOwnChangeMark) {
    bool stayedOpen = false;
    pt::ActInsideDialog([&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        Row(kSubject).textValue = u"Refused";
        pt::FailPimCall("IAppointment::Save", E_FAIL);
        Done();
        stayedOpen = pt::DialogIsOpen(editor);
        Press(editor, IDM_DLG_CANCEL);
    });
    NewApptInListEditor();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Error in Appt Save: 0x80004005"});
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    EXPECT_EQ(AllStored().Size(), 0);
}

// A new series started after a custom one with five occurrences takes none of its end.
TEST_F(ApptListEditorSaveTest, ANewSeriesDoesNotInheritTheLastCustomEnd) {
    g_CustomRecur.endsAfter = 1;
    g_CustomRecur.occurrences = 5;
    g_CustomRecur.endDateSet = 1;
    g_CustomRecur.endDate = DateRec(2022, 3, 12);
    g_CustomRecur.everyN = 3;
    pt::ActInsideDialog([](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        for (int i = 0; i < kOccurs; ++i) pt::Key(VK_DOWN);
        pt::Key(VK_RIGHT);  // Once -> Every Day
        Done();
    });
    NewApptInListEditor();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{});
    const ApptArray all = AllStored();
    ASSERT_GE(all.Size(), 1);
    const Pattern stored = StoredPattern(all[0].oid);
    EXPECT_TRUE(stored.recurring);
    EXPECT_EQ(stored.interval, 1);
    EXPECT_NE(stored.occurrences, 5) << "the last series' end was taken";
}

// A series every 6 weeks (no Occurs choice names it) opened whole and closed with Done: the row
// names no choice and the store keeps the pattern.
TEST_F(ApptListEditorSaveTest, DoneOnASeriesNoOccursChoiceNamesKeepsItsPattern) {
    const DateRec start(2022, 3, 9, 9, 0);
    const LONG oid = AddAppt(start, DateRec(2022, 3, 9, 10, 0));
    MakeWeekly(oid, start, 6, 4);
    std::u16string shown = u"<none>";
    AnswerThenAct(IDNO, [&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        shown = GetRowChoiceText(Row(kOccurs));
        Done();
    });
    EditApptInListEditor();
    EXPECT_EQ(shown, u"") << "the Occurs row named a choice the series does not have";
    const Pattern stored = StoredPattern(oid);
    ASSERT_TRUE(stored.recurring) << "Done without a change made the series a single appointment";
    EXPECT_EQ(stored.interval, 6);
    EXPECT_EQ(stored.occurrences, 4);
}

// An all-day item whose end date is set before its start is refused as a timed one is; the editor
// stays open and the store keeps the item's days.
TEST_F(ApptListEditorSaveTest, AnAllDayItemEndingBeforeItsStartIsRefused) {
    const LONG oid = AddAppt(DateRec(2022, 3, 5, 1), DateRec(2022, 3, 6, 1), true);
    bool stayedOpen = false;
    pt::ActInsideDialog([&](HWND editor) {
        SetFocus(GetDlgItem(editor, IDC_APPT_FIELD_LIST));
        Row(kEndDate).dateValue = DateRec(2022, 3, 3);
        Done();
        stayedOpen = pt::DialogIsOpen(editor);
        Press(editor, IDM_DLG_CANCEL);
    });
    EditApptInListEditor();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"The End Time must be after the Start Time."});
    EXPECT_TRUE(DateEqual(StoredDate(Stored(oid).Get(), &IAppointment::get_End), DateRec(2022, 3, 6, 1, 0)));
}

}  // namespace
