// The title bar as a user reads it: a dialog's title while it is up, then the title of the view the
// program shows after it, in every view that follows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/view_id.h"
#include "lists/task_view.h"
#include "notes/notes_state.h"
#include "ui/view_windows.h"
#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

class DialogTitles : public frametest::ProgramTest {
protected:
    DialogTitles() {
        FreezeTestDay();
    }

    // Runs a dialog through its menu command and closes it with the given command, noting the
    // title it showed.
    std::u16string RunAndClose(UINT command, UINT closeWith) {
        shown_.clear();
        pt::ActInsideDialog([this, closeWith](HWND dialog) {
            shown_ = pt::NavBarTitle();
            if (dialog) SendMessageW(dialog, WM_COMMAND, closeWith, 0);
        });
        Command(command);
        return shown_;
    }
    // The titles shown inside each of a chain of nested dialogs: `open` is sent to the outer
    // dialog to open the next one; each is cancelled in turn.
    std::vector<std::u16string> RunNested(UINT command, const std::vector<UINT>& opens) {
        std::vector<std::u16string> shown;
        std::function<void(HWND, std::size_t)> act = [&](HWND dialog, std::size_t depth) {
            shown.push_back(pt::NavBarTitle());
            if (!dialog) return;
            if (depth < opens.size()) {
                pt::ActInsideDialog([&, depth](HWND inner) { act(inner, depth + 1); });
                SendMessageW(dialog, WM_COMMAND, opens[depth], 0);
                shown.push_back(pt::NavBarTitle());
            }
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        };
        pt::ActInsideDialog([&](HWND dialog) { act(dialog, 0); });
        Command(command);
        return shown;
    }

    // A fresh wallet in its tree view, whatever earlier tests of this process opened.
    void OpenWallet() {
        g_Wlt = WltState();
        g_WltSettings = WltSettings();
        CreateDirectoryW(u"\\My Documents", nullptr);
        Open();
        Command(IDM_VIEW_WALLET);
        ASSERT_EQ(ViewId, kViewWallet);
    }

    std::u16string shown_;
};

// The note's file name stayed in the title bar over the notes list after the editor closed.
TEST_F(DialogTitles, TheNotesListTakesItsTitleBackFromTheNoteEditor) {
    device_.WriteFile(u"\\My Documents\\plan.txt", "Buy seeds\r\n");
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    Command(IDM_VIEW_NOTES);
    ASSERT_EQ(ViewId, kViewNotes);
    const HWND list = g_ViewWnds.notesList;
    int row = -1;
    for (int i = 0; i < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); ++i) {
        WCHAR text[64] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (std::u16string(text) == u"plan.txt") row = i;
    }
    ASSERT_GE(row, 0);
    const std::u16string listTitle = pt::NavBarTitle();
    EXPECT_EQ(listTitle, u"Notes - \\My Documents");
    for (const UINT close : {IDM_DLG_DONE, IDM_DLG_CANCEL}) {
        shown_.clear();
        pt::ActInsideDialog([this, close](HWND dialog) {
            shown_ = pt::NavBarTitle();
            if (dialog) SendMessageW(dialog, WM_COMMAND, close, 0);
        });
        TapListRow(list, row);
        pt::Key(VK_RETURN);
        pt::PumpUntilIdle();
        EXPECT_EQ(shown_, u"plan.txt");
        EXPECT_EQ(pt::NavBarTitle(), listTitle) << "closed with " << close;
    }
}

// The wallet file dialog showed the wallet's own title instead of its own.
TEST_F(DialogTitles, TheWalletFileDialogAndTheGeneratorShowTheirOwnTitles) {
    OpenWallet();
    const std::u16string walletTitle = pt::NavBarTitle();
    EXPECT_EQ(walletTitle.rfind(u"Vestral Wallet - ", 0), 0u) << platform::ToUtf8(walletTitle);
    EXPECT_EQ(RunNested(IDM_CHANGE_PASSWORD, {IDM_WLT_GENERATE_PASSWORD}),
              (std::vector<std::u16string>{u"Wallet File", u"Generate Password", u"Wallet File"}));
    EXPECT_EQ(pt::NavBarTitle(), walletTitle);
}

