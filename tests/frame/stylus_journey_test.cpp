// The stylus as a user really uses it, through the platform's own input path, on a store filled by
// another program: double taps open a day or an item, a task's check box toggles once on a double
// tap, and the menu of a tap-and-hold opens at the pen and stays open when the stylus lifts.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/cmd_line.h"
#include "core/view_id.h"
#include "extras/saved_views.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "program_fixture.h"
#include "resources/resource.h"
#include "projects/prj_tree.h"
#include "shell/menu_bar.h"
#include "shell/menu_tracking.h"
#include "ui/dialog_conventions.h"
#include "ui/view_windows.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"
#include "ui/list_subclass.h"

namespace {

namespace pt = platform::testing;

struct Screen {
    int width, height;
};
constexpr Screen kScreens[] = {{240, 320}, {480, 640}};

std::string Name(const Screen& s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class StylusJourney : public frametest::ProgramTest {
protected:
    StylusJourney() { FreezeFixtureDay(); }

    static constexpr int kMoreTasks = 20;
    static constexpr int kContacts = 30;
    // The year of appointments, a screenful of tasks and of contacts, as another program puts them
    // in; the plumber task's OID.
    LONG Import() {
        Devicectl({"pim", "import", std::string(QV_FIXTURES_DIR) + "/journey/year.ics"});
        const std::string added =
            Devicectl({"pim", "add", "task", "--subject", "Call the plumber", "--due", "2009-03-25"});
        const auto tasks = device_.Root() / "more.ics";
        std::ofstream todo(tasks);
        todo << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
        for (int i = 0; i < kMoreTasks; ++i)
            todo << "BEGIN:VTODO\r\nUID:chore" << i << "@stylus\r\nSUMMARY:Chore " << 10 + i
                 << "\r\nDUE;VALUE=DATE:200904" << 10 + i << "\r\nEND:VTODO\r\n";
        todo << "END:VCALENDAR\r\n";
        todo.close();
        Devicectl({"pim", "import", tasks.string()});
        const auto cards = device_.Root() / "people.vcf";
        std::ofstream out(cards);
        for (int i = 0; i < kContacts; ++i)
            out << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Person" << 10 + i << ";Ann;;;\r\nFN:Ann Person" << 10 + i
                << "\r\nTEL;TYPE=CELL:+1 555 01" << 10 + i << "\r\nEND:VCARD\r\n";
        out.close();
        Devicectl({"pim", "import", cards.string()});
        return static_cast<LONG>(std::stoul(added, nullptr, 16));
    }

    // The program on this screen, started on the month view.
    void OpenOn(const Screen& screen) {
        UseScreen(screen.width, screen.height);
        WriteSetting(u"STARTON30", kStartMonth);
        WriteSetting(u"VIEW_YEAR", 1);
        ASSERT_NE(Open(), nullptr);
        ASSERT_EQ(ViewId, kViewMonth);
    }

    // The view's area of the screen (below the title bar, above the soft keys).
    static RECT ViewRect() {
        RECT client{};
        GetClientRect(g_Frame.mainWnd, &client);
        MapWindowPoints(g_Frame.mainWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return client;
    }
    static std::vector<pt::DrawnText> ViewTexts(const pt::DrawRecord& record) { return record.ScreenTextsIn(ViewRect()); }
    // Where the view last drew this text (the first such, from the top), if it did.
    static std::optional<RECT> Drawn(const pt::DrawRecord& record, std::u16string_view text) {
        std::optional<RECT> found;
        for (const auto& t : ViewTexts(record))
            if (t.text == text && (!found || t.rect.top < found->top)) found = t.rect;
        return found;
    }
    static std::string Dump(const pt::DrawRecord& record) {
        std::string out;
        for (const auto& t : ViewTexts(record))
            out += std::to_string(t.rect.left) + "," + std::to_string(t.rect.top) + " [" + platform::ToUtf8(t.text) + "]\n";
        return out;
    }

    // What a tap-and-hold at `at` shows: the entries of its menu and where the menu lies, looked at
    // after the lift that ends the hold; the menu is then closed with Back.
    struct HoldMenu {
        std::vector<std::u16string> entries;
        RECT rect{};
    };
    static HoldMenu HoldAndLook(POINT at) {
        HoldMenu seen;
        pt::ActInsideModalLoop([&] {
            seen.entries = pt::OpenMenuTexts();
            if (const HWND popup = FindWindowW(platform::kPopupMenuClass, nullptr)) GetWindowRect(popup, &seen.rect);
            if (!seen.entries.empty()) pt::Key(VK_ESCAPE);
        });
        pt::Hold(at.x, at.y);
        pt::PumpUntilIdle();
        return seen;
    }

    // A tap on the entry of that text in the open pop-up menus; false when none shows it.
    static bool TapMenuEntry(std::u16string_view text) {
        const HWND any = FindWindowW(platform::kPopupMenuClass, nullptr);
        for (HWND w = any ? GetWindow(any, GW_HWNDFIRST) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT)) {
            platform::PopupView view;
            if (!IsWindowVisible(w) || !platform::ViewOfPopup(w, view)) continue;
            for (std::size_t i = 0; i < view.items.size(); ++i) {
                if (view.items[i].text != text) continue;
                RECT popup{};
                GetWindowRect(w, &popup);
                const RECT row = platform::PopupRow(view.items, static_cast<int>(i));
                pt::Tap(popup.left + (row.left + row.right) / 2, popup.top + (row.top + row.bottom) / 2);
                return true;
            }
        }
        return false;
    }

    // Whether the store holds the task as completed.
    static bool TaskComplete(LONG oid) {
        PoomPtr<IDispatch> item;
        if (GetPoomApp()->GetItemFromOid(oid, item.Out()) != S_OK) return false;
        const PoomPtr<ITask> task = QueryPoom<ITask>(item.Get(), IID_ITask);
        VARIANT_BOOL complete = VARIANT_FALSE;
        if (task) task->get_Complete(&complete);
        return complete != VARIANT_FALSE;
    }
};

// A double tap on a day of the month grid opens that day; a tap-and-hold on another leaves its
// new-item menu open at the pen, and nothing is made.
TEST_F(StylusJourney, MonthDoubleTapOpensTheDayAndAHoldLeavesTheNewItemMenuAtThePen) {
    Import();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(Name(screen));
        pt::DrawRecord record;
        OpenOn(screen);
        Command(IDM_VIEW_MONTH);
        const auto day26 = Drawn(record, u"26");
        ASSERT_TRUE(day26) << Dump(record);
        const POINT at26 = Middle(*day26);
        pt::DoubleTap(at26.x, at26.y);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewDay);
        EXPECT_EQ(g_SelectedDate.wDay, 26);
        EXPECT_TRUE(Drawn(record, u"Thu March 26, 2009")) << Dump(record);
        EXPECT_TRUE(Drawn(record, u"Morning run (late)")) << Dump(record);
        EXPECT_FALSE(Drawn(record, u"Bills review")) << "the 25th's items are not the 26th's";

        Command(IDM_VIEW_MONTH);
        ASSERT_EQ(ViewId, kViewMonth);
        // A hold where the double tap was gives its menu too: the double tap's second press is no
        // press a hold is taken from.
        EXPECT_EQ(HoldAndLook(at26).entries.size(), 5u);
        const std::string tasksBefore = Devicectl({"pim", "list", "tasks"});
        // A day low in the grid: its menu would reach past the screen's bottom and is moved up
        // over the pen.
        Command(IDM_VIEW_MONTH);
        const auto day31 = Drawn(record, u"31");
        ASSERT_TRUE(day31) << Dump(record);
        for (const POINT at : {Middle(*day31), POINT{Middle(*day31).x, day31->top + 2}}) {
            const HoldMenu menu = HoldAndLook(at);
            EXPECT_EQ(menu.entries, (std::vector<std::u16string>{u"New Appt.", u"New Task", u"-",
                                                                 u"Appt. From Template", u"Task From Template"}));
            EXPECT_EQ(g_SelectedDate.wDay, 31);
            // At the pen, or moved up just enough to stay on the screen.
            EXPECT_EQ(menu.rect.left, at.x);
            EXPECT_TRUE(menu.rect.top == at.y || menu.rect.bottom == screen.height)
                << menu.rect.top << " " << menu.rect.bottom << " pen " << at.y;
            EXPECT_TRUE(pt::DialogsShown().empty()) << "no editor opened";
            EXPECT_EQ(ViewId, kViewMonth);
        }
        EXPECT_EQ(Devicectl({"pim", "list", "tasks"}), tasksBefore);
        CloseProgram();
    }
}

