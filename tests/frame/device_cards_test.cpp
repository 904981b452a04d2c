// The program with the device's own contact card (device version 5.2): New Contact and Edit Contact in
// the contacts view open the card, the edit thread presses its Edit key, and what Done stores reaches
// the program's lists through the store's notification; Cancel stores nothing. Help opens the help
// viewer on the program's help page.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "core/anniv_list.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "editors/item_commands.h"
#include "frame/item_threads.h"
#include "frame/view_switch.h"
#include "frame_fixture.h"
#include "lists/cts_actions.h"
#include "lists/cts_grid.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/shell.h"
#include "platform/testing_draw.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/support/devicectl_run.h"

namespace {

using platform::testing::ItemCardControl;
using platform::testing::ShownItemCard;

constexpr auto kCardTimeout = std::chrono::seconds(10);

class DeviceCards : public frametest::FrameTest {
protected:
    DeviceCards() {
        // Bars that cards of earlier tests left behind would not be new to the program's edit thread.
        platform::testing::CloseItemCardApps();
        WriteSetting(u"STARTON30", kStartContacts);
        EXPECT_EQ(InitInstance(g_Main.instance, SW_SHOW), 1);
        platform::testing::PumpUntilIdle();
        frametest::FinishLoadThread();
        g_Settings.dateItems = 1;  // birthdays and anniversaries shown in the calendar views
        platform::testing::ClearMessageBoxes();
        SetForegroundWindow(g_Frame.mainWnd);
    }
    ~DeviceCards() override {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
        // The main window's end leaves a quit message, which would end the next test's first card.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        if (const HWND viewer = platform::testing::ShownHelpViewer()) DestroyWindow(viewer);
        platform::testing::CloseItemCardApps();
    }

    // Runs the command; inside the card, waits for the edit thread to open the form and then does `user`.
    // A card still open when `user` is done is closed, and the test fails.
    static void WithCardForm(UINT command, const std::function<void(HWND card)>& user) {
        WithCardForm([command] { SendMessageW(g_Frame.mainWnd, WM_COMMAND, command, 0); }, user);
    }
    static void WithCardForm(const std::function<void()>& command, const std::function<void(HWND card)>& user) {
        bool formCame = false;
        platform::testing::ActInsideModalLoop([&] {
            const HWND card = ShownItemCard();
            ASSERT_NE(card, nullptr);
            formCame = platform::testing::PumpUntil(
                [&] { return platform::testing::ItemCardInEditMode(card); }, kCardTimeout);
            if (formCame) user(card);
            if (ShownItemCard() == card) {
                ADD_FAILURE() << "the card was left open";
                PostMessageW(card, WM_CLOSE, 0, 0);
            }
        });
        command();
        EXPECT_TRUE(formCame) << "the edit thread did not press the card's Edit key";
        // The notification of the save reaches the main window after the card.
        platform::testing::PumpUntilIdle();
    }

