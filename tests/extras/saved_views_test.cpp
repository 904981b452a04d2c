// Saved views: "savedviews.dat" written and read back (and in its oldest form), the name order,
// saving the current view through the prompt, applying one, and the dialog that picks and deletes.
#include "tests/extras/spinner_fixture.h"

#include "platform/commctrl.h"
#include "lists/cts_type_ahead.h"
#include "platform/shell.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "resources/resource.h"
#include "tests/support/prompt_answer.h"
#include "ui/dialog_conventions.h"

namespace {

using spintest::SpinnerTest;

SavedView View(const char16_t* name, LONG code) {
    SavedView view;
    view.name = name;
    view.viewCode = code;
    return view;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class SavedViewsTest : public SpinnerTest {};

TEST_F(SavedViewsTest, FileRoundTripKeepsTheRecord) {
    SavedView view = View(u"Work tasks", kViewTasks);
    view.globalFilter = 0;
    view.hidePrivate = 1;
    view.weekTask = {1, 0, 1, 0, 1, 3, 1, 0, 1, 0};
    view.typeAheadText = u"Mü";
    view.keypadKeys[0] = 5;
    view.keypadIndex = 0;
    view.shownDate = {2026, 3, 10};
    view.weekDate = DateRec(2026, 3, 8, 9, 30);
    view.weekDate.wDayOfWeek = 5;  // wrong on purpose: reading recomputes it
    view.calText = 2;
    CatRecord cat;
    cat.name = u"Business";
    cat.taskMark = 1;
    view.categories.Append(cat);
    g_SavedViews.views.Append(view);
    SaveSavedViews();

    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_TRUE(g_SavedViews.loaded);
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    const SavedView& read = g_SavedViews.views[0];
    EXPECT_EQ(read.name, u"Work tasks");
    EXPECT_EQ(read.viewCode, kViewTasks);
    EXPECT_EQ(read.hidePrivate, 1);
    EXPECT_EQ(read.weekTask, view.weekTask);
    EXPECT_EQ(read.typeAheadText, u"Mü");
    EXPECT_EQ(read.keypadKeys, view.keypadKeys);
    EXPECT_EQ(read.shownDate, view.shownDate);
    EXPECT_EQ(read.weekDate.wDay, 8);
    EXPECT_EQ(read.weekDate.wHour, 9);
    EXPECT_EQ(read.weekDate.wDayOfWeek, 0);  // 8 March 2026 is a Sunday
    EXPECT_EQ(read.calText, 2);
    ASSERT_EQ(read.categories.Size(), 1);
    EXPECT_EQ(read.categories[0].name, u"Business");
}

TEST_F(SavedViewsTest, OldestRecordVersionKeepsTheNewFieldsAtTheirDefaults) {
    SavedView view = View(u"Old", kViewMonth);
    view.reserved = {7, 7, 7, 7, 7};
    view.calText = 3;
    g_SavedViews.views.Append(view);
    SaveSavedViews();
    // Rewrite it as version 1: no reserved words and no calendar text at the end.
    std::vector<std::string> lines = Lines(ReadHostFile(kSavedViewsFile));
    ASSERT_GT(lines.size(), 8u);
    lines[1] = "1";
    lines.resize(lines.size() - 6);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    WriteHostFile(kSavedViewsFile, text);

    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    EXPECT_EQ(g_SavedViews.views[0].reserved, (std::array<LONG, kReservedWords>{0, 0, 1, 1, 1}));
    EXPECT_EQ(g_SavedViews.views[0].calText, 0);
}

TEST_F(SavedViewsTest, DamagedFileKeepsWholeRecordsAndMissingFileIsEmpty) {
    LoadSavedViews();
    EXPECT_TRUE(SavedViewsLoadedAndEmpty());
    g_SavedViews.views.Append(View(u"A", kViewTasks));
    g_SavedViews.views.Append(View(u"B", kViewContacts));
    SaveSavedViews();
    const std::string text = ReadHostFile(kSavedViewsFile);
    WriteHostFile(kSavedViewsFile, "999999" + text.substr(text.find('\n'), text.size() * 3 / 4));
    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    EXPECT_EQ(g_SavedViews.views[0].name, u"A");
}

TEST_F(SavedViewsTest, NameOrderKeepsEqualNamesInInsertionOrderAndApplyPicksTheLater) {
    SavedView home = View(u"Home", kViewTasks);
    home.weekTask[5] = 1;
    SavedView lower = View(u"home", kViewTasks);
    lower.weekTask[5] = 2;
    InsertSavedView(home);
    InsertSavedView(View(u"work", kViewTasks));
    InsertSavedView(lower);
    InsertSavedView(View(u"Away", kViewTasks));
    std::vector<std::u16string> names;
    for (const SavedView& view : g_SavedViews.views) names.push_back(view.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Away", u"Home", u"home", u"work"}));
    g_SavedViews.loaded = true;
    ApplySavedViewByName(u"HOME");
    EXPECT_EQ(g_Settings.taskSort, 2);
    // No such name, and an index out of the list: nothing.
    g_Settings.taskSort = 9;
    ApplySavedViewByName(u"Nowhere");
    ApplySavedView(17);
    EXPECT_EQ(g_Settings.taskSort, 9);
}

TEST_F(SavedViewsTest, SaveViewCmdStoresTheCurrentViewUnderTheAnswer) {
    ViewId = kViewTasks;
    g_Settings.globalFilter = 0;
    g_Settings.taskFilterOn = 1;
    g_Settings.taskSort = 3;
    g_Settings.hideComplete = 1;
    CatRecord cat;
    cat.name = u"Home";
    cat.taskMark = 1;
    g_CatList.RemoveAll();
    g_CatList.Append(cat);
    testsupport::AnswerPrompt(kDlgAccept, u"Chores");
    SaveViewCmd();
    g_CatList.RemoveAll();

    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    const SavedView& view = g_SavedViews.views[0];
    EXPECT_EQ(view.name, u"Chores");
    EXPECT_EQ(view.viewCode, kViewTasks);
    EXPECT_EQ(view.weekTask[4], 1);  // TASKFILTERON
    EXPECT_EQ(view.weekTask[5], 3);  // TASKSORT
    EXPECT_EQ(view.weekTask[8], 1);  // HIDECOMPLETE
    ASSERT_EQ(view.categories.Size(), 1);  // the filter was on

    // A cancelled or empty answer saves nothing.
    testsupport::AnswerPrompt(kDlgAccept, u"");
    SaveViewCmd();
    testsupport::AnswerPrompt(kDlgCancel, u"Other");
    SaveViewCmd();
    LoadSavedViews();
    EXPECT_EQ(g_SavedViews.views.Size(), 1);
}

TEST_F(SavedViewsTest, ApplyingAMonthViewWithDatesOpensThatDate) {
    SavedView view = View(u"March", kViewMonth);
    view.datesSaved = 1;
    view.shownDate = {2025, 12, 24};
    view.schedule[9] = 0;  // SPLITMONTH
    view.calText = 2;
    g_SavedViews.views.Append(view);
    g_SavedViews.loaded = true;
    g_SelectedDate = DateRec(2026, 3, 10);
    g_Settings.splitMonth = 1;
    g_Settings.dayViewBars = 1;
    g_Settings.skipEmpty = 1;
    ViewId = kViewSpinner;
    ApplySavedView(0);
    EXPECT_EQ(ViewId, kViewMonth);
    // The day view's own switches are not the month view's to bring back.
    EXPECT_EQ(g_Settings.dayViewBars, 1);
    EXPECT_EQ(g_Settings.skipEmpty, 1);
    EXPECT_EQ(g_SelectedDate.wYear, 2025);
    EXPECT_EQ(g_SelectedDate.wMonth, 12);
    EXPECT_EQ(g_SelectedDate.wDay, 24);
    EXPECT_EQ(g_Settings.splitMonth, 0);
    EXPECT_EQ(g_Settings.calText, 2);

    // Without saved dates the calendar stays on the date it shows.
    g_SavedViews.views[0].datesSaved = 0;
    g_SelectedDate = DateRec(2026, 3, 10);
    ApplySavedView(0);
    EXPECT_EQ(g_SelectedDate.wMonth, 3);
}

TEST_F(SavedViewsTest, DialogPicksARowAndDeletesWithItsLauncherEntries) {
    InsertSavedView(View(u"Alpha", kViewTasks));
    InsertSavedView(View(u"Beta", kViewContacts));
    g_SavedViews.loaded = true;
    g_Spinner.entries.Append(Entry(u"alpha", kSpinSavedView, kViewTasks, 0));
    g_Spinner.entries.Append(Entry(u"Tasks", kSpinView, kViewTasks, 4));
    g_Spinner.loaded = true;

    platform::testing::ActInsideDialog([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST);
        EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
        state.state = 0;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(SavedViewsDlg(nullptr), 1);

    platform::testing::AnswerMessageBox(IDYES);
    platform::testing::ActInsideDialog([](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, IDM_DELETE_SAVED_VIEW, 0);
        EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST), LVM_GETITEMCOUNT, 0, 0), 1);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(SavedViewsDlg(nullptr), -1);
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    EXPECT_EQ(g_SavedViews.views[0].name, u"Beta");
    ASSERT_EQ(g_Spinner.entries.Size(), 1);
    EXPECT_EQ(g_Spinner.entries[0].name, u"Tasks");
    EXPECT_EQ(g_Spinner.entries[0].position, 0);
}

// The dialog's Menu soft key once opened the image menu, which shares the bar's old number, so no
// saved view could be deleted.
TEST_F(SavedViewsTest, MenuSoftKeyDeletesTheSelectedViewFromTheFile) {
    InsertSavedView(View(u"Alpha", kViewTasks));
    InsertSavedView(View(u"Beta", kViewContacts));
    SaveSavedViews();
    g_SavedViews = SavedViewList();
    platform::testing::TestScreen screen;
    platform::testing::DrawRecord record;
    std::vector<std::u16string> menu, rows;
    platform::testing::ActInsideDialog([](HWND) {
        platform::testing::Key(VK_DOWN);
        platform::testing::Key(VK_TSOFT2);
    });
    platform::testing::ActInsideModalLoop([&menu] {
        menu = platform::testing::OpenMenuTexts();
        platform::testing::Key(VK_DOWN);
        platform::testing::Key(VK_RETURN);
    });
    // "Are you sure...?": Yes.
    platform::testing::ActInsideModalLoop([] { platform::testing::EndModalLoop(IDYES); });
    platform::testing::ActInsideDialog([&](HWND dialog) {
        platform::testing::PumpUntilIdle();
        RECT list{};
        GetWindowRect(GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST), &list);
        for (const auto& text : record.ScreenTextsIn(list)) rows.push_back(text.text);
        platform::testing::Key(VK_TSOFT2);
        platform::testing::ActInsideModalLoop([] {
            for (int i = 0; i < 2; ++i) platform::testing::Key(VK_DOWN);  // "Cancel", past the separator
            platform::testing::Key(VK_RETURN);
        });
    });
    EXPECT_EQ(SavedViewsDlg(nullptr), -1);
    EXPECT_EQ(menu, (std::vector<std::u16string>{u"Delete", u"-", u"Cancel"}));
    EXPECT_EQ(rows, std::vector<std::u16string>{u"Alpha"});
    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    EXPECT_EQ(g_SavedViews.views[0].name, u"Alpha");
}

TEST_F(SavedViewsTest, DoubleTapOnARowChoosesIt) {
    InsertSavedView(View(u"Alpha", kViewTasks));
    InsertSavedView(View(u"Beta", kViewContacts));
    g_SavedViews.loaded = true;
    platform::testing::ActInsideDialog([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST);
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
        const LPARAM point = MAKELPARAM(r.left + 20, (r.top + r.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, 0, point);
        SendMessageW(list, WM_LBUTTONUP, 0, point);
        SendMessageW(list, WM_LBUTTONDBLCLK, 0, point);
        // Reaches the dialog only when the tap left it open.
        PostMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(SavedViewsDlg(nullptr), 1);
}

TEST_F(SavedViewsTest, ContactViewKeepsTheTypeAheadAndKeypadSearch) {
    ViewId = kViewContacts;
    g_CtsTypeAhead.letter = u'M';
    g_CtsTypeAhead.text = u"Mar";
    g_CtsTypeAhead.extend = 1;
    ClearKeypadKeys();
    g_KeypadKeys.keys[0] = u'6';
    g_KeypadKeys.keys[1] = u'2';
    g_KeypadKeys.last = 1;
    testsupport::AnswerPrompt(kDlgAccept, u"Mar");
    SaveViewCmd();
    g_SavedViews = SavedViewList();
    LoadSavedViews();
    ASSERT_EQ(g_SavedViews.views.Size(), 1);
    const SavedView& view = g_SavedViews.views[0];
    EXPECT_EQ(view.typeAheadLetter, u'M');
    EXPECT_EQ(view.typeAheadText, u"Mar");
    EXPECT_EQ(view.contactState, 1);
    EXPECT_EQ(view.keypadIndex, 1);
    EXPECT_EQ(view.keypadKeys[0], u'6');
    EXPECT_EQ(view.keypadKeys[1], u'2');
    EXPECT_EQ(view.keypadKeys[2], -1);
    ClearCtsTypeAhead();
    ClearKeypadKeys();
}

TEST_F(SavedViewsTest, RowsShowThePictureOfTheirViewKind) {
    struct Case {
        const char16_t* name;
        LONG view;
        int picture;  // -1: none
    };
    const Case cases[] = {{u"a month", kViewMonth, 15}, {u"b tasks", kViewTasks, 7},  {u"c contacts", kViewContacts, 13},
                          {u"d day", kViewDay, 20},     {u"e week", kViewWeek, 18}, {u"f notes", kViewNotes, -1}};
    for (const Case& c : cases) InsertSavedView(View(c.name, c.view));
    g_SavedViews.loaded = true;
    platform::testing::TestScreen screen;
    platform::testing::DrawRecord record;
    std::vector<int> shown;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST);
        InvalidateRect(list, nullptr, TRUE);
        platform::testing::PumpUntilIdle();
        for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
            RECT r{};
            r.left = LVIR_BOUNDS;
            SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
            MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
            int found = -1;
            for (const auto& picture : record.ScreenPicturesIn(r))
                if (picture.resourceId == IDB_FIELD_STRIP) found = picture.index;
            shown.push_back(found);
        }
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(SavedViewsDlg(nullptr), -1);
    std::vector<int> expected;
    for (const Case& c : cases) expected.push_back(c.picture);
    EXPECT_EQ(shown, expected);
}

}  // namespace