// A double tap on a week day box, on a row of the Day and Dates lists, and on a year's month block
// each does what Enter does there.
TEST_F(StylusJourney, DoubleTapsOpenWhatEnterOpens) {
    Import();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(Name(screen));
        pt::DrawRecord record;
        OpenOn(screen);

        // Week: the box of Thursday the 26th opens that day.
        Command(IDM_VIEW_WEEK);
        ASSERT_EQ(ViewId, kViewWeek);
        const auto conference = Drawn(record, u"Conference");
        ASSERT_TRUE(conference) << Dump(record);
        pt::DoubleTap(Middle(*conference).x, Middle(*conference).y);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewDay) << Dump(record);
        EXPECT_EQ(g_SelectedDate.wDay, 26);

        // Day: a row opens its item's preview.
        const auto run = Drawn(record, u"Morning run (late)");
        ASSERT_TRUE(run) << Dump(record);
        pt::DoubleTap(Middle(*run).x, Middle(*run).y);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewApptPreview) << Dump(record);
        EXPECT_TRUE(Drawn(record, u"Morning run (late)")) << Dump(record);
        EXPECT_FALSE(Drawn(record, u"Conference")) << Dump(record);

        // Dates: the Night shift row of the 25th opens its preview.
        Command(IDM_VIEW_MONTH);
        Command(IDM_VIEW_DATES);
        ASSERT_EQ(ViewId, kViewDates);
        const auto night = Drawn(record, u"Night shift");
        ASSERT_TRUE(night) << Dump(record);
        pt::DoubleTap(Middle(*night).x, Middle(*night).y);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewApptPreview) << Dump(record);
        EXPECT_TRUE(Drawn(record, u"Night shift")) << Dump(record);

        // Year: the June block opens the month view on June.
        Command(IDM_VIEW_MONTH);
        Command(IDM_VIEW_YEAR);
        ASSERT_EQ(ViewId, kViewYear);
        const auto june = Drawn(record, u"June");
        ASSERT_TRUE(june) << Dump(record);
        pt::DoubleTap(Middle(*june).x, Middle(*june).y + june->bottom - june->top);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewMonth);
        EXPECT_EQ(g_SelectedDate.wMonth, 6);
        EXPECT_EQ(pt::NavBarTitle(), u"June 2009");
        CloseProgram();
    }
}