    static void TypeInto(HWND card, const char16_t* label, const char16_t* text) {
        const HWND control = ItemCardControl(card, label);
        ASSERT_NE(control, nullptr);
        SetFocus(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
        platform::testing::Text(text);
        platform::testing::PumpUntilIdle();
    }

    static void Press(const char* key) {
        ASSERT_TRUE(platform::testing::Key(key));
        platform::testing::PumpUntilIdle();
    }

    // The contact rows the contacts view lists.
    static int ListRows() {
        int rows = 0;
        for (const ListRow& row : g_CtsRows) rows += row.id != -1 ? 1 : 0;
        return rows;
    }

    // What another program sees in the store: `devicectl pim list contacts`.
    std::string DevicectlContacts() {
        const testsupport::DevicectlRun run = testsupport::RunDevicectl(device_.Root(), {"pim", "list", "contacts"});
        EXPECT_EQ(run.status, 0);
        return run.out;
    }
};

TEST_F(DeviceCards, NewContactDoneAddsItCancelAddsNothing) {
    ASSERT_EQ(ViewId, kViewContacts);
    ASSERT_EQ(g_CtsList.Size(), 0);
    WithCardForm(IDM_NEW_ITEM, [](HWND card) {
        platform::testing::Text(u"Zoe");  // the form opens on the first name
        TypeInto(card, u"Last name", u"Quill");
        Press("SOFT1");
    });
    ASSERT_EQ(g_CtsList.Size(), 1);
    EXPECT_EQ(g_CtsList[0].fileAs, u"Quill, Zoe");
    EXPECT_EQ(ListRows(), 1);
    EXPECT_NE(DevicectlContacts().find("Quill, Zoe"), std::string::npos);

    WithCardForm(IDM_NEW_ITEM, [](HWND card) {
        TypeInto(card, u"First name", u"Never");
        Press("SOFT2");
    });
    EXPECT_EQ(g_CtsList.Size(), 1);
    EXPECT_EQ(ListRows(), 1);
    EXPECT_EQ(DevicectlContacts().find("Never"), std::string::npos);
}

TEST_F(DeviceCards, EditContactChangesTheListedContactAndItsBirthdayReachesTheCalendar) {
    WithCardForm(IDM_NEW_ITEM, [](HWND card) {
        TypeInto(card, u"First name", u"Ada");
        TypeInto(card, u"Last name", u"Byron");
        Press("SOFT1");
    });
    ASSERT_EQ(g_CtsList.Size(), 1);
    // Edit Contact on the contact that is current (as the contact preview's Edit does).
    g_CurItem.oid = g_CtsList[0].oid;
    g_CurItem.kind = kItemContact;
    WithCardForm(EditContactCmd, [](HWND card) {
        TypeInto(card, u"Last name", u"Lovelace");
        SYSTEMTIME birthday{};
        birthday.wYear = 1985, birthday.wMonth = 12, birthday.wDay = 10;
        ASSERT_TRUE(DateTime_SetSystemtime(ItemCardControl(card, u"Birthday"), GDT_VALID, &birthday));
        Press("SOFT1");
    });
    ASSERT_EQ(g_CtsList.Size(), 1);
    EXPECT_EQ(g_CtsList[0].fileAs, u"Lovelace, Ada");
    EXPECT_NE(DevicectlContacts().find("Lovelace, Ada"), std::string::npos);
    // The birthday is one of the anniversaries the month view shows on 10 December.
    const int at = AnnivFindByDate(g_AnnivList, DateRec(2009, 12, 10));
    const AnnivEntry entry = GetAnnivEntryAt(g_AnnivList, at);
    EXPECT_TRUE(AnnivIsOn(entry, 12, 10));
    EXPECT_EQ(entry.contactOid, g_CtsList[0].oid);
    EXPECT_EQ(entry.kind, kAnnivBirthday);
}

// The viewer's bar was never kept: an edit whose card reused that bar found no bar to press.
TEST_F(DeviceCards, ViewingAContactKeepsTheViewersBarForTheEditThatFollows) {
    WithCardForm(IDM_NEW_ITEM, [](HWND card) {
        TypeInto(card, u"First name", u"Ada");
        Press("SOFT1");
    });
    ASSERT_EQ(g_CtsList.Size(), 1);
    // The contacts application starts afresh for the viewer and makes its bar then.
    platform::testing::CloseItemCardApps();
    g_KeptSoftKeyBars = {};
    g_CurItem.oid = g_CtsList[0].oid;
    g_CurItem.kind = kItemContact;
    bool kept = false;
    platform::testing::ActInsideModalLoop([&] {
        const HWND card = ShownItemCard();
        ASSERT_NE(card, nullptr);
        kept = platform::testing::PumpUntil([] { return g_KeptSoftKeyBars.contacts != nullptr; }, kCardTimeout);
        EXPECT_FALSE(platform::testing::ItemCardInEditMode(card)) << "the viewer is not turned into the editor";
        PostMessageW(card, WM_CLOSE, 0, 0);
    });
    ShowCtsInSystem(true);
    EXPECT_TRUE(kept) << "the view thread kept the viewer's bar";

    // The editor's card reuses the application's bar, so only the kept one can be pressed.
    WithCardForm(EditContactCmd, [](HWND card) {
        TypeInto(card, u"Last name", u"Byron");
        Press("SOFT1");
    });
    EXPECT_EQ(g_CtsList[0].fileAs, u"Byron, Ada");
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(DeviceCards, HelpShowsTheProgramsHelpPage) {
    const std::filesystem::path page = std::filesystem::path(QV_FIXTURES_DIR) / ".." / ".." / "resources" / "VestralAgenda.htm";
    std::ifstream in(page, std::ios::binary);
    ASSERT_TRUE(in) << page;
    std::stringstream bytes;
    bytes << in.rdbuf();
    device_.WriteFile(u"\\Windows\\VestralAgenda.htm", bytes.str());
    ASSERT_TRUE(platform::testing::Key("HELP"));
    platform::testing::PumpUntilIdle();
    const HWND viewer = platform::testing::ShownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(GetForegroundWindow(), viewer);
    EXPECT_EQ(platform::testing::SoftKeyTexts(), (std::vector<std::u16string>{u"Contents", u"Close"}));
    Press("SOFT2");
    EXPECT_EQ(platform::testing::ShownHelpViewer(), nullptr);
    EXPECT_EQ(GetForegroundWindow(), g_Frame.mainWnd);
}

// The help page was laid out before its scroll bar came, so the lines ran on under the bar.
TEST_F(DeviceCards, HelpLinesEndLeftOfTheScrollBar) {
    const std::filesystem::path page = std::filesystem::path(QV_FIXTURES_DIR) / ".." / ".." / "resources" / "VestralAgenda.htm";
    std::ifstream in(page, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    device_.WriteFile(u"\\Windows\\VestralAgenda.htm", bytes.str());
    platform::testing::DrawRecord record;
    ASSERT_TRUE(platform::testing::Key("HELP"));
    platform::testing::PumpUntilIdle();
    const HWND viewer = platform::testing::ShownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    RECT shown{};
    GetWindowRect(viewer, &shown);
    const LONG barLeft = shown.right - GetSystemMetrics(SM_CXVSCROLL);
    int texts = 0;
    for (const auto& text : record.TextsDrawn()) {
        if (text.rect.top < shown.top || text.rect.bottom > shown.bottom || text.text.empty()) continue;
        ++texts;
        EXPECT_LE(text.rect.right, barLeft) << platform::ToUtf8(text.text);
    }
    EXPECT_GT(texts, 20);
    Press("SOFT2");  // closed, with its soft-key bar
    EXPECT_EQ(platform::testing::ShownHelpViewer(), nullptr);
}

// The blank after a bold word stays: the next word starts a space's width after the bold one ends.
TEST_F(DeviceCards, HelpKeepsTheBlankAfterABoldWord) {
    device_.WriteFile(u"\\Windows\\VestralAgenda.htm",
                      "<html><body><h1>Help</h1><p><b>Tap</b> the day, <i>hold</i> it.</p></body></html>");
    platform::testing::DrawRecord record;
    ASSERT_TRUE(platform::testing::Key("HELP"));
    platform::testing::PumpUntilIdle();
    const HWND viewer = platform::testing::ShownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    const auto pairs = {std::pair<std::u16string, std::u16string>{u"Tap", u"the"},
                        std::pair<std::u16string, std::u16string>{u"hold", u"it."}};
    const std::vector<platform::testing::DrawnText> texts = record.ScreenTexts();
    for (const auto& [first, next] : pairs) {
        const auto at = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == first; });
        ASSERT_NE(at, texts.end()) << platform::ToUtf8(first);
        ASSERT_NE(at + 1, texts.end()) << platform::ToUtf8(first);
        const platform::testing::DrawnText& after = *(at + 1);
        EXPECT_EQ(after.text, next);
        EXPECT_EQ(after.rect.top, at->rect.top);
        // A blank of the page's text font is several pixels wide.
        EXPECT_GE(after.rect.left - at->rect.right, 3) << platform::ToUtf8(first) << " / " << platform::ToUtf8(next);
    }
    Press("SOFT2");
    EXPECT_EQ(platform::testing::ShownHelpViewer(), nullptr);
}

}  // namespace
