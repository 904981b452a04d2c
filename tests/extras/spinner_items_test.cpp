// The launcher's entries: the default entries, "quickspin.dat" written and read back, damaged files,
// the upkeep when saved views or views go away, and running the front entry.
#include "tests/extras/spinner_fixture.h"

namespace {

using spintest::SpinnerTest;

TEST_F(SpinnerTest, MissingFileGivesTheEightDefaults) {
    LoadSpinnerOrDefaults();
    struct Case {
        const char16_t* name;
        LONG view;
        LONG icon;
    };
    // Wallet on a portrait QVGA screen has its short name.
    const Case expected[] = {{u"Calendar", 0, 0}, {u"Contacts", 6, 14}, {u"Tasks", 5, 12}, {u"Notes", 8, 16},
                             {u"Wallet", 9, 18},  {u"Search", 21, 10},  {u"Week", 1, 4},   {u"Today", 22, 2}};
    ASSERT_EQ(g_Spinner.entries.Size(), 8);
    for (int i = 0; i < 8; ++i) {
        const SpinEntry& entry = g_Spinner.entries[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(entry.name, expected[i].name);
        EXPECT_EQ(entry.kind, kSpinView);
        EXPECT_EQ(entry.view, expected[i].view);
        EXPECT_EQ(entry.icon, expected[i].icon);
        EXPECT_EQ(entry.position, i);
        EXPECT_EQ(entry.item, -1);
        EXPECT_EQ(entry.spare, -1);
    }
    EXPECT_TRUE(g_Spinner.loaded);
    // Defaults are not written until something asks for it.
    EXPECT_FALSE(std::filesystem::exists(HostFile(kSpinnerFile)));
}

TEST_F(SpinnerTest, FileRoundTripKeepsEveryStoredField) {
    SpinEntry web = Entry(u"example.com", kSpinWebAddress, -1, 3);
    web.target = u"http://example.com";
    web.icon = kSpinWebIcon;
    SpinEntry contact = Entry(u"Ann Lee", kSpinContact, -1, 6);
    contact.item = 4711;
    contact.icon = -1;
    contact.pictureSlot = 2;
    g_Spinner.entries.Append(Entry(u"Tasks", kSpinView, 5, 0));
    g_Spinner.entries.Append(web);
    g_Spinner.entries.Append(contact);
    SaveSpinnerItems();
    EXPECT_EQ(ReadHostFile(kSpinnerFile).substr(0, 10), "3\n1\nTasks\n");

    g_Spinner = SpinnerItems();
    LoadSpinnerOrDefaults();
    ASSERT_EQ(g_Spinner.entries.Size(), 3);
    // Positions are taken as stored; the picture slot is not stored.
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 3, 6}));
    EXPECT_EQ(g_Spinner.entries[1].target, u"http://example.com");
    EXPECT_EQ(g_Spinner.entries[1].kind, kSpinWebAddress);
    EXPECT_EQ(g_Spinner.entries[2].item, 4711);
    EXPECT_EQ(g_Spinner.entries[2].pictureSlot, -1);
    EXPECT_EQ(g_Spinner.entries[0].icon, 12);
}

TEST_F(SpinnerTest, DamagedFilesKeepWholeEntriesOnly) {
    struct Case {
        const char* name;
        std::string text;
        int entries;
    };
    const std::string one = "1\nNotes\n\n0\n16\n8\n-1\n0\n-1\n";
    const Case cases[] = {
        {"cut inside the second entry", "2\n" + one + "1\nWeek\n\n0\n", 1},
        {"a count far beyond the wheel", "1000000\n" + one + one, 2},
        {"more than eight whole entries", "9\n" + one + one + one + one + one + one + one + one + one, 8},
        {"two entries are no reason for defaults", "2\n" + one + one, 2},
        {"an empty file", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteHostFile(kSpinnerFile, c.text);
        g_Spinner = SpinnerItems();
        LoadSpinnerOrDefaults();
        EXPECT_EQ(g_Spinner.entries.Size(), c.entries);
    }
}

TEST_F(SpinnerTest, LongNamesAreCutWhenStored) {
    SpinEntry entry = Entry(u"", kSpinFile, -1, 0);
    entry.name = std::u16string(300, u'n');
    entry.target = std::u16string(400, u't');
    g_Spinner.entries.Append(entry);
    SaveSpinnerItems();
    g_Spinner = SpinnerItems();
    ASSERT_TRUE(LoadSpinnerItems());
    ASSERT_EQ(g_Spinner.entries.Size(), 1);
    EXPECT_EQ(g_Spinner.entries[0].name.size(), kSpinTextMax);
    EXPECT_EQ(g_Spinner.entries[0].target.size(), kSpinTextMax);
}

TEST_F(SpinnerTest, DeletingASavedViewDropsItsEntriesWhateverTheCase) {
    g_Spinner.entries.Append(Entry(u"Trip", kSpinSavedView, 0, 0));
    g_Spinner.entries.Append(Entry(u"Tasks", kSpinView, 5, 3));
    g_Spinner.entries.Append(Entry(u"TRIP", kSpinSavedView, 1, 6));
    // A view entry of the same name is no saved view.
    g_Spinner.entries.Append(Entry(u"trip", kSpinView, 8, 7));
    DropSpinnerSavedView(u"trip");
    ASSERT_EQ(g_Spinner.entries.Size(), 2);
    EXPECT_EQ(g_Spinner.entries[0].name, u"Tasks");
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 4}));
    EXPECT_EQ(ReadHostFile(kSpinnerFile).substr(0, 2), "2\n");
}