// A double tap on a task's check box marks it done once (the second press is the double tap, not a
// second toggle); a tap-and-hold on a row of the task list, the contact list and the Day list leaves
// the row's menu open when the stylus lifts, even where the menu is moved up under the pen.
TEST_F(StylusJourney, ListsToggleOnceOnADoubleTapAndKeepTheirHoldMenusOpen) {
    const LONG plumber = Import();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(Name(screen));
        pt::DrawRecord record;
        OpenOn(screen);
        Command(IDM_VIEW_TASKS);
        ASSERT_EQ(ViewId, kViewTasks);
        const auto row = Drawn(record, u"Call the plumber");
        ASSERT_TRUE(row) << Dump(record);
        RECT list{};
        GetWindowRect(g_TskListState.list, &list);
        const bool wasComplete = TaskComplete(plumber);
        pt::DoubleTap(list.left + CheckStripWidth() / 2, Middle(*row).y);
        pt::PumpUntilIdle();
        EXPECT_NE(TaskComplete(plumber), wasComplete) << "toggled once";

        struct HoldCase {
            const char* where;
            UINT command;
            LONG view;
            std::u16string entry;  // an entry of its menu
        };
        const HoldCase holds[] = {
            {"task list", IDM_VIEW_TASKS, kViewTasks, u"Edit Task"},
            {"contact list", IDM_VIEW_CONTACTS, kViewContacts, u"Edit Contact"},
        };
        for (const HoldCase& h : holds) {
                Command(h.command);
            ASSERT_EQ(ViewId, h.view) << h.where;
            // The lowest drawn row in the list's lower half.
            std::optional<RECT> low;
            RECT view{};
            GetWindowRect(h.view == kViewTasks ? g_TskListState.list : g_CtsListWnd, &view);
            for (const auto& t : ViewTexts(record))
                if (t.rect.top > (view.top + view.bottom) / 2 && t.rect.bottom < view.bottom - 4 &&
                    (!low || t.rect.top > low->top))
                    low = t.rect;
            ASSERT_TRUE(low) << h.where << "\n" << Dump(record);
            const POINT at{Middle(*low).x, Middle(*low).y};
            const HoldMenu menu = HoldAndLook(at);
            EXPECT_NE(std::find(menu.entries.begin(), menu.entries.end(), h.entry), menu.entries.end())
                << h.where << " menu still open after the lift";
            EXPECT_TRUE(pt::DialogsShown().empty()) << h.where;
            EXPECT_EQ(ViewId, h.view) << h.where;
        }
        CloseProgram();
    }
}

