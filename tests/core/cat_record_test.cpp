// Categories: kind marks, sorted insertion, name-list tests, the colours and icons appointments
// take from their categories, and the merging of the side file, earlier marks and saved views.
#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/view_id.h"
#include "platform/text.h"

namespace {

CatRecord Cat(const char16_t* name, COLORREF colour = kCatDefaultColour, LONG icon = -1) {
    CatRecord record;
    record.name = name;
    record.colour = colour;
    record.icon = icon;
    return record;
}

// Every test starts from an empty list, default settings and the month view.
class CatRecordTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        g_CatList = CatArray();
        g_Settings = AppSettings();
        ViewId = kViewMonth;
    }
};

TEST_F(CatRecordTest, KindMarksFollowTheirOwnOrder) {
    CatRecord record;
    EXPECT_EQ(record.colour, 0x6E0000u);
    const LONG kinds[] = {kCatKindCalendar, kCatKindTasks, kCatKindContacts, kCatKindNotes, kCatKindWallet};
    for (LONG kind : kinds) CatSetKindValue(record, false, kind, static_cast<DWORD>(10 + kind));
    EXPECT_EQ(record.calendarMark, 10u);
    EXPECT_EQ(record.taskMark, 11u);
    EXPECT_EQ(record.contactMark, 12u);
    EXPECT_EQ(record.notesMark, 13u);
    EXPECT_EQ(record.walletMark, 14u);
    for (LONG kind : kinds) EXPECT_EQ(CatGetKindValue(record, false, kind), static_cast<DWORD>(10 + kind));

    CatSetKindValue(record, false, 7, 99);  // unknown kinds change nothing
    EXPECT_EQ(record.sharedMark, 0u);
    CatSetKindValue(record, true, kCatKindTasks, 5);
    EXPECT_EQ(record.sharedMark, 5u);
    EXPECT_EQ(record.taskMark, 11u);
    EXPECT_EQ(CatGetKindValue(record, true, kCatKindTasks), 5u);
    EXPECT_EQ(CatGetKindValue(record, false, 7), 5u);
}

TEST_F(CatRecordTest, AddCatSortedIgnoresCase) {
    EXPECT_EQ(AddCatSorted(u"home"), 0);
    EXPECT_EQ(AddCatSorted(u"Work"), 1);
    EXPECT_EQ(AddCatSorted(u"Personal"), 1);
    EXPECT_EQ(AddCatSorted(u"zoo"), 3);
    EXPECT_EQ(AddCatSorted(u"Apple"), 0);
    ASSERT_EQ(g_CatList.Size(), 5);
    EXPECT_EQ(g_CatList[2].name, u"Personal");
    EXPECT_EQ(g_CatList[2].colour, kCatDefaultColour);
    EXPECT_TRUE(CatNameExists(u"PERSONAL"));
    EXPECT_FALSE(CatNameExists(u"Person"));
}

TEST_F(CatRecordTest, CatListHas) {
    EXPECT_FALSE(CatListHas(u"", u"Work"));
    EXPECT_FALSE(CatListHas(u"   ", u""));
    EXPECT_TRUE(CatListHas(u"Home, ,  work  ,Travel", u"Work"));
    EXPECT_FALSE(CatListHas(u"Homework", u"Work"));
}

TEST_F(CatRecordTest, SplitCatListTakesColourAndIcon) {
    g_CatList.Append(Cat(u"Work", 0x0000FF, -1));
    g_CatList.Append(Cat(u"Home", 0x00FF00, 7));
    g_CatList.Append(Cat(u"Gym", 0xFF0000, -1));

    struct Case {
        const char16_t* text;
        bool applyIcon;
        COLORREF colour;
        LONG icon;
    };
    constexpr Case cases[] = {
        {u" work , Home ", false, 0x0000FF, -1},  // colour of the first known category
        {u"Work,Home", true, 0x00FF00, 7},        // the first category with an icon
        {u"Work,Gym", true, 0xFF0000, -1},        // none has one: the last known colour
        {u"Unknown", true, kApptDefaultColour, -1},
    };
    for (const Case& c : cases) {
        ApptRecord appt;
        SplitCatList(appt, c.text, c.applyIcon);
        EXPECT_EQ(appt.colour, c.colour) << platform::ToUtf8(c.text);
        EXPECT_EQ(appt.icon, c.icon) << platform::ToUtf8(c.text);
    }
    ApptRecord appt;
    SplitCatList(appt, u"Unknown,,Work", false);
    EXPECT_EQ(JoinApptCats(appt), u"Unknown,Work");
    EXPECT_EQ(g_CatList.Size(), 3);  // unknown names do not join the list
}

