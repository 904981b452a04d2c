// Reminder choices and the custom span: minutes both ways, the labels by screen, and the rows of
// the list-style custom reminder dialog.
#include "editors/reminders.h"

#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/poom_session.h"
#include "platform/testing_pim.h"
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

namespace {

class ReminderSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        g_CustomReminder = CustomReminderState{};
    }
    void TearDown() override {
        EndPoomSession();
        g_CustomReminder = CustomReminderState{};
        EXPECT_EQ(platform::testing::LivePimObjects(), 0);
    }

    // An appointment saved with the reminder of the choice (and whatever custom state is set),
    // read back into a fresh object.
    PoomPtr<IAppointment> SaveAndReload(int listChoice, bool presetReminder = false) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        appt->put_Subject(u"Call");
        appt->put_Start(DateRecToPoom(GetPoomApp(), DateRec(2022, 3, 22, 14, 0, 0)));
        appt->put_Duration(30);
        if (presetReminder) {
            appt->put_ReminderSet(VARIANT_TRUE);
            appt->put_ReminderMinutesBeforeStart(7);
        }
        PutApptReminder(appt.Get(), listChoice);
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        return GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
    }

    platform::testing::TestDevice device;
};

TEST_F(ReminderSaveTest, ListChoicesAndCustomSpansRoundTrip) {
    const struct {
        int choice;
        CustomReminderState custom;
        int loadedChoice;
        CustomReminderState loadedCustom;
    } cases[] = {
        {0, {}, 0, {}},
        {6, {}, 6, {}},
        {11, {}, 11, {}},
        {3, {1, 0, 1, 30}, -1, {1, 0, 1, 30}},  // 90 minutes: only the custom row
        {3, {1, 0, 0, 0}, 0, {}},               // an empty span turns the reminder off whatever the list shows
        {0, {1, 0, 1, 0}, 6, {}},               // a custom hour is one of the fixed times when read back
    };
    for (const auto& c : cases) {
        g_CustomReminder = c.custom;
        const PoomPtr<IAppointment> back = SaveAndReload(c.choice);
        ASSERT_TRUE(back);
        g_CustomReminder = CustomReminderState{0, 9, 9, 9};
        EXPECT_EQ(GetApptReminderChoice(back.Get()), c.loadedChoice) << c.choice;
        EXPECT_EQ(g_CustomReminder.useCustom, c.loadedCustom.useCustom) << c.choice;
        if (c.loadedCustom.useCustom != 0) {
            EXPECT_EQ(g_CustomReminder.hours, c.loadedCustom.hours);
            EXPECT_EQ(g_CustomReminder.minutes, c.loadedCustom.minutes);
        }
    }
}

TEST_F(ReminderSaveTest, NoSelectionWritesNoReminder) {
    // An unlisted DEFREM leaves the list without a selection: the item keeps what it had.
    const PoomPtr<IAppointment> back = SaveAndReload(-1, true);
    ASSERT_TRUE(back);
    LONG minutes = 0;
    back->get_ReminderMinutesBeforeStart(&minutes);
    EXPECT_EQ(minutes, 7);
}

}  // namespace
