// The "Occurs" choices: their labels for a reference date, and the patterns they save through the
// object model into the device's PIM store, read back from a fresh item.
#include "editors/recur_choices.h"

#include <gtest/gtest.h>

#include "core/poom_session.h"
#include "editors/custom_recur.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

const DateRec kTuesday22March(2022, 3, 22, 9, 30, 0);

TEST(RecurChoices, DayOrdinalsAndWeekOfMonth) {
    const struct {
        int day;
        const char16_t* ordinal;
        int instance;
    } cases[] = {{1, u"1st", 1},   {2, u"2nd", 1},   {3, u"3rd", 1},   {4, u"4th", 1},   {7, u"7th", 1},
                 {8, u"8th", 2},   {11, u"11th", 2}, {12, u"12th", 2}, {13, u"13th", 2}, {21, u"21st", 3},
                 {22, u"22nd", 4}, {23, u"23rd", 4}, {29, u"29th", 5}, {30, u"30th", 5}, {31, u"31st", 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumDate(c.day), c.ordinal) << c.day;
        EXPECT_EQ(RecurInstance(DateRec(2022, 3, c.day)), c.instance) << c.day;
    }
}

TEST(RecurChoices, LabelsForTuesday22March) {
    platform::testing::TestDevice device;
    const struct {
        LONG choice;
        RecurLabels labels;
        const char16_t* text;
    } cases[] = {
        {0, RecurLabels::Form, u"Once"},
        {3, RecurLabels::ListLong, u"Every X Days(Set in Menu)"},
        {3, RecurLabels::ListShort, u"Every X Days(Menu)"},
        {4, RecurLabels::Form, u"Every Tuesday"},
        {4, RecurLabels::ListShort, u"Every Tuesday"},
        {5, RecurLabels::ListLong, u"Every 2 Weeks on Tuesday"},
        {5, RecurLabels::ListShort, u"Every 2 wks on Tue"},
        {9, RecurLabels::ListShort, u"22nd of Every Month"},
        {10, RecurLabels::Form, u"Day 22 of every 2 months"},
        {10, RecurLabels::ListShort, u"22nd of every 2 months"},
        {13, RecurLabels::ListLong, u"Day 22 of every 6 months"},
        {14, RecurLabels::Form, u"4th Tuesday of the Month"},
        {16, RecurLabels::ListShort, u"4th Tue every 3 months"},
        {19, RecurLabels::Form, u"Every March 22"},
        {19, RecurLabels::ListShort, u"Every March 22nd"},
        {20, RecurLabels::ListShort, u"4th Tuesday of March"},
        {21, RecurLabels::Form, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecurChoiceLabel(c.choice, kTuesday22March, c.labels), c.text) << c.choice;
    }
}

TEST(RecurChoices, ListLabelsFollowTheScreenClass) {
    platform::testing::TestDevice device;
    ValSnap row;
    FillRecurChoices2(nullptr, row, kTuesday22March);
    ASSERT_EQ(row.choices.Size(), kRecurChoiceCount);
    EXPECT_EQ(row.choices[5], u"Every 2 wks on Tue");
    platform::DeviceProfile landscape;
    landscape.screenWidth = 320;
    landscape.screenHeight = 240;
    device.SetProfile(landscape);
    FillRecurChoices2(nullptr, row, kTuesday22March);
    ASSERT_EQ(row.choices.Size(), kRecurChoiceCount);
    EXPECT_EQ(row.choices[3], u"Every X Days(Set in Menu)");
    EXPECT_EQ(row.choices[5], u"Every 2 Weeks on Tuesday");
}

// What a saved pattern reads back as.
struct SavedPattern {
    bool recurring = false;
    LONG type = -1;
    LONG interval = 0;
    LONG mask = 0;
    LONG dayOfMonth = 0;
    LONG instance = 0;
    LONG month = 0;
    bool noEnd = false;
    LONG occurrences = 0;
    DateRec end;
};

class RecurSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        EndPoomSession();
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearMessageBoxes();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0);
    }

    // Saves a new appointment starting at the reference date with the choice; its OID, or -1 when
    // the choice refused the save.
    LONG SaveAppt(LONG choice, const DateRec& start) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        const DATE when = DateRecToPoom(GetPoomApp(), start);
        appt->put_Subject(u"Standup");
        appt->put_Start(when);
        appt->put_Duration(30);
        PoomPtr<IRecurrencePattern> pattern;
        appt->GetRecurrencePattern(pattern.Out());
        if (!ApplyRecurChoice(appt.Get(), pattern.Get(), choice, start, when, nullptr)) return -1;
        pattern.Reset();
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        return oid;
    }

    SavedPattern ReadBack(LONG oid) {
        SavedPattern saved;
        const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
        EXPECT_TRUE(appt);
        if (!appt) return saved;
        VARIANT_BOOL recurring = VARIANT_FALSE;
        appt->get_IsRecurring(&recurring);
        saved.recurring = recurring != VARIANT_FALSE;
        if (!saved.recurring) return saved;
        PoomPtr<IRecurrencePattern> p;
        appt->GetRecurrencePattern(p.Out());
        p->get_RecurrenceType(&saved.type);
        p->get_Interval(&saved.interval);
        p->get_DayOfWeekMask(&saved.mask);
        p->get_DayOfMonth(&saved.dayOfMonth);
        p->get_Instance(&saved.instance);
        p->get_MonthOfYear(&saved.month);
        VARIANT_BOOL noEnd = VARIANT_FALSE;
        p->get_NoEndDate(&noEnd);
        saved.noEnd = noEnd != VARIANT_FALSE;
        p->get_Occurrences(&saved.occurrences);
        DATE end = 0;
        p->get_PatternEndDate(&end);
        PoomDateToDateRec(GetPoomApp(), end, saved.end);
        return saved;
    }

    platform::testing::TestDevice device;
};

TEST_F(RecurSaveTest, EachShapeOfChoiceIsStoredAsItsPattern) {
    g_CustomRecur.everyN = 3;
    g_CustomRecur.weekdays[1] = 1;  // Monday
    g_CustomRecur.weekdays[5] = 1;  // Friday
    const struct {
        LONG choice;
        LONG type, interval, mask, dayOfMonth, instance, month;
    } cases[] = {
        {1, olRecursDaily, 1, 0, 0, 0, 0},
        {2, olRecursWeekly, 1, 62, 0, 0, 0},
        {3, olRecursDaily, 3, 0, 0, 0, 0},
        {4, olRecursWeekly, 1, 4, 0, 0, 0},
        {7, olRecursWeekly, 4, 4, 0, 0, 0},
        {8, olRecursWeekly, 3, 2 | 32, 0, 0, 0},
        {11, olRecursMonthly, 3, 0, 22, 0, 0},
        {15, olRecursMonthNth, 2, 4, 0, 4, 0},
        {19, olRecursYearly, 0, 0, 22, 0, 3},
        {20, olRecursYearNth, 0, 4, 0, 4, 3},
    };
    for (const auto& c : cases) {
        const SavedPattern saved = ReadBack(SaveAppt(c.choice, kTuesday22March));
        ASSERT_TRUE(saved.recurring) << c.choice;
        EXPECT_EQ(saved.type, c.type) << c.choice;
        if (c.interval != 0) {
            EXPECT_EQ(saved.interval, c.interval) << c.choice;
        }
        if (c.mask != 0) {
            EXPECT_EQ(saved.mask, c.mask) << c.choice;
        }
        if (c.dayOfMonth != 0) {
            EXPECT_EQ(saved.dayOfMonth, c.dayOfMonth) << c.choice;
        }
        if (c.instance != 0) {
            EXPECT_EQ(saved.instance, c.instance) << c.choice;
        }
        if (c.month != 0) {
            EXPECT_EQ(saved.month, c.month) << c.choice;
        }
        EXPECT_TRUE(saved.noEnd) << c.choice;
    }
    EXPECT_FALSE(ReadBack(SaveAppt(0, kTuesday22March)).recurring);
}

