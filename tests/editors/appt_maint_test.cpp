// Appointments changed without an editor: copy and delete of the current appointment with the
// month cache (and the neighbour month's copy) kept current, the neighbour-month rule, and the
// clean-up of old and subjectless appointments through its dialog.
#include "tests/editors/appt_form_fixture.h"

#include "core/appt_readers.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "editors/appt_maint.h"
#include "editors/item_commands.h"
#include "platform/testing_pim.h"
#include "platform/text.h"
#include "resources/resource.h"

namespace {

using ApptMaintTest = ApptFormTest;

bool StoreHas(const ApptArray& all, std::u16string_view subject) {
    for (const ApptRecord& record : all)
        if (record.subject == subject) return true;
    return false;
}

TEST(ApptNeighbourMonth, FirstSevenAndLastSixDaysReachTheNeighbourMonth) {
    const struct {
        int year, month, day;
        bool any;
        int outYear, outMonth;
    } cases[] = {
        {2026, 3, 3, true, 2026, 2},    {2026, 3, 7, true, 2026, 2},    {2026, 3, 8, false, 0, 0},
        {2026, 3, 15, false, 0, 0},     {2026, 3, 26, true, 2026, 4},   {2026, 3, 25, false, 0, 0},
        {2026, 1, 2, true, 2025, 12},   {2026, 12, 28, true, 2027, 1},  {2024, 2, 24, true, 2024, 3},
        {2024, 2, 23, false, 0, 0},     {2026, 2, 23, true, 2026, 3},   {1900, 2, 24, true, 1900, 3},
        {2026, 4, 25, true, 2026, 5},   {2026, 4, 24, false, 0, 0},
    };
    for (const auto& c : cases) {
        int year = 0, month = 0;
        EXPECT_EQ(NeighbourMonth(c.year, c.month, c.day, year, month), c.any) << c.year << "-" << c.month << "-" << c.day;
        if (!c.any) continue;
        EXPECT_EQ(year, c.outYear) << c.month << "-" << c.day;
        EXPECT_EQ(month, c.outMonth) << c.month << "-" << c.day;
    }
}

TEST_F(ApptMaintTest, MidnightEndIsNoSpanFromVersion4On) {
    ApptRecord late;
    late.oid = 7;
    late.start = DateRec(2026, 3, 12, 22, 0, 0);
    late.duration = 120;  // to 00:00 the next day
    TimeSpan span;
    const struct {
        DWORD major;
        bool spans;
    } cases[] = {{5, false}, {4, false}, {3, true}};
    for (const auto& c : cases) {
        SetOsMajor(c.major);
        EXPECT_EQ(ApptGoesIntoSpans(late, span), c.spans) << c.major;
    }
    late.duration = 121;
    SetOsMajor(5);
    EXPECT_TRUE(ApptGoesIntoSpans(late, span));
}

TEST_F(ApptMaintTest, SavedAppointmentGoesIntoItsMonthAndTheNeighbourMonthWhoseWindowHoldsIt) {
    CacheMonth(2026, 2);
    CacheMonth(2026, 3);
    CacheMonth(2026, 4);
    const struct {
        int day;
        int feb, mar, apr;
    } cases[] = {{3, 1, 1, 0}, {27, 0, 1, 1}, {15, 0, 1, 0}};
    for (const auto& c : cases) {
        const LONG oid = AddAppt({u"Visit", DateRec(2026, 3, c.day, 10, 0, 0), 60});
        UpdateApptInCache(oid, 2026, 3, c.day);
        EXPECT_EQ(CountCached(2026, 2, oid), c.feb) << c.day;
        EXPECT_EQ(CountCached(2026, 3, oid), c.mar) << c.day;
        EXPECT_EQ(CountCached(2026, 4, oid), c.apr) << c.day;
    }
}

TEST_F(ApptMaintTest, ReplacingAnAppointmentThatCannotBeReadSaysSoAndKeepsTheCache) {
    const LONG oid = AddAppt({u"Kept", DateRec(2026, 3, 12, 10, 0, 0), 60});
    CacheMonth(2026, 3);
    Stored(oid)->Delete();
    EXPECT_EQ(ReplaceExistingAppt(oid, 2026, 3, 12), 0);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Replace Existing - LoadAppt fail: " + std::u16string(platform::FormatW(u"%d", static_cast<int>(oid))));
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
}

TEST_F(ApptMaintTest, CopyAndDeleteKeepBothCachedMonthsCurrent) {
    const LONG oid = AddAppt({u"Lunch", DateRec(2026, 3, 3, 12, 0, 0), 60});
    CacheMonth(2026, 3);
    SelectAppt(oid);
    CopyCurrentAppt();
    EXPECT_EQ(g_ChangeMarks.ownChange, 1);
    ApptArray all = AllStored();
    ASSERT_EQ(all.Size(), 2);
    const LONG copyOid = all[0].oid == oid ? all[1].oid : all[0].oid;
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
    EXPECT_EQ(CountCached(2026, 3, copyOid), 1);

    CacheMonth(2026, 2);  // 3 March lies in February's window too
    ASSERT_EQ(CountCached(2026, 2, oid), 1);
    SelectAppt(oid);
    platform::testing::AnswerMessageBox(IDYES);
    EXPECT_EQ(DeleteSelectedAppt(), 1);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Are you sure you want to delete the current appointment?");
    EXPECT_FALSE(Stored(oid));
    EXPECT_TRUE(Stored(copyOid));
    EXPECT_EQ(CountCached(2026, 3, oid), 0);
    EXPECT_EQ(CountCached(2026, 2, oid), 0);
    EXPECT_EQ(CountCached(2026, 3, copyOid), 1);
    EXPECT_EQ(g_CurItem.oid, kNoId);
    EXPECT_EQ(g_CurItem.kind, kItemNone);
}

TEST_F(ApptMaintTest, DeleteAnsweredNoOrOfAnotherKindDeletesNothing) {
    const LONG oid = AddAppt({u"Keep", DateRec(2026, 3, 12, 12, 0, 0), 60});
    SelectAppt(oid);
    platform::testing::AnswerMessageBox(IDNO);
    EXPECT_EQ(DeleteSelectedAppt(), 0);
    g_CurItem.kind = kItemTask;
    EXPECT_EQ(DeleteSelectedAppt(), 0);
    EXPECT_TRUE(Stored(oid));
}

TEST_F(ApptMaintTest, WithoutConfirmationAPlainAppointmentGoesWithoutAQuestion) {
    g_Settings.confirmDel = 0;
    const LONG oid = AddAppt({u"Gone", DateRec(2026, 3, 12, 12, 0, 0), 60});
    CacheMonth(2026, 3);
    SelectAppt(oid);
    EXPECT_EQ(DeleteSelectedAppt(), 1);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    EXPECT_FALSE(Stored(oid));
    EXPECT_EQ(CountCached(2026, 3, oid), 0);
}

TEST_F(ApptMaintTest, DeletingOneOccurrenceKeepsTheCustomIconOfTheSeries) {
    g_Settings.confirmDel = 0;
    const LONG oid = AddWeeklyAppt({u"Gym", DateRec(2026, 3, 12, 18, 0, 0), 60}, 4);
    IdIndexInsert(oid, 5, g_CustomIconIndex);
    CacheMonth(2026, 3);
    SelectAppt(oid);
    g_SelectedDate = DateRec(2026, 3, 19);
    platform::testing::AnswerMessageBox(IDYES);  // this occurrence only
    EXPECT_EQ(DeleteSelectedAppt(), 1);
    EXPECT_GE(IdIndexFind(oid, g_CustomIconIndex), 0) << "the series keeps its icon";
    EXPECT_TRUE(Stored(oid));  // the series stays
    EXPECT_FALSE(ReadRecurPattern(oid, DateRec(2026, 3, 19)));
    EXPECT_TRUE(ReadRecurPattern(oid, DateRec(2026, 3, 26)));
}

TEST_F(ApptMaintTest, CleanUpDeletesOldAndSubjectlessAppointments) {
    platform::testing::FreezeClock(DateRec(2026, 3, 10, 12, 0, 0));
    AddAppt({u"Ended 4 March 23:59", DateRec(2026, 3, 4, 23, 0, 0), 59});
    AddAppt({u"Ends 5 March 00:00", DateRec(2026, 3, 4, 23, 0, 0), 60});
    AddWeeklyAppt({u"Old weekly", DateRec(2025, 1, 2, 9, 0, 0), 60}, 3);
    AddAppt({u"Call back - No Subject", DateRec(2026, 3, 20, 9, 0, 0), 30});
    AddAppt({u"call back - no subject", DateRec(2026, 3, 21, 9, 0, 0), 30});
    platform::testing::ActInsideDialog([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_CLEAN_UP_AGE, CB_GETCURSEL, 0, 0), 7);  // "6 Months"
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CLEAN_UP_OLD), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CLEAN_UP_NO_SUBJECT), BST_UNCHECKED);
        SendDlgItemMessageW(dialog, IDC_CLEAN_UP_AGE, CB_SETCURSEL, 0, 0);  // "5 Days"
        CheckDlgButton(dialog, IDC_CLEAN_UP_NO_SUBJECT, BST_CHECKED);
        Press(dialog, IDM_DLG_DONE);
    });
    platform::testing::AnswerMessageBox(IDYES);
    ApptCleanupDlg();
    EXPECT_EQ(g_CleanUp.ageDays, 5);
    const ApptArray all = AllStored();
    EXPECT_FALSE(StoreHas(all, u"Ended 4 March 23:59"));
    EXPECT_TRUE(StoreHas(all, u"Ends 5 March 00:00"));  // equal to the limit is not before it
    EXPECT_TRUE(StoreHas(all, u"Old weekly"));           // the age pass never deletes a series
    EXPECT_FALSE(StoreHas(all, u"Call back - No Subject"));
    EXPECT_TRUE(StoreHas(all, u"call back - no subject"));
    EXPECT_EQ(g_CleanUp.deletedCount, 1);  // the last pass's count
}

