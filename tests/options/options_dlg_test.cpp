// The options dialog driven as the user drives it: the start page, every page's OK writing the
// settings and Cancel leaving them, the two checks, the Display page's theme words and default
// theme file, and a screenshot.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/cat_record.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/res_string.h"
#include "options/options_display.h"
#include "options/options_dlg.h"
#include "options_fixture.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "ui/color_picker.h"
#include "ui/list_view_calls.h"

namespace {

namespace pt = platform::testing;
using options_test::OptionsTest;

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_OPTIONS_LIST); }

// Shows the page and presses Enter on the row that watches the variable (a check box toggles).
void ToggleRow(HWND dialog, int page, const void* live) {
    SelectOptionsPage(dialog, page);
    const LONG index = FindValSnapFor(live);
    ASSERT_GE(index, 0);
    LvSelectRow(List(dialog), index);
    SendMessageW(List(dialog), WM_KEYDOWN, VK_RETURN, 0);
}

// Gives the row that watches the variable a new copy, as an editor would.
void EditRow(HWND dialog, int page, const void* live, auto&& change) {
    SelectOptionsPage(dialog, page);
    const LONG index = FindValSnapFor(live);
    ASSERT_GE(index, 0);
    ValSnap row = FieldListRows()[index];
    change(row);
    StoreFieldRow(List(dialog), index, row);
}

void Press(HWND dialog, UINT command) { SendMessageW(dialog, WM_COMMAND, command, 0); }

std::filesystem::path DefaultThemeFile(const pt::TestDevice& device) {
    return device.HostPath(ProgramFolderFile(u"defTheme.zqth"));
}

class OptionsDlgTest : public OptionsTest {};