TEST_F(RecurSaveTest, WorkWeekIgnoresTheStartDayAndAnEmptyCustomWeekHasNoDays) {
    const SavedPattern saturday = ReadBack(SaveAppt(2, DateRec(2022, 3, 26, 9, 0, 0)));
    EXPECT_EQ(saturday.mask, 62);
    // Whether the store keeps a weekly series on no day is its own affair; the saver asks for none.
    g_CustomRecur.everyN = 1;
    PoomPtr<IDispatch> object;
    ASSERT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
    const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
    PoomPtr<IRecurrencePattern> pattern;
    appt->GetRecurrencePattern(pattern.Out());
    ASSERT_TRUE(ApplyRecurChoice(appt.Get(), pattern.Get(), kRecurCustomWeek, kTuesday22March, 0, nullptr));
    LONG mask = -1;
    pattern->get_DayOfWeekMask(&mask);
    EXPECT_EQ(mask, 0);
}

TEST_F(RecurSaveTest, CustomIntervalBelowOneIsSavedAsOne) {
    for (const LONG everyN : {0L, -4L}) {
        g_CustomRecur.everyN = everyN;
        const SavedPattern daily = ReadBack(SaveAppt(kRecurEveryXDays, kTuesday22March));
        ASSERT_TRUE(daily.recurring);
        EXPECT_EQ(daily.interval, 1) << everyN;
    }
}

TEST_F(RecurSaveTest, TheEndComesFromTheCustomState) {
    g_CustomRecur.endsAfter = 1;
    g_CustomRecur.occurrences = 5;
    const SavedPattern counted = ReadBack(SaveAppt(1, kTuesday22March));
    EXPECT_FALSE(counted.noEnd);
    EXPECT_EQ(counted.occurrences, 5);

    g_CustomRecur.endsAfter = 0;
    g_CustomRecur.endDateSet = 1;
    g_CustomRecur.endDate = DateRec(2022, 3, 22);  // the start day itself is accepted
    const SavedPattern sameDay = ReadBack(SaveAppt(1, kTuesday22March));
    EXPECT_FALSE(sameDay.noEnd);
    EXPECT_EQ(sameDay.end.wYear, 2022);
    EXPECT_EQ(sameDay.end.wMonth, 3);
    EXPECT_EQ(sameDay.end.wDay, 22);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(RecurSaveTest, AnEndBeforeTheStartAbandonsTheSave) {
    g_CustomRecur.endDateSet = 1;
    g_CustomRecur.endDate = DateRec(2022, 3, 21);
    platform::testing::AnswerMessageBox(IDOK);
    EXPECT_EQ(SaveAppt(4, kTuesday22March), -1);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Custom Recurrence End Date is Before Start Date. ");
    EXPECT_EQ(shown[0].type & MB_ICONINFORMATION, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(RecurSaveTest, TaskPatternsAreStoredToo) {
    PoomPtr<IDispatch> object;
    ASSERT_EQ(GetPoomApp()->CreateItem(olTaskItem, object.Out()), S_OK);
    const PoomPtr<ITask> task = QueryPoom<ITask>(object.Get(), IID_ITask);
    const DateRec start(2022, 3, 22, 1, 0, 0);
    const DATE when = DateRecToPoom(GetPoomApp(), start);
    task->put_Subject(u"Report");
    task->put_StartDate(when);
    task->put_DueDate(when);
    PoomPtr<IRecurrencePattern> pattern;
    task->GetRecurrencePattern(pattern.Out());
    ASSERT_TRUE(ApplyRecurChoice(task.Get(), pattern.Get(), 9, start, when, nullptr));
    pattern.Reset();
    ASSERT_EQ(task->Save(), S_OK);
    LONG oid = -1;
    task->get_Oid(&oid);
    const PoomPtr<ITask> back = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
    ASSERT_TRUE(back);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    back->get_IsRecurring(&recurring);
    ASSERT_NE(recurring, VARIANT_FALSE);
    PoomPtr<IRecurrencePattern> saved;
    back->GetRecurrencePattern(saved.Out());
    LONG type = -1;
    LONG day = 0;
    saved->get_RecurrenceType(&type);
    saved->get_DayOfMonth(&day);
    EXPECT_EQ(type, olRecursMonthly);
    EXPECT_EQ(day, 22);
}

}  // namespace
