// A list's scroll bar stays under what is opened above the list: the Links dialog over the task list
// and the Save View prompt over the contact list keep their pixels while the list below repaints.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/cmd_line.h"
#include "core/view_id.h"
#include "lists/cts_list.h"
#include "lists/task_view.h"
#include "platform/controls.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "program_fixture.h"
#include "resources/resource.h"
#include "tests/support/devicectl_run.h"
#include "ui/dialog_conventions.h"

namespace {

namespace pt = platform::testing;

class CoveredBars : public frametest::ProgramTest {};

// The screen pixels of a rectangle, row by row.
std::vector<COLORREF> Pixels(const RECT& r) {
    std::vector<COLORREF> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(pt::ReadScreenPixel(x, y));
    return out;
}

// A window and its children paint themselves again, now.
void Repaint(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) Repaint(child);
}

TEST_F(CoveredBars, AListBelowAnOpenDialogNeverPaintsItsBarIntoTheDialog) {
    FreezeTestDay();
    {
        Store store;
        for (int i = 0; i < 40; ++i)
            store.Task((u"Task number " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u" " +
                        std::u16string(1, static_cast<char16_t>(u'a' + i / 26)))
                           .c_str(),
                       DateRec(2026, 12, 11 + i % 15));
    }
    {
        const auto cards = device_.Root() / "people.vcf";
        std::ofstream out(cards);
        for (int i = 0; i < 40; ++i)
            out << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Person" << 100 + i << ";Ann;;;\r\nFN:Ann Person" << 100 + i
                << "\r\nEND:VCARD\r\n";
        out.close();
        ASSERT_EQ(testsupport::RunDevicectl(device_.Root(), {"pim", "import", cards.string()}).status, 0);
    }
    struct Case {
        const char* name;
        LONG startView;
        UINT command;
        HWND* list;
    };
    const Case cases[] = {
        {"Links over the task list", kStartTasks, IDM_LINKS, &g_TskListState.list},
        {"Save View over the contact list", kStartContacts, IDM_SAVE_VIEW, &g_CtsListWnd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSetting(u"STARTON30", c.startView);
        ASSERT_NE(Open(), nullptr);
        const HWND list = *c.list;
        ASSERT_NE(list, nullptr);
        // A row chosen, the item the dialog is about.
        const ListRowArray& rows = list == g_TskListState.list ? g_TskRows : g_CtsRows;
        int row = 1;
        while (row < rows.Size() && rows[row].kind != kRowItem) ++row;
        TapListRow(list, row);
        SCROLLINFO bar{};
        bar.cbSize = sizeof(bar);
        bar.fMask = SIF_RANGE | SIF_PAGE;
        ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &bar));
        ASSERT_GT(bar.nMax - bar.nMin + 1, static_cast<int>(bar.nPage)) << "the list must be long enough to scroll";

        bool opened = false;
        std::vector<COLORREF> before, after;
        pt::ActInsideDialog([&](HWND dialog) {
            opened = true;
            RECT dlg{}, listRect{};
            GetWindowRect(dialog, &dlg);
            GetWindowRect(list, &listRect);
            // Where the list's bar lies under the dialog.
            RECT shared{};
            const RECT barRect{listRect.right - GetSystemMetrics(SM_CXVSCROLL), listRect.top, listRect.right,
                               listRect.bottom};
            ASSERT_TRUE(IntersectRect(&shared, &dlg, &barRect)) << "the dialog must lie over the list's bar";
            // What the dialog itself shows there.
            Repaint(dialog);
            pt::PumpUntilIdle();
            before = Pixels(shared);
            // The list below repaints, as a change in the store or the clock has it do.
            InvalidateRect(list, nullptr, TRUE);
            UpdateWindow(list);
            SetScrollPos(list, SB_VERT, 1, TRUE);
            pt::PumpUntilIdle();
            after = Pixels(shared);
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Command(c.command);
        EXPECT_TRUE(opened);
        EXPECT_FALSE(before.empty());
        EXPECT_TRUE(before == after) << "the list's bar shows through the dialog";
        CloseProgram();
    }
}

}  // namespace