TEST_F(OptionsDlgTest, StartsOnThePageOfTheCurrentView) {
    const struct {
        LONG view;
        int page;
    } cases[] = {{kViewContacts, kPageContacts}, {kViewWallet, kPageWallet},     {kViewWalletLocked, kPageWallet},
                 {kViewWalletItem, kPageWallet}, {kViewMonth, kPageSchedule},    {kViewDay, kPageSchedule},
                 {kViewTasks, kPageTasks},       {kViewNotes, kPageNotes},       {kViewProjects, kPageProjects},
                 {kViewSpinner, kPageGeneral},   {kViewCoverScreen, kPageGeneral}};
    for (const auto& c : cases) EXPECT_EQ(OptionsStartPage(c.view), c.page) << c.view;
    ViewId = kViewContacts;
    int shown = -1;
    std::u16string title;
    pt::ActInsideDialog([&](HWND dialog) {
        shown = g_Options.page;
        title = pt::NavBarTitle();
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    EXPECT_EQ(shown, kPageContacts);
    EXPECT_EQ(title, u"Vestral Agenda Options");
}

struct PageCase {
    int page;
    LONG* live;
    const WCHAR* stored;  // the settings value OK writes, null when the page writes elsewhere
};

TEST_F(OptionsDlgTest, OkWritesEachPageAndCancelLeavesIt) {
    const PageCase cases[] = {
        {kPageGeneral, &g_Settings.hidePrivate, u"HIDEPRIVATE"},
        {kPageViews, &g_ViewShown[ShownView::Week], u"VIEW_WEEK"},
        {kPageSchedule, &g_Settings.isoWeek, u"ISOWEEK"},
        {kPageTasks, &g_Settings.tskBold, u"TSKBOLD"},
        {kPageContacts, &g_Settings.dispCompany, u"DISPCOMPANY"},
        {kPageNotes, &g_Settings.wordWrap, u"WORDWRAP"},
        {kPageWallet, &g_WltSettings.noMask, u"WLTNOMASK"},
        {kPageProjects, &g_PrjOptions.progress, nullptr},
        {kPageDisplay, &g_Theme.words[39], nullptr},
    };
    for (const PageCase& c : cases) {
        const LONG before = *c.live;
        const LONG storedBefore = c.stored ? Stored(c.stored) : 0;
        for (const UINT ending : {IDM_DLG_CANCEL, IDM_DLG_DONE}) {
            pt::ActInsideDialog([&](HWND dialog) {
                ToggleRow(dialog, c.page, c.live);
                Press(dialog, ending);
            });
            RunOptionsDlg();
            if (ending == IDM_DLG_CANCEL) {
                EXPECT_EQ(*c.live, before) << "Cancel, page " << c.page;
                if (c.stored) {
                    EXPECT_EQ(Stored(c.stored), storedBefore) << "Cancel, page " << c.page;
                }
            } else {
                EXPECT_EQ(*c.live, before ? 0 : 1) << "OK, page " << c.page;
                if (c.stored) {
                    EXPECT_EQ(Stored(c.stored), *c.live) << "OK, page " << c.page;
                }
            }
        }
    }
    EXPECT_TRUE(std::filesystem::exists(DefaultThemeFile(device_))) << "the Display page saved the default theme";
}

TEST_F(OptionsDlgTest, NoViewLeftIsRefusedAndCancelKeepsTheViews) {
    const ViewShownFlags before = g_ViewShown;
    bool stayed = false;
    int pageAfter = -1;
    pt::ActInsideDialog([&](HWND dialog) {
        SelectOptionsPage(dialog, kPageViews);
        for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) {
            const LONG index = FindValSnapFor(&g_ViewShown.flags[i]);
            if (index >= 0) FieldListRows()[index].plainValue = 0;
        }
        SelectOptionsPage(dialog, kPageGeneral);
        Press(dialog, IDM_DLG_DONE);
        stayed = pt::DialogIsOpen(dialog);
        pageAfter = g_Options.page;
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(pageAfter, kPageViews) << "back on the refused page";
    const auto boxes = pt::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"At Least One View is Required.");
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) EXPECT_EQ(g_ViewShown.flags[i], before.flags[i]);
    EXPECT_EQ(Stored(u"VIEW_MONTH"), -999);
}

TEST_F(OptionsDlgTest, BarEndOfMidnightPassesAndIsStoredAs24) {
    pt::ActInsideDialog([&](HWND dialog) {
        EditRow(dialog, kPageSchedule, &g_Settings.barStart, [](ValSnap& row) { row.indexValue = 8; });
        EXPECT_EQ(FieldListRows()[FindValSnapFor(&g_Settings.barEnd)].indexValue, 0) << "24 is shown as midnight";
        Press(dialog, IDM_DLG_DONE);
    });
    RunOptionsDlg();
    EXPECT_TRUE(pt::MessageBoxesShown().empty());
    EXPECT_EQ(g_Settings.barStart, 8);
    EXPECT_EQ(g_Settings.barEnd, 24);
    EXPECT_EQ(Stored(u"BAREND"), 24);
}

TEST_F(OptionsDlgTest, ScheduleChecksInTheirOrder) {
    const struct {
        LONG barStart, barEnd, useWork, workStart, workEnd;
        const WCHAR* message;
    } cases[] = {
        {10, 9, 1, 10, 9, u"Bar Start Time must be before Bar End Time."},
        {6, 20, 1, 12, 12, u"Bar Work Start Time must be before Work End Time."},
        {8, 18, 1, 7, 17, u"Work Times must fall inside Bar Start and End."},
        {8, 18, 0, 7, 17, nullptr},
    };
    for (const auto& c : cases) {
        options_test::ResetRecords();
        pt::ClearMessageBoxes();
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, kPageSchedule);
            const struct {
                LONG* live;
                LONG value;
            } edits[] = {{&g_Settings.barStart, c.barStart}, {&g_Settings.barEnd, c.barEnd},
                         {&g_Settings.barWorkStart, c.workStart}, {&g_Settings.barWorkEnd, c.workEnd}};
            for (const auto& e : edits) FieldListRows()[FindValSnapFor(e.live)].indexValue = e.value;
            FieldListRows()[FindValSnapFor(&g_Settings.useBarWork)].plainValue = c.useWork;
            Press(dialog, IDM_DLG_DONE);
            if (pt::DialogIsOpen(dialog)) Press(dialog, IDM_DLG_CANCEL);
        });
        RunOptionsDlg();
        const auto boxes = pt::MessageBoxesShown();
        if (c.message == nullptr) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(g_Settings.barWorkStart, c.workStart);
        } else {
            ASSERT_EQ(boxes.size(), 1u) << c.barStart;
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(g_Settings.barStart, AppSettings().barStart) << "a refused page writes nothing";
        }
    }
}

