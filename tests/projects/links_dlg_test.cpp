// The Links dialog through its modal loop: the rows of an item's links, adding item, file and web
// links (saved at once), removing a pair or a text link, opening a row as the pending link, the
// refusal without a current item, and a screenshot.
#include "projects/links_dlg.h"

#include <filesystem>

#include "core/app_settings.h"
#include "core/cts_name_index.h"
#include "core/program_folder.h"
#include "core/theme_record.h"
#include "extras/theme_dlg.h"
#include "frame/main_window.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "resources/resource.h"
#include "tests/projects/prj_dialog_fixture.h"
#include "tests/support/prompt_answer.h"
#include "ui/dialog_conventions.h"
#include "ui/layout.h"

namespace {

using prjtest::ListRows;
using prjtest::Row;

class LinksDlgTest : public prjtest::PrjDialogTest {
protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        g_Settings.firstLast = kNameFirstLast;
        AddTask(5, u"Plan garden");
        AddTask(6, u"Buy seeds");
        AddContact(9, u"Anna", u"Baker");
        g_CurItem.oid = 5;
        g_CurItem.kind = kItemTask;
    }
    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_LINKS_LIST); }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }
    // Runs the dialog; `act` runs inside it, then the dialog is closed with "Done" unless act closed it.
    void RunLinks(std::function<void(HWND)> act) {
        platform::testing::ActInsideDialog([act](HWND dialog) {
            act(dialog);
            if (IsWindow(dialog)) Press(dialog, IDM_DLG_CANCEL);
        });
        ShowLinksDlgFor(owner_);
    }
    static void ChooseNext(LONG row) {
        platform::testing::ActInsideDialog([row](HWND picker) {
            prjtest::SelectRow(GetDlgItem(picker, IDC_CHOOSE_ITEM_LIST), row);
            SendMessageW(picker, WM_COMMAND, IDM_DLG_DONE, 0);
        });
    }
    std::string FileText() const { return device.ReadFile(ProgramFolderFile(kLinkInfoFile)); }
};

TEST_F(LinksDlgTest, AnItemWithoutLinksShowsOnlyTheNoLinksRowWhichDoesNothing) {
    std::vector<Row> rows;
    RunLinks([&](HWND dialog) {
        rows = ListRows(List(dialog));
        Press(dialog, IDM_REMOVE_LINK);
        Press(dialog, IDM_LINK_VIEW);
        EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));
    });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, u"No Links For Item...");
    EXPECT_EQ(rows[0].image, -1);
    EXPECT_EQ(rows[0].data, -1);
    EXPECT_FALSE(g_PendingLink.pending);
    EXPECT_FALSE(g_PendingLink.changed);
    EXPECT_FALSE(device.FileExists(ProgramFolderFile(kLinkInfoFile)));
}

TEST_F(LinksDlgTest, AddingAContactTwiceLeavesOnePairAndCancellingAddsNothing) {
    std::vector<Row> rows;
    RunLinks([&](HWND dialog) {
        ChooseNext(0);
        Press(dialog, IDM_ADD_CONTACT_LINK);
        ChooseNext(0);
        Press(dialog, IDM_ADD_CONTACT_LINK);
        platform::testing::ActInsideDialog([](HWND picker) { SendMessageW(picker, WM_COMMAND, IDM_DLG_CANCEL, 0); });
        Press(dialog, IDM_ADD_TASK_LINK);
        rows = ListRows(List(dialog));
    });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, u"Anna Baker");
    EXPECT_EQ(rows[0].data, 9);
    EXPECT_EQ(g_LinkTable.Size(), 2);
    EXPECT_TRUE(LinkExists(g_LinkTable, 9, 5));
    EXPECT_EQ(FileText(), "2\n\n5\n9\n3\n\n9\n5\n1\n");
    EXPECT_TRUE(g_PendingLink.changed);
}

