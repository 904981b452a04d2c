// Reminder choices and the custom span: minutes both ways, the labels by screen, and the rows of
// the list-style custom reminder dialog.
#include "editors/reminders.h"

#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "platform/testing.h"

namespace {

TEST(Reminders, ChoicesAndMinutes) {
    const LONG minutes[kReminderChoiceCount] = {0, 1, 5, 10, 15, 30, 60, 120, 300, 1440, 2880, 10080};
    for (int choice = 0; choice < kReminderChoiceCount; ++choice) {
        EXPECT_EQ(ReminderChoiceMinutes(choice), minutes[choice]);
        EXPECT_EQ(ReminderChoiceOf(minutes[choice]), choice);
    }
    EXPECT_EQ(ReminderChoiceOf(45), -1);
    EXPECT_EQ(ReminderChoiceMinutes(kReminderChoiceCount), kReminderOff);
}

TEST(Reminders, CustomSpanBothWays) {
    CustomReminderState state;
    state.days = 1;
    state.hours = 2;
    state.minutes = 3;
    EXPECT_EQ(CustomReminderMinutes(state), 1563);
    CustomReminderState back;
    SetCustomReminderFromMinutes(back, 1563);
    EXPECT_EQ(back.useCustom, 1);
    EXPECT_EQ(back.days, 1);
    EXPECT_EQ(back.hours, 2);
    EXPECT_EQ(back.minutes, 3);
    EXPECT_EQ(CustomReminderMinutes(CustomReminderState{}), 0);

    platform::testing::TestDevice device;
    EXPECT_EQ(CustomReminderLabel(state, true), u"1 days 2 hrs 3 mins.");
    EXPECT_EQ(CustomReminderLabel(state, false), u"1 d 2 h 3 m");
}

TEST(Reminders, OffLabelByEditorAndScreen) {
    platform::testing::TestDevice device;
    const struct {
        ReminderLabels labels;
        bool landscape;
        const char16_t* text;
    } cases[] = {{ReminderLabels::Form, true, u"No Reminder"},
                 {ReminderLabels::Form, false, u"No Rem."},
                 {ReminderLabels::ListRow, true, u"No Reminder"},
                 {ReminderLabels::ListRow, false, u"None"}};
    for (const auto& c : cases) EXPECT_EQ(ReminderChoiceLabel(0, c.labels, c.landscape), c.text);
    EXPECT_EQ(ReminderChoiceLabel(11, ReminderLabels::Form, false), u"1 Week");

    ValSnap row;
    AddStrToList(row, u"left over");
    FillReminderRowChoices(row);
    ASSERT_EQ(row.choices.Size(), kReminderChoiceCount);
    EXPECT_EQ(row.choices[0], u"None");  // the test device is portrait
    EXPECT_EQ(row.choices[6], u"1 Hour");
}

TEST(Reminders, ListDialogRowsZeroAnUnusedSpanAndCommitEdits) {
    platform::testing::TestDevice device;
    g_CustomReminder = CustomReminderState{0, 4, 5, 6};
    InitReminderSnaps();
    EXPECT_EQ(g_CustomReminder.days, 0);
    ValSnapArray& rows = ReminderSnaps();
    ASSERT_EQ(rows.Size(), 5);
    EXPECT_EQ(rows[0].label, u"Custom Reminder");
    EXPECT_EQ(rows[2].choices.Size(), 61);  // days 0-60
    EXPECT_EQ(rows[3].choices.Size(), 24);
    EXPECT_EQ(rows[4].choices.Size(), 60);
    rows[1].plainValue = 1;
    rows[3].indexValue = 23;
    CommitChangedSnaps(rows);
    EXPECT_EQ(g_CustomReminder.useCustom, 1);
    EXPECT_EQ(g_CustomReminder.hours, 23);

    g_CustomReminder.minutes = 9;
    InitReminderSnaps();  // a span in use is kept
    EXPECT_EQ(rows[4].indexValue, 9);
    g_CustomReminder = CustomReminderState{};
}

}  // namespace