TEST_F(SpinnerTest, SwitchedOffViewsLeaveAGap) {
    LoadSpinnerOrDefaults();
    g_ViewShown[ShownView::Notes] = 0;
    DropDisabledViewsFromSpinner();
    ASSERT_EQ(g_Spinner.entries.Size(), 7);
    EXPECT_EQ(FindSpinnerViewItem(8), -1);
    EXPECT_EQ(FindSpinnerItemAtPos(3), -1);
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 1, 2, 4, 5, 6, 7}));
    EXPECT_TRUE(std::filesystem::exists(HostFile(kSpinnerFile)));
}

// A view on the wheel twice kept its second entry when it was switched off.
TEST_F(SpinnerTest, SwitchingAViewOffRemovesEveryEntryOfIt) {
    g_Spinner.entries.Append(Entry(u"Notes", kSpinView, 8, 0));
    g_Spinner.entries.Append(Entry(u"Tasks", kSpinView, 5, 2));
    g_Spinner.entries.Append(Entry(u"My Notes", kSpinView, 8, 4));
    // A saved view's number is no view code.
    g_Spinner.entries.Append(Entry(u"Trip", kSpinSavedView, 8, 6));
    g_Spinner.loaded = true;
    g_ViewShown[ShownView::Notes] = 0;
    DropDisabledViewsFromSpinner();
    ASSERT_EQ(g_Spinner.entries.Size(), 2);
    EXPECT_EQ(g_Spinner.entries[0].name, u"Tasks");
    EXPECT_EQ(g_Spinner.entries[1].name, u"Trip");
    EXPECT_EQ(FindSpinnerViewItem(8), -1);

    // What the wheel reads at its next start holds no entry of the view either.
    g_Spinner = SpinnerItems();
    LoadSpinnerOrDefaults();
    ASSERT_EQ(g_Spinner.entries.Size(), 2);
    EXPECT_EQ(FindSpinnerViewItem(8), -1);
}

TEST_F(SpinnerTest, RunningTheFrontEntrySwitchesTheView) {
    g_Spinner.entries.Append(Entry(u"Week", kSpinView, 1, 2));
    g_Spinner.entries.Append(Entry(u"Calendar", kSpinView, 0, 0));
    g_Spinner.loaded = true;
    ViewId = kViewSpinner;
    RunSpinnerItem();
    EXPECT_EQ(ViewId, kViewMonth);

    // Nothing at the front: nothing runs.
    g_Spinner.entries[1].position = 5;
    ViewId = kViewSpinner;
    RunSpinnerItem();
    EXPECT_EQ(ViewId, kViewSpinner);
}

TEST_F(SpinnerTest, ViewNamesFollowTheScreenClass) {
    EXPECT_EQ(GetSpinnerViewName(2), u"Bar Week");
    EXPECT_EQ(GetSpinnerViewName(4), u"Year");
    EXPECT_EQ(GetSpinnerViewName(25), u"New Appt.");
    EXPECT_EQ(GetSpinnerViewName(10), u"");
    EXPECT_EQ(SpinnerSavedViewIcon(11), 30);
    EXPECT_EQ(SpinnerSavedViewIcon(8), -1);
}

}  // namespace