TEST_F(LinksDlgTest, AcceptingTheWebPresetStoresTheBareScheme) {
    RunLinks([&](HWND dialog) {
        testsupport::AnswerPrompt(IDM_DLG_DONE, u"http://");
        Press(dialog, IDM_ADD_URL_LINK);
        testsupport::AnswerPrompt(IDM_DLG_CANCEL, u"http://example.org");
        Press(dialog, IDM_ADD_URL_LINK);
    });
    ASSERT_EQ(g_LinkTable.Size(), 1);
    EXPECT_EQ(g_LinkTable[0].kind, kLinkWeb);
    EXPECT_EQ(g_LinkTable[0].text, u"http://");
}

TEST_F(LinksDlgTest, RemovingAnItemLinkTakesTheReverseAndATextLinkTakesTheFirstMatch) {
    AddLinkPair(g_LinkTable, 5, 6, kItemTask, kItemTask);
    AddLinkToText(g_LinkTable, 5, u"\\Docs\\Plan.txt", kLinkFile);
    AddLinkToText(g_LinkTable, 5, u"\\docs\\plan.TXT", kLinkFile);
    std::vector<Row> before, after;
    RunLinks([&](HWND dialog) {
        before = ListRows(List(dialog));
        prjtest::SelectRow(List(dialog), 0);
        Press(dialog, IDM_REMOVE_LINK);
        prjtest::SelectRow(List(dialog), 1);
        Press(dialog, IDM_REMOVE_LINK);
        after = ListRows(List(dialog));
    });
    ASSERT_EQ(before.size(), 3u);
    EXPECT_EQ(before[0].text, u"Buy seeds");
    EXPECT_EQ(before[0].data, 6);
    EXPECT_EQ(before[1].text, u"\\Docs\\Plan.txt");
    ASSERT_EQ(after.size(), 1u);
    // The second row's text matched the first file link ignoring case, so that one went.
    EXPECT_EQ(after[0].text, u"\\docs\\plan.TXT");
    EXPECT_FALSE(LinkExists(g_LinkTable, 6, 5));
    EXPECT_EQ(FileText(), "1\n\\docs\\plan.TXT\n5\n-1\n5\n");
}

TEST_F(LinksDlgTest, GoneTargetsGetNoRowAndViewTakesARowAsThePendingLink) {
    AddLinkPair(g_LinkTable, 5, 77, kItemTask, kItemContact);  // no contact 77 is loaded
    AddLinkToText(g_LinkTable, 5, u"http://example.org", kLinkWeb);
    AddLinkToText(g_LinkTable, 5, u"\\Docs\\Missing.txt", kLinkFile);
    std::vector<Row> rows;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        rows = ListRows(List(dialog));
        prjtest::SelectRow(List(dialog), 1);
        Press(dialog, IDM_LINK_VIEW);
    });
    // Run without its opener, so that the pending link stays to be looked at.
    g_PendingLink = PendingLink{};
    EXPECT_EQ(RunProgramDialog(IDD_LINKS, owner_, LinksDlgProc), IDM_LINK_VIEW);
    EXPECT_TRUE(g_PendingLink.pending);
    EXPECT_EQ(g_PendingLink.kind, kPendingFile);
    EXPECT_EQ(g_PendingLink.text, u"\\Docs\\Missing.txt");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, u"http://example.org");
    // A file the shell has no icon for keeps its row.
    EXPECT_EQ(rows[1].text, u"\\Docs\\Missing.txt");
    EXPECT_GE(rows[1].image, 0);
}