// Checking both pages before writing either: a refused Schedule page no longer leaves the View
// Selection page's edits in the live switches after Cancel.
TEST_F(OptionsDlgTest, ScheduleRefusalLeavesViewSelectionUnwritten) {
    pt::ActInsideDialog([&](HWND dialog) {
        ToggleRow(dialog, kPageViews, &g_ViewShown[ShownView::Week]);
        EditRow(dialog, kPageSchedule, &g_Settings.barStart, [](ValSnap& row) { row.indexValue = 23; });
        Press(dialog, IDM_DLG_DONE);
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    EXPECT_EQ(pt::MessageBoxesShown().size(), 1u);
    EXPECT_EQ(g_ViewShown[ShownView::Week], 1);
}

// Check for Update closed the dialog with OK although a page refused its values, losing the edits.
TEST_F(OptionsDlgTest, CheckForUpdateWithARefusedPageKeepsTheDialogOpen) {
    bool stayed = false;
    pt::ActInsideDialog([&](HWND dialog) {
        EditRow(dialog, kPageSchedule, &g_Settings.barStart, [](ValSnap& row) { row.indexValue = 23; });
        Press(dialog, IDM_OPT_CHECK_UPDATE);
        stayed = pt::DialogIsOpen(dialog);
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(g_Options.updateRequested, 0);
    EXPECT_EQ(pt::MessageBoxesShown().size(), 1u);
}

// Only Left and Right stepped the pages as they read: the right arrow beside the page selector went
// back a page.
TEST_F(OptionsDlgTest, TappingThePageArrowsStepsThePages) {
    std::vector<int> pages;
    pt::ActInsideDialog([&](HWND dialog) {
        RECT spin{};
        GetWindowRect(GetDlgItem(dialog, IDC_OPTIONS_SPIN), &spin);
        const int y = (spin.top + spin.bottom) / 2;
        pages.push_back(g_Options.page);
        platform::testing::Tap(spin.right - 4, y);  // the right arrow: the next page
        platform::testing::PumpUntilIdle();
        pages.push_back(g_Options.page);
        platform::testing::Tap(spin.left + 4, y);  // the left arrow: back
        platform::testing::PumpUntilIdle();
        pages.push_back(g_Options.page);
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1], pages[0] + 1);
    EXPECT_EQ(pages[2], pages[0]);
}

// Turning the birthdays on after the load left the contacts (and so their dates) unread until the
// next start.
TEST_F(OptionsDlgTest, TurningBirthdaysOnReadsTheContactsNow) {
    const LONG allLoaded = g_LoadState.allLoaded;
    g_LoadState.allLoaded = 1;
    g_LoadState.contactsLoaded = 0;
    g_Settings.dateItems = 0;
    pt::ActInsideDialog([&](HWND dialog) {
        ToggleRow(dialog, kPageSchedule, &g_Settings.dateItems);
        Press(dialog, IDM_DLG_DONE);
    });
    RunOptionsDlg();
    EXPECT_EQ(g_Settings.dateItems, 1);
    EXPECT_EQ(g_LoadState.contactsLoaded, 1);
    g_LoadState.allLoaded = allLoaded;
}

// Switching the next month's preview on left that month unread, its days drawn as not loaded,
// until the user moved to another month.
TEST_F(OptionsDlgTest, TurningTheNextMonthPreviewOnReadsTheNextMonth) {
    const LONG allLoaded = g_LoadState.allLoaded;
    const DateRec selected = g_SelectedDate;
    g_LoadState.allLoaded = 1;
    g_Settings.splitMonth = 1;
    g_Settings.nextMonthPrev = 0;
    g_SelectedDate = DateRec(2009, 12, 15);
    ClearApptMonthCache();
    ReLoadApptPOOM(2009, 12, 0);
    ApptArray* const shown = g_ApptCache.curAppts;
    pt::ActInsideDialog([&](HWND dialog) {
        ToggleRow(dialog, kPageSchedule, &g_Settings.nextMonthPrev);
        Press(dialog, IDM_DLG_DONE);
    });
    RunOptionsDlg();
    EXPECT_EQ(g_Settings.nextMonthPrev, 1);
    EXPECT_GE(FindMonthBucket(2010, 1), 0);
    EXPECT_EQ(g_ApptCache.curAppts, shown) << "the shown month stays the current one";
    ClearApptMonthCache();
    g_SelectedDate = selected;
    g_LoadState.allLoaded = allLoaded;
}

TEST_F(OptionsDlgTest, SelectionColourGivesTheFrameColour) {
    const struct {
        COLORREF selection, frame;
    } cases[] = {{0xE0FFE0, 0x00FF80}, {0xB8CCFF, 0x0000E6}, {0xFFFFFF, 0x0000E6},
                 {0xFFE0E0, 0x804000}, {RGB(200, 60, 100), RGB(120, 0, 20)}};
    for (const auto& c : cases) {
        pt::ActInsideDialog([&](HWND dialog) {
            EditRow(dialog, kPageDisplay, &g_Theme.words[0], [&](ValSnap& row) { row.numberValue = static_cast<LONG>(c.selection); });
            Press(dialog, IDM_DLG_DONE);
        });
        RunOptionsDlg();
        EXPECT_EQ(static_cast<COLORREF>(g_Theme.words[0]), c.selection);
        EXPECT_EQ(static_cast<COLORREF>(g_Theme.words[1]), c.frame) << std::hex << c.selection;
    }
    EXPECT_TRUE(std::filesystem::exists(DefaultThemeFile(device_)));
}

TEST_F(OptionsDlgTest, DisplayRowsChangeThemeWordsOnlyOnOk) {
    const LONG titleBars = g_Theme.words[36];
    const LONG margin = g_Theme.words[50];
    for (const UINT ending : {IDM_DLG_CANCEL, IDM_DLG_DONE}) {
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, kPageDisplay);
            for (const void* live : {static_cast<const void*>(&g_Theme.words[36]), static_cast<const void*>(&g_Theme.words[50])}) {
                LvSelectRow(List(dialog), FindValSnapFor(live));
                SendMessageW(List(dialog), WM_KEYDOWN, VK_RIGHT, 0);
            }
            Press(dialog, ending);
        });
        RunOptionsDlg();
    }
    EXPECT_EQ(g_Theme.words[36], (titleBars + 1) % 4);
    EXPECT_EQ(g_Theme.words[50], margin + 1);
    EXPECT_EQ(std::filesystem::exists(DefaultThemeFile(device_)), true);
}

TEST_F(OptionsDlgTest, SetDisplayToDefaultsActsAtOnceAndCancelKeepsIt) {
    g_Theme.words[36] = 3;
    LONG shownRow = -1;
    pt::ActInsideDialog([&](HWND dialog) {
        SelectOptionsPage(dialog, kPageDisplay);
        Press(dialog, IDM_OPT_DISPLAY_DEFAULTS);
        shownRow = FieldListRows()[FindValSnapFor(&g_Theme.words[36])].indexValue;
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    ThemeRec defaults;
    ThemeSetDefaults(defaults);
    EXPECT_EQ(g_Theme.words[36], defaults.words[36]);
    EXPECT_EQ(shownRow, defaults.words[36]) << "the row shows the live value again";
    EXPECT_TRUE(std::filesystem::exists(DefaultThemeFile(device_)));
    const auto boxes = pt::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Set Display to Defaults Successful.");
}

// The picture rows get "Set Image" / "Clear Image", whose picker lists pictures, rather than the
// file picker in the theme-file mode.
TEST_F(OptionsDlgTest, PictureRowsOfferImages) {
    FillOptionsPage(kPageDisplay);
    int pictures = 0;
    for (const ValSnap& row : g_Options.pages[kPageDisplay]) {
        if (row.kind != kFieldPath) continue;
        ++pictures;
        EXPECT_EQ(row.rowOption, kPickerImageMenu) << std::string(row.label.begin(), row.label.end());
    }
    EXPECT_EQ(pictures, 3);
    g_Settings.ce5OrLater = 0;
    ClearOptionTables();
    FillOptionsPage(kPageDisplay);
    for (const ValSnap& row : g_Options.pages[kPageDisplay]) EXPECT_NE(row.kind, kFieldPath);
}

TEST_F(OptionsDlgTest, CategoryRowsSkipProjectCategoriesAndWriteByPosition) {
    const CatArray saved = g_CatList;
    g_CatList.RemoveAll();
    for (const WCHAR* name : {u"Home", u"Prj:Garden", u"Work"}) {
        CatRecord cat;
        cat.name = name;
        g_CatList.Append(cat);
    }
    FillOptionsPage(kPageCategory);
    const ValSnapArray& rows = g_Options.pages[kPageCategory];
    ASSERT_EQ(rows.Size(), 3);
    EXPECT_EQ(rows[2].label, u"Work");
    g_Options.pages[kPageCategory][2].numberValue = 0x123456;
    g_Options.pages[kPageCategory][2].secondValue = 7;
    g_Options.optionsChanged = 1;
    ApplyCategoryOptions();
    EXPECT_EQ(g_CatList[2].colour, 0x123456u);
    EXPECT_EQ(g_CatList[2].icon, 7);
    EXPECT_EQ(g_CatList[1].icon, -1);
    g_CatList = saved;
}

TEST_F(OptionsDlgTest, ScreenshotOfTheOptionsDialog) {
    const std::filesystem::path file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "options_dialog.png";
    std::filesystem::remove(file);
    COLORREF header = 0;
    pt::ActInsideDialog([&](HWND dialog) {
        SelectOptionsPage(dialog, kPageSchedule);
        FieldListDown(dialog, IDC_OPTIONS_LIST, true);
        pt::PumpUntilIdle();
        RECT rect{};
        GetWindowRect(dialog, &rect);
        header = pt::ReadScreenPixel(rect.left + 2, rect.top + 2);
        EXPECT_TRUE(pt::SaveScreenshot(file));
        Press(dialog, IDM_DLG_CANCEL);
    });
    RunOptionsDlg();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(header, static_cast<COLORREF>(g_Theme.words[10])) << "the header band in the theme background";
}

TEST(OptionsFontSize, ChoicesByScreenClass) {
    const struct {
        int width, height;
        LONG fontSize;
        LONG index;
    } cases[] = {{240, 320, 13, 1}, {240, 320, 18, 4}, {320, 320, 20, 3}, {480, 640, 26, 2}, {480, 640, 12, 1}};
    for (const auto& c : cases) {
        pt::TestDevice device(options_test::Screen(c.width, c.height));
        EXPECT_EQ(FontSizeIndexOf(CurrentFontSizeTable(), c.fontSize, 0), c.index) << c.width << " " << c.fontSize;
    }
}

// Outside the three named screen classes the chosen size used to be dropped; it is written now.
TEST(OptionsFontSize, OtherScreensWriteTheChosenSize) {
    pt::TestDevice device(options_test::Screen(176, 220));
    const FontSizeTable& table = CurrentFontSizeTable();
    EXPECT_EQ(FontSizeIndexOf(table, 13, 3), 3) << "an unknown size leaves the index";
    const AppSettings saved = g_Settings;
    g_Settings.smallFontHeight = 11;
    ApplyFontSizeChoice(table, 2);
    EXPECT_EQ(g_Settings.fontSize, 16);
    EXPECT_EQ(g_Settings.smallFontHeight, 11);
    g_Settings = saved;
}

}  // namespace

namespace {

// "Set Color" on a Category Setup row: the picker offers the stored default as 0x8B0000, the row
// takes the chosen colour, and OK writes it into the category and its file; Cancel writes nothing.
TEST_F(OptionsDlgTest, SetColorOnACategoryRowIsWrittenOnOk) {
    const CatArray saved = g_CatList;
    g_CatList.RemoveAll();
    CatRecord home;
    home.name = u"Home";
    g_CatList.Append(home);
    const std::filesystem::path catFile = device_.HostPath(ProgramFolderFile(u"catinfo.dat"));
    for (const UINT ending : {IDM_DLG_CANCEL, IDM_DLG_DONE}) {
        COLORREF offered = 0;
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, kPageCategory);
            LvSelectRow(List(dialog), 1);
            pt::ActInsideDialog([&](HWND picker) {
                offered = g_PickerState.colour;
                Press(picker, IDM_DLG_DONE);
            });
            Press(dialog, IDM_SET_COLOR);
            EXPECT_EQ(g_Options.optionsChanged, 1);
            Press(dialog, ending);
        });
        RunOptionsDlg();
        EXPECT_EQ(offered, 0x8B0000u);
        if (ending == IDM_DLG_CANCEL) {
            EXPECT_EQ(g_CatList[0].colour, kCatDefaultColour);
            EXPECT_FALSE(std::filesystem::exists(catFile));
        } else {
            EXPECT_EQ(g_CatList[0].colour, 0x8B0000u);
            EXPECT_TRUE(std::filesystem::exists(catFile));
        }
    }
    g_CatList = saved;
}

}  // namespace

