// The category filter: which switch and which marks the view on screen uses, the pass tests of
// contacts, tasks and appointments, and what the dialog's OK applies.
#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/view_id.h"
#include "lists/list_commands.h"

namespace {

class CatFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSettings = g_Settings;
        savedCats = g_CatList;
        savedView = ViewId;
        g_Settings = AppSettings();
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Work", u"Home", u"Golf"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
    }
    void TearDown() override {
        g_Settings = savedSettings;
        g_CatList = savedCats;
        ViewId = savedView;
    }
    static CtsRecord ContactIn(std::initializer_list<const char16_t*> cats) {
        CtsRecord record;
        for (const char16_t* cat : cats) record.categories.Append(cat);
        return record;
    }

    AppSettings savedSettings;
    CatArray savedCats;
    LONG savedView = 0;
};

TEST_F(CatFilterTest, SwitchAndKindFollowTheViewOnScreen) {
    struct Case {
        LONG view;
        LONG AppSettings::*filterOn;
        LONG kind;
    };
    const Case cases[] = {
        {kViewTasks, &AppSettings::taskFilterOn, kCatKindTasks},
        {kViewContacts, &AppSettings::contactFilterOn, kCatKindContacts},
        {kViewNotes, &AppSettings::notesFilterOn, kCatKindNotes},
        {kViewWallet, &AppSettings::walletFilterOn, kCatKindWallet},
        {kViewMonth, &AppSettings::scheduleFilterOn, kCatKindCalendar},
        {kViewDay, &AppSettings::scheduleFilterOn, kCatKindCalendar},
    };
    g_Settings.globalFilter = 0;
    for (const Case& c : cases) {
        ViewId = c.view;
        g_Settings = AppSettings();
        g_Settings.globalFilter = 0;
        EXPECT_FALSE(GetViewCatFilter()) << c.view;
        g_Settings.*c.filterOn = 1;
        EXPECT_TRUE(GetViewCatFilter()) << c.view;
        EXPECT_EQ(GetCatFilterKind(), c.kind) << c.view;
    }
    g_Settings.globalFilter = 1;
    EXPECT_FALSE(GetViewCatFilter());
    EXPECT_EQ(GetCatFilterKind(), kCatKindShared);
    g_Settings.globalFilterOn = 1;
    EXPECT_TRUE(GetViewCatFilter());
}

TEST_F(CatFilterTest, PassTests) {
    ViewId = kViewContacts;
    g_Settings.globalFilter = 0;
    const CtsRecord none = ContactIn({});
    const CtsRecord home = ContactIn({u"HOME"});
    const CtsRecord golf = ContactIn({u"Golf", u"Other"});

    // Off: everything passes, uncategorised items too.
    for (const CtsRecord* c : {&none, &home, &golf}) EXPECT_EQ(CtsPassCatFilter(*c, kCatKindContacts), 1);

    // On with nothing marked: nothing passes.
    g_Settings.contactFilterOn = 1;
    for (const CtsRecord* c : {&none, &home, &golf}) EXPECT_EQ(CtsPassCatFilter(*c, kCatKindContacts), 0);

    // Home marked for contacts, Golf only for tasks.
    g_CatList[1].contactMark = 1;
    g_CatList[2].taskMark = 1;
    EXPECT_EQ(CtsPassCatFilter(none, kCatKindContacts), 0);
    EXPECT_EQ(CtsPassCatFilter(home, kCatKindContacts), 1);
    EXPECT_EQ(CtsPassCatFilter(golf, kCatKindContacts), 0);

    TskRecord task;
    task.categories.Append(u"golf");
    EXPECT_EQ(TskPassCatFilter(task, kCatKindTasks), 1);  // the contacts view's switch is on
    ApptRecord appt;
    appt.categories.Append(u"Home");
    EXPECT_EQ(ApptPassCatFilter(appt), 0);  // no calendar mark

    // The shared filter reads the shared marks only.
    g_Settings.globalFilter = 1;
    g_Settings.globalFilterOn = 1;
    EXPECT_EQ(CtsPassCatFilter(home, kCatKindContacts), 0);
    g_CatList[0].sharedMark = 1;
    appt.categories.Append(u"work");
    EXPECT_EQ(ApptPassCatFilter(appt), 1);
}

TEST_F(CatFilterTest, ApplySetsSwitchesAndMarksOfTheView) {
    ViewId = kViewTasks;
    RecordArray<DWORD> marks;
    for (DWORD mark : {1u, 0u, 1u, 1u}) marks.Append(mark);  // one row more than categories

    g_Settings.globalFilter = 1;
    ApplyCatFilter(true, marks);
    EXPECT_EQ(g_Settings.globalFilterOn, 1);
    EXPECT_EQ(g_Settings.taskFilterOn, 1);
    EXPECT_EQ(g_CatList[0].sharedMark, 1u);
    EXPECT_EQ(g_CatList[2].sharedMark, 1u);
    EXPECT_EQ(g_CatList[0].taskMark, 0u);

    g_Settings.globalFilter = 0;
    ApplyCatFilter(false, marks);
    EXPECT_EQ(g_Settings.taskFilterOn, 0);
    EXPECT_EQ(g_Settings.globalFilterOn, 1);
    EXPECT_EQ(g_CatList[0].taskMark, 1u);
    EXPECT_EQ(g_CatList[1].taskMark, 0u);
}

}  // namespace