// A tap-and-hold on a Day list row, a project tree node and a wallet tree node leaves its menu open
// after the lift; a tap on an entry then chooses it.
TEST_F(StylusJourney, HoldMenusStayOpenAndATapChoosesAnEntry) {
    Import();
    Devicectl({"pim", "add", "task", "--subject", "Dig beds", "--categories", "Prj:Garden"});
    WriteRouterWallet();

    // Every node of the tree opened, its children's too.
    const std::function<void(HWND, HTREEITEM)> expand = [&expand](HWND tree, HTREEITEM first) {
        for (HTREEITEM node = first; node; node = reinterpret_cast<HTREEITEM>(SendMessageW(
                                               tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)))) {
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
            expand(tree, reinterpret_cast<HTREEITEM>(
                             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(node))));
        }
    };
    const auto expandAll = [&expand](HWND tree) {
        expand(tree, reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
        InvalidateRect(tree, nullptr, TRUE);
        pt::PumpUntilIdle();
    };
    struct HoldCase {
        const char* where;
        std::function<void()> show;
        std::u16string row;                    // the text held
        std::vector<std::u16string> entries;  // its menu
        std::u16string entry;                  // the entry tapped
        LONG view;                             // the view it leaves on screen
        std::u16string shown;                  // drawn there
        bool dialog;                           // the entry opens a dialog (closed with Cancel)
    };
    const HoldCase cases[] = {
        {"Day list", [] { Command(IDM_VIEW_MONTH); pt::Key(VK_RETURN); pt::PumpUntilIdle(); }, u"Bills review",
         {u"Edit Appt.", u"Copy Appt.", u"Delete Appt.", u"-", u"Appt. To Task ", u"Add to Project", u"-", u"Links"},
         u"Links", kViewDay, u"Bills review", true},
        {"project tree", [&] { Command(IDM_VIEW_PROJECTS); expandAll(g_PrjTree.wnd); }, u"Dig beds",
         {u"View", u"Move To Project", u"Remove from Project", u"Delete", u"-", u"Set Completed"}, u"View",
         kViewTaskPreview, u"Dig beds", false},
        {"wallet tree", [&] { Command(IDM_VIEW_WALLET); expandAll(g_ViewWnds.walletTree); }, u"Router",
         {u"Edit Item", u"View  Item", u"Remove Item"}, u"View  Item", kViewWalletItem, u"Router", false},
    };
    for (const Screen& screen : kScreens) {
        for (const HoldCase& c : cases) {
            SCOPED_TRACE(Name(screen) + " " + c.where);
            pt::DrawRecord record;
            OpenOn(screen);
            c.show();
            const auto row = Drawn(record, c.row);
            ASSERT_TRUE(row) << Dump(record);
            pt::ClearDialogs();
            if (c.dialog) pt::AnswerDialog(kDlgCancel);
            std::vector<std::u16string> entries;
            bool tapped = false;
            pt::ActInsideModalLoop([&] {
                entries = pt::OpenMenuTexts();
                tapped = TapMenuEntry(c.entry);
                if (!tapped) pt::Key(VK_ESCAPE);
            });
            pt::Hold(Middle(*row).x, Middle(*row).y);
            pt::PumpUntilIdle();
            EXPECT_EQ(entries, c.entries);
            ASSERT_TRUE(tapped) << "the menu was open after the lift";
            EXPECT_EQ(ViewId, c.view);
            EXPECT_EQ(pt::DialogsShown().size(), c.dialog ? 1u : 0u);
            EXPECT_TRUE(Drawn(record, c.shown)) << Dump(record);
            CloseProgram();
        }
    }
}

// Back in the Select Saved View dialog opened with the stylus from the wheel's Menu did nothing:
// the focus stayed behind the dialog.
TEST_F(StylusJourney, BackClosesTheSavedViewsDialogOpenedThroughTheMenus) {
    SavedView chores;
    chores.name = u"Chores";
    chores.viewCode = kViewTasks;
    InsertSavedView(chores);
    SaveSavedViews();
    g_SavedViews = SavedViewList();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(Name(screen));
        OpenOn(screen);
        pt::ClearDialogs();
        bool opened = false;
        const auto back = [&opened](HWND dialog) {
            opened = true;
            pt::Key(VK_ESCAPE);
            // Reaches the dialog only when Back left it open; Done would open the saved view.
            PostMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        };
        // The left soft key opens the wheel; its Menu holds Saved Views.
        RECT bar{};
        GetWindowRect(pt::ShownSoftKeyBar(), &bar);
        pt::Tap(bar.left + 10, (bar.top + bar.bottom) / 2);
        pt::PumpUntilIdle();
        ASSERT_EQ(ViewId, kViewSpinner);
        GetWindowRect(pt::ShownSoftKeyBar(), &bar);
        pt::Tap(bar.right - 10, (bar.top + bar.bottom) / 2);
        bool saved = false;
        pt::ActInsideModalLoop([&] {
            pt::ActInsideDialog(back);
            saved = TapMenuEntry(u"Saved Views");
            if (!saved) pt::Key(VK_ESCAPE);
        });
        pt::PumpUntilIdle();
        ASSERT_TRUE(saved);
        ASSERT_TRUE(opened);
        ASSERT_EQ(pt::DialogsShown().size(), 1u);
        EXPECT_EQ(pt::DialogsShown()[0].result, kDlgCancel) << "Back closed it";
        EXPECT_EQ(ViewId, kViewSpinner);
        CloseProgram();
    }
    g_SavedViews = SavedViewList();
}

}  // namespace