namespace {

// The headings were drawn from the very edge of their band, where the band's edge ate into the
// first letter: each heading starts inside its band, clear of the edge, on every screen.
TEST(OptionsHeadings, StartClearOfTheBandsEdge) {
    ASSERT_TRUE(RegisterQuorviaResources());
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}, std::pair{320, 240}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        struct Fixture : OptionsTest {
            explicit Fixture(int w, int h) : OptionsTest(options_test::Screen(w, h)) {}
            void TestBody() override {}
        } fixture(width, height);
        ViewId = kViewSpinner;  // the General page
        std::vector<pt::DrawnText> headings;
        RECT list{};
        pt::ActInsideDialog([&](HWND dialog) {
            pt::DrawRecord record;
            InvalidateRect(List(dialog), nullptr, TRUE);
            pt::PumpUntilIdle();
            GetWindowRect(List(dialog), &list);
            for (const auto& text : record.ScreenTextsIn(list))
                if (text.text == u"General") headings.push_back(text);
            Press(dialog, IDM_DLG_CANCEL);
        });
        RunOptionsDlg();
        ASSERT_EQ(headings.size(), 1u);
        for (const auto& heading : headings) EXPECT_GE(heading.rect.left, list.left + 4) << platform::ToUtf8(heading.text);
    }
}

}  // namespace
