// The custom recurrence state: what picking a choice does, the save check, and the rows of the
// list-style dialog built from the state and written back by OK or dropped by Cancel.
#include "editors/custom_recur.h"

#include <gtest/gtest.h>

#include "editors/recur_choices.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

class CustomRecurTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_CustomRecur = CustomRecurState{};
        platform::testing::ClearMessageBoxes();
    }

    ValSnap& RowFor(const void* variable) {
        for (ValSnap& row : CustomRecurRows()) {
            if (row.live == variable) return row;
        }
        ADD_FAILURE() << "no row";
        return CustomRecurRows()[0];
    }

    platform::testing::TestDevice device;
};

TEST_F(CustomRecurTest, CustomWeekPreselectsOnlyTheStartDay) {
    g_CustomRecur.weekdays[1] = 1;
    g_CustomRecur.everyN = 4;
    EXPECT_TRUE(CheckRecurStart(nullptr, kRecurCustomWeek, DateRec(2022, 3, 23)));  // a Wednesday
    const LONG expected[kDaysInWeek] = {0, 0, 0, 1, 0, 0, 0};
    for (int day = 0; day < kDaysInWeek; ++day) EXPECT_EQ(g_CustomRecur.weekdays[day], expected[day]) << day;
    EXPECT_EQ(g_CustomRecur.everyN, 1);
    EXPECT_EQ(g_CustomRecur.needsEdit, 1);
}

TEST_F(CustomRecurTest, ARecurringChoiceWithoutStartIsKeptButReported) {
    DateRec none;
    DateInit(none, kNoDateYear, 1, 1, 0, 0, 0);
    platform::testing::AnswerMessageBox(IDOK);
    EXPECT_FALSE(CheckRecurStart(nullptr, kRecurEveryXDays, none));
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Start Date Required for Recurring Item.");
    EXPECT_EQ(g_CustomRecur.needsEdit, 1);  // the choice stays and still needs its settings
    EXPECT_TRUE(CheckRecurStart(nullptr, kRecurOnce, none));
}

TEST_F(CustomRecurTest, SaveCheckBlocksOnlyAnUneditedCustomChoice) {
    int commits = 0;
    LONG choice = kRecurEveryXDays;
    const auto commit = [&] { ++commits; };
    EXPECT_EQ(CheckCustomRecurEdited(commit, choice), 1);  // nothing picked
    EXPECT_EQ(commits, 0);
    g_CustomRecur.needsEdit = 1;
    const struct {
        LONG choice;
        int answer;
    } cases[] = {{kRecurEveryXDays, 0}, {kRecurCustomWeek, 0}, {0, 1}, {4, 1}, {20, 1}};
    for (const auto& c : cases) {
        choice = c.choice;
        EXPECT_EQ(CheckCustomRecurEdited(commit, choice), c.answer) << c.choice;
    }
    EXPECT_EQ(commits, 5);  // the editor's rows are committed before its choice is read
}

TEST_F(CustomRecurTest, RowsOfEachVariant) {
    const struct {
        LONG variant;
        int rows;
    } cases[] = {{kRecurVariantEndOnly, 4}, {kRecurVariantDaily, 6}, {kRecurVariantWeekly, 14}};
    for (const auto& c : cases) {
        g_CustomRecur = CustomRecurState{};
        g_CustomRecur.variant = c.variant;
        BuildCustomRecurRows();
        EXPECT_EQ(CustomRecurRows().Size(), c.rows) << c.variant;
        CancelRecurListDlg();
    }
    g_CustomRecur = CustomRecurState{};
    g_CustomRecur.variant = kRecurVariantWeekly;
    BuildCustomRecurRows();
    EXPECT_EQ(CustomRecurRows()[1].label, u"Every X Weeks:");
    EXPECT_EQ(CustomRecurRows()[3].label, u"Sunday");
    EXPECT_EQ(CustomRecurRows()[9].label, u"Saturday");
    // No count row is editable while the series does not end after a count.
    EXPECT_EQ(RowFor(&g_CustomRecur.occurrences).locked, 1);
    CancelRecurListDlg();
}

TEST_F(CustomRecurTest, EveryNComesBackAfterOkAndCancel) {
    g_CustomRecur.variant = kRecurVariantDaily;
    g_CustomRecur.everyN = 1;
    BuildCustomRecurRows();
    EXPECT_EQ(RowFor(&g_CustomRecur.everyN).indexValue, 0);
    EXPECT_EQ(RowFor(&g_CustomRecur.everyN).choices[0], u"1");
    CommitCustomRecurList();
    EXPECT_EQ(g_CustomRecur.everyN, 1);

    g_CustomRecur.everyN = 12;
    BuildCustomRecurRows();
    RowFor(&g_CustomRecur.everyN).indexValue = 40;  // edited, then cancelled
    CancelRecurListDlg();
    EXPECT_EQ(g_CustomRecur.everyN, 12);

    BuildCustomRecurRows();
    RowFor(&g_CustomRecur.everyN).indexValue = 6;
    CommitCustomRecurList();
    EXPECT_EQ(g_CustomRecur.everyN, 7);
}

TEST_F(CustomRecurTest, AnEndDateEndsTheSeriesUnlessEndAfterIsTicked) {
    g_CustomRecur.endsAfter = 1;
    g_CustomRecur.occurrences = 3;
    BuildCustomRecurRows();
    RowFor(&g_CustomRecur.rowEndDate).dateValue = DateRec(2022, 6, 30);
    RowFor(&g_CustomRecur.endsAfter).plainValue = 0;
    CommitCustomRecurList();
    EXPECT_EQ(g_CustomRecur.endDateSet, 1);
    EXPECT_EQ(g_CustomRecur.endsAfter, 0);
    EXPECT_EQ(g_CustomRecur.endDate.wMonth, 6);
    EXPECT_EQ(g_CustomRecur.endDate.wDay, 30);

    // An end date chosen while End After was ticked and left alone: the date ends the series.
    g_CustomRecur = CustomRecurState{};
    g_CustomRecur.endsAfter = 1;
    BuildCustomRecurRows();
    RowFor(&g_CustomRecur.rowEndDate).dateValue = DateRec(2022, 6, 30);
    CommitCustomRecurList();
    EXPECT_EQ(g_CustomRecur.endsAfter, 0);  // the untouched tick is not written back
    EXPECT_EQ(g_CustomRecur.endDateSet, 1);

    // Ticking End After in the same visit as choosing a date: the tick wins.
    g_CustomRecur = CustomRecurState{};
    BuildCustomRecurRows();
    RowFor(&g_CustomRecur.rowEndDate).dateValue = DateRec(2022, 6, 30);
    RowFor(&g_CustomRecur.endsAfter).plainValue = 1;
    CommitCustomRecurList();
    EXPECT_EQ(g_CustomRecur.endsAfter, 1);
    EXPECT_EQ(g_CustomRecur.endDateSet, 0);
}

}  // namespace