TEST_F(ApptMaintTest, CleanUpThatDeletesNothingLeavesTheShownMonthInPlace) {
    AddAppt({u"Recent", DateRec(2026, 3, 9, 9, 0, 0), 30});
    CacheMonth(2026, 3);
    ApptArray* const shownAppts = g_ApptCache.curAppts;
    SpanArray* const shownSpans = g_ApptCache.curSpans;
    ASSERT_NE(shownAppts, nullptr);
    g_CleanUp.ageDays = 5;
    CleanUpOldAppts();
    CleanUpNoSubjectAppts();
    EXPECT_EQ(g_CleanUp.deletedCount, 0);
    EXPECT_EQ(g_ApptCache.curAppts, shownAppts);
    EXPECT_EQ(g_ApptCache.curSpans, shownSpans);
    EXPECT_EQ(AllStored().Size(), 1);
}

TEST_F(ApptMaintTest, CleanUpWithNothingChosenOnlySaysSo) {
    AddAppt({u"No Subject", DateRec(2026, 3, 12, 9, 0, 0), 30});
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_CLEAN_UP_OLD, BST_UNCHECKED);
        Press(dialog, IDM_DLG_DONE);
    });
    ApptCleanupDlg();
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"No Cleanup Choices Selected.");
    EXPECT_EQ(AllStored().Size(), 1);
}

TEST_F(ApptMaintTest, ADeleteTheStoreRefusesKeepsTheAppointmentAndItsIcon) {
    g_Settings.confirmDel = 0;
    const LONG oid = AddAppt({u"Stays", DateRec(2026, 3, 12, 12, 0, 0), 60});
    IdIndexInsert(oid, 5, g_CustomIconIndex);
    CacheMonth(2026, 3);
    SelectAppt(oid);
    platform::testing::FailPimCall("IAppointment::Delete");
    EXPECT_EQ(DeleteSelectedAppt(), 0);
    platform::testing::ClearPimFailures();
    EXPECT_TRUE(Stored(oid));
    EXPECT_EQ(CountCached(2026, 3, oid), 1);
    EXPECT_GE(IdIndexFind(oid, g_CustomIconIndex), 0);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kItemNotDeletedText);
}

}  // namespace