TEST_F(CatRecordTest, FileGivesColoursAndEarlierMarksSurvive) {
    CatArray list;  // as the PIM store's table spells the names
    list.Append(Cat(u"Work"));
    list.Append(Cat(u"Home"));
    list.Append(Cat(u"New"));

    CatArray file;
    CatRecord stored = Cat(u"WORK", 0x123456, 4);
    stored.taskMark = 0;
    stored.calendarMark = 1;
    file.Append(stored);
    file.Append(Cat(u"Gone", 0x654321, 2));
    CatRecord home = Cat(u"home", 0x00AA00, -1);
    home.contactMark = 1;
    file.Append(home);

    CatArray previous;
    CatRecord ticked = Cat(u"Work", 0x999999, 9);
    ticked.taskMark = 1;  // ticked in the task filter while running
    previous.Append(ticked);

    MergeCatFileAndMarks(list, file, previous);
    ASSERT_EQ(list.Size(), 3);
    EXPECT_EQ(list[0].name, u"Work");
    EXPECT_EQ(list[0].colour, 0x123456u);
    EXPECT_EQ(list[0].icon, 4);
    EXPECT_EQ(list[0].taskMark, 1u);
    EXPECT_EQ(list[0].calendarMark, 0u);  // all six marks come back from before the load
    EXPECT_EQ(list[1].colour, 0x00AA00u);
    EXPECT_EQ(list[1].contactMark, 1u);
    EXPECT_EQ(list[2].colour, kCatDefaultColour);
    EXPECT_EQ(list[2].icon, -1);
}

TEST_F(CatRecordTest, SavedViewMarksApplyToTheCurrentViewOnly) {
    auto make = [](DWORD calendar, DWORD task, DWORD shared) {
        CatArray list;
        for (const char16_t* name : {u"Work", u"Home"}) {
            CatRecord r = Cat(name);
            r.calendarMark = calendar;
            r.taskMark = task;
            r.sharedMark = shared;
            list.Append(r);
        }
        return list;
    };
    CatArray saved;
    CatRecord work = Cat(u"work");
    work.calendarMark = 1;
    work.taskMark = 1;
    work.sharedMark = 1;
    saved.Append(work);

    struct Case {
        LONG view;
        LONG globalFilter, globalOn, scheduleOn, taskOn;
        DWORD calendar0, calendar1, task0, task1, shared0, shared1;
    };
    constexpr Case cases[] = {
        {kViewMonth, 0, 0, 1, 0, 1, 0, 7, 7, 7, 7},
        {kViewDay, 0, 0, 1, 0, 1, 0, 7, 7, 7, 7},
        {kViewMonth, 0, 0, 0, 1, 7, 7, 7, 7, 7, 7},  // schedule filter off: nothing changes
        {kViewTasks, 0, 0, 1, 1, 7, 7, 1, 0, 7, 7},
        {kViewTasks, 1, 1, 0, 0, 7, 7, 7, 7, 1, 0},  // the shared filter
        {kViewTasks, 1, 0, 0, 1, 7, 7, 1, 0, 7, 7},  // shared setting without the shared filter on
        {kViewNotes, 0, 0, 1, 1, 7, 7, 7, 7, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.view);
        ViewId = c.view;
        g_Settings.globalFilter = c.globalFilter;
        g_Settings.globalFilterOn = c.globalOn;
        g_Settings.scheduleFilterOn = c.scheduleOn;
        g_Settings.taskFilterOn = c.taskOn;
        CatArray list = make(7, 7, 7);
        MergeCatArrays(saved, list);
        EXPECT_EQ(list[0].calendarMark, c.calendar0);
        EXPECT_EQ(list[1].calendarMark, c.calendar1);
        EXPECT_EQ(list[0].taskMark, c.task0);
        EXPECT_EQ(list[1].taskMark, c.task1);
        EXPECT_EQ(list[0].sharedMark, c.shared0);
        EXPECT_EQ(list[1].sharedMark, c.shared1);
    }
}

TEST_F(CatRecordTest, CopyCatListReplacesTheTarget) {
    CatArray source;
    source.Append(Cat(u"A", 1));
    CatArray target;
    target.Append(Cat(u"Old"));
    target.Append(Cat(u"Older"));
    CopyCatList(source, target);
    ASSERT_EQ(target.Size(), 1);
    EXPECT_EQ(target[0].name, u"A");
    std::u16string title = u"Tasks";
    AppendFilterTag(title);
    EXPECT_EQ(title, u"Tasks");
}

}  // namespace