TEST_F(LinksDlgTest, NoCurrentItemRefusesTheDialog) {
    ResetSelection();
    platform::testing::AnswerMessageBox(IDOK);
    ShowLinksDlgFor(owner_);
    ASSERT_EQ(platform::testing::MessageBoxesShown().size(), 1u);
    EXPECT_EQ(platform::testing::MessageBoxesShown()[0].text, u"No Item Selected.");
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

TEST_F(LinksDlgTest, ScreenshotOfTheLinksDialog) {
    AddLinkPair(g_LinkTable, 5, 9, kItemTask, kItemContact);
    AddLinkPair(g_LinkTable, 5, 6, kItemTask, kItemTask);
    AddLinkToText(g_LinkTable, 5, u"http://example.org/garden", kLinkWeb);
    AddLinkToText(g_LinkTable, 5, u"\\My Documents\\Garden plan.txt", kLinkFile);
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "links_dialog.png";
    RunLinks([&](HWND) {
        platform::testing::PumpUntilIdle();
        EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    });
    EXPECT_TRUE(std::filesystem::exists(file));
}

// A file the shell gives no icon for once ended the list at its row, hiding every later link.
TEST_F(LinksDlgTest, AFileWithoutAShellIconDoesNotHideTheLinksAfterIt) {
    AddLinkToText(g_LinkTable, 5, u"\\Gone\\Missing.txt", kLinkFile);
    AddLinkToText(g_LinkTable, 5, u"http://example.org", kLinkWeb);
    std::vector<Row> rows;
    RunLinks([&](HWND dialog) { rows = ListRows(List(dialog)); });
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, u"\\Gone\\Missing.txt");
    EXPECT_GE(rows[0].image, 0);
    EXPECT_EQ(rows[1].text, u"http://example.org");
}

TEST_F(LinksDlgTest, ScreenshotOfTheLinksDialogOnAVgaScreen) {
    platform::DeviceProfile profile = platform::Profile();
    profile.screenWidth = 480;
    profile.screenHeight = 640;
    device.SetProfile(profile);
    AddLinkPair(g_LinkTable, 5, 9, kItemTask, kItemContact);
    AddLinkToText(g_LinkTable, 5, u"http://example.org/garden", kLinkWeb);
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "links_dialog_vga.png";
    std::vector<Row> rows;
    RunLinks([&](HWND dialog) {
        rows = ListRows(List(dialog));
        platform::testing::PumpUntilIdle();
        EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    });
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace

namespace {

class LinksHeaderTest : public LinksDlgTest {
protected:
    void TearDown() override {
        DeleteThemeFonts();
        g_Theme = ThemeRec();
        LinksDlgTest::TearDown();
    }
};

// The item's title stands whole in the header band, clear of its left edge and of the item icon
// the larger screens put before it, in every built-in theme's bar style.
TEST_F(LinksHeaderTest, TheTitleStandsWholeInTheHeaderInEveryTheme) {
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = width;
        profile.screenHeight = height;
        device.SetProfile(profile);
        AddBuiltinThemes();
        for (int theme = 0; theme < g_Themes.Size(); ++theme) {
            SCOPED_TRACE(testing::Message() << width << "x" << height << " theme " << theme);
            ThemeRecCopy(g_Theme, g_Themes[theme]);
            CreateThemeFonts();
            platform::testing::DrawRecord record;
            RECT header{};
            RunLinks([&](HWND dialog) {
                InvalidateRect(dialog, nullptr, TRUE);
                platform::testing::PumpUntilIdle();
                GetWindowRect(dialog, &header);
                header.bottom = header.top + GetBarHeight();
            });
            const auto titles = record.ScreenTextsContaining(u"Plan garden");
            ASSERT_EQ(titles.size(), 1u);
            EXPECT_EQ(titles[0].text, u"Plan garden");
            EXPECT_GE(titles[0].rect.left, header.left + 4);
            const bool icon = width >= 480;
            if (icon) {
                for (const auto& picture : record.ScreenPicturesIn(header))
                    EXPECT_LE(picture.rect.right, titles[0].rect.left);
            }
            EXPECT_GE(titles[0].rect.top, header.top);
            EXPECT_LE(titles[0].rect.bottom, header.bottom + 1);
        }
    }
}

}  // namespace