// With the form-style editors the wallet item dialogs kept the wallet's title; the list forms are
// their twins.
TEST_F(DialogTitles, TheWalletItemDialogsShowTheirOwnTitlesInBothStyles) {
    for (const int listEdit : {0, 1}) {
        CloseProgram();
        WriteSetting(u"LISTEDIT", listEdit);
        OpenWallet();
        const std::u16string walletTitle = pt::NavBarTitle();
        EXPECT_EQ(RunNested(IDM_NEW_ITEM, {}), std::vector<std::u16string>{u"New Wallet Item"}) << listEdit;
        EXPECT_EQ(pt::NavBarTitle(), walletTitle);

        FillWalletTemplates();
        WltItem item = g_Wlt.templates[0];
        item.name = u"Bank";
        item.itemId = g_Wlt.nextItemId++;
        g_Wlt.items.Append(item);
        g_Wlt.selection = g_Wlt.items.Size() - 1;
        std::vector<std::u16string> shown;
        pt::ActInsideDialog([&shown](HWND dialog) {
            shown.push_back(pt::NavBarTitle());
            if (dialog) SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        EditWltItemFields();
        pt::PumpUntilIdle();
        EXPECT_EQ(shown, std::vector<std::u16string>{u"Edit Wallet Item: Bank"}) << listEdit;
        EXPECT_EQ(pt::NavBarTitle(), walletTitle);
    }
}

// The landscape title's " - Contacts(...)" stayed after the screen was turned back to portrait.
TEST_F(DialogTitles, TurningBackToPortraitDropsTheLandscapeTitle) {
    {
        Store store;
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(u"Bea");
        contact->put_LastName(u"Berg");
        ASSERT_EQ(contact->Save(), S_OK);
    }
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    Command(IDM_VIEW_CONTACTS);
    ASSERT_EQ(ViewId, kViewContacts);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda");
    pt::Rotate();
    pt::PumpUntilIdle();
    EXPECT_EQ(pt::NavBarTitle().rfind(u"Vestral - Contacts", 0), 0u) << platform::ToUtf8(pt::NavBarTitle());
    pt::Key("B");
    pt::PumpUntilIdle();
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral - Contacts(B)");
    pt::Rotate();
    pt::PumpUntilIdle();
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda");
}

TEST_F(DialogTitles, ViewsShownAfterADialogTakeTheTitleBarBack) {
    LONG task = -1;
    {
        Store store;
        task = store.Task(u"Pay rent", DateRec(2026, 12, 12));
    }
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    ASSERT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026");

    EXPECT_EQ(RunAndClose(IDM_OPTIONS, IDM_DLG_DONE), u"Vestral Agenda Options");
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026") << "after Options > Done";
    Command(IDM_VIEW_TASKS);
    ASSERT_EQ(ViewId, kViewTasks);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "the task list after Options";

    EXPECT_EQ(RunAndClose(IDM_SEARCH, IDM_DLG_CANCEL), u"..::Search");
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "after Search";

    // The task tapped, for its links.
    int row = 0;
    while (row < g_TskRows.Size() && g_TskRows[row].id != task) ++row;
    ASSERT_LT(row, g_TskRows.Size());
    TapListRow(g_TskListState.list, row);
    EXPECT_EQ(RunAndClose(IDM_LINKS, IDM_DLG_CANCEL), u"Links");
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "after Links";

    Command(IDM_VIEW_MONTH);
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026");
    Command(IDM_VIEW_WEEK);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda");
    EXPECT_EQ(pt::DialogsShown().size(), 3u);
}

}  // namespace
