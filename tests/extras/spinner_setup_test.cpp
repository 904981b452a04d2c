// The "Setup Vestral Spinner" dialog driven inside its modal loop: adding views and web addresses,
// the eight-entry limit, moving, removing, and what OK and Cancel leave behind.
#include "tests/extras/spinner_fixture.h"

#include <functional>

#include "core/res_string.h"
#include "core/id_index.h"
#include "core/cts_loading.h"
#include "platform/commctrl.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "resources/resource.h"
#include "tests/support/prompt_answer.h"
#include "ui/dialog_conventions.h"

namespace {

using spintest::SpinnerTest;

class SetupTest : public SpinnerTest {
protected:
    SetupTest() { platform::testing::ClearMessageBoxes(); }
    ~SetupTest() override { platform::testing::ClearMessageBoxes(); }
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'A' + i));
            g_Spinner.entries.Append(Entry(name.c_str(), kSpinWebAddress, -1, i));
        }
        g_Spinner.loaded = true;
    }
    // Runs the dialog with `act` inside it, then the closing command.
    static void RunSetup(const std::function<void(HWND)>& act, UINT close) {
        platform::testing::ActInsideDialog([act, close](HWND dialog) {
            act(dialog);
            SendMessageW(dialog, WM_COMMAND, close, 0);
        });
        ShowSpinnerSetupDlg();
    }
    static void Command(HWND dialog, UINT command) { SendMessageW(dialog, WM_COMMAND, command, 0); }
    static int Rows(HWND dialog) {
        return static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_SPINNER_SETUP_LIST), LVM_GETITEMCOUNT, 0, 0));
    }
    static std::vector<std::u16string> Names() {
        std::vector<std::u16string> names;
        for (const SpinEntry& entry : g_Spinner.entries) names.push_back(entry.name);
        return names;
    }
    static bool MessageShown(UINT id) {
        for (const auto& box : platform::testing::MessageBoxesShown()) {
            if (box.text == LoadResString(id)) return true;
        }
        return false;
    }
};

TEST_F(SetupTest, WebAddressesAreNamedWithoutTheirScheme) {
    Fill(1);
    RunSetup(
        [](HWND dialog) {
            testsupport::AnswerPrompt(kDlgAccept, u"http://example.com/news");
            Command(dialog, IDM_SPIN_ADD_WEB);
            testsupport::AnswerPrompt(kDlgAccept, u"www.example.org");
            Command(dialog, IDM_SPIN_ADD_WEB);
            testsupport::AnswerPrompt(kDlgCancel, u"http://ignored");
            Command(dialog, IDM_SPIN_ADD_WEB);
            EXPECT_EQ(Rows(dialog), 3);
        },
        IDM_DLG_DONE);
    ASSERT_EQ(g_Spinner.entries.Size(), 3);
    EXPECT_EQ(g_Spinner.entries[1].name, u"example.com/news");
    EXPECT_EQ(g_Spinner.entries[1].target, u"http://example.com/news");
    EXPECT_EQ(g_Spinner.entries[1].icon, kSpinWebIcon);
    EXPECT_EQ(g_Spinner.entries[2].name, u"www.example.org");
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 3, 6}));
    EXPECT_EQ(ReadHostFile(kSpinnerFile).substr(0, 2), "3\n");
}

// The picker's answer (the contact's OID) was compared with the OK code and a global it never sets
// was read: no contact was ever added.
TEST_F(SetupTest, AddContactAddsThePickedContact) {
    Fill(1);
    CtsRecord contact;
    contact.oid = 4242;
    contact.firstName = u"Grace";
    contact.lastName = u"Hopper";
    contact.fileAs = u"Hopper, Grace";
    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
    IdIndexInsert(contact.oid, g_CtsList.Append(contact), g_CtsIdIndex);
    RunSetup(
        [](HWND dialog) {
            platform::testing::ActInsideDialog([](HWND chooser) {
                LVITEMW item{};
                item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                item.state = LVIS_SELECTED | LVIS_FOCUSED;
                const HWND list = GetDlgItem(chooser, IDC_CHOOSE_ITEM_LIST);
                SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
                SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
                SendMessageW(chooser, WM_COMMAND, IDM_DLG_DONE, 0);
            });
            Command(dialog, IDM_SPIN_ADD_CONTACT);
            EXPECT_EQ(Rows(dialog), 2);
        },
        IDM_DLG_DONE);
    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
    ASSERT_EQ(g_Spinner.entries.Size(), 2);
    EXPECT_EQ(g_Spinner.entries[1].kind, kSpinContact);
    EXPECT_EQ(g_Spinner.entries[1].item, 4242);
    EXPECT_EQ(g_Spinner.entries[1].name, u"Grace Hopper");
}

TEST_F(SetupTest, TheEighthAddIsTheLast) {
    Fill(7);
    RunSetup(
        [](HWND dialog) {
            testsupport::AnswerPrompt(kDlgAccept, u"http://eight");
            Command(dialog, IDM_SPIN_ADD_WEB);
            EXPECT_EQ(Rows(dialog), 8);
            EXPECT_FALSE(MessageShown(IDS_SPINNER_EIGHT_ITEMS));
            Command(dialog, IDM_SPIN_ADD_WEB);
            EXPECT_EQ(Rows(dialog), 8);
            EXPECT_TRUE(MessageShown(IDS_SPINNER_EIGHT_ITEMS));
        },
        IDM_DLG_DONE);
    EXPECT_EQ(g_Spinner.entries.Size(), 8);
}

TEST_F(SetupTest, EmptyListIsRefusedAndCancelKeepsTheEntries) {
    Fill(2);
    RunSetup(
        [](HWND dialog) {
            Command(dialog, IDM_SPIN_REMOVE);
            Command(dialog, IDM_SPIN_REMOVE);
            EXPECT_EQ(Rows(dialog), 0);
            Command(dialog, IDM_DLG_DONE);
            EXPECT_TRUE(MessageShown(IDS_SPINNER_ONE_ITEM));
            EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));
        },
        IDM_DLG_CANCEL);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"A", u"B"}));
    EXPECT_FALSE(std::filesystem::exists(HostFile(kSpinnerFile)));
}

TEST_F(SetupTest, MovingAndSpreadingOnOk) {
    Fill(5);
    RunSetup(
        [](HWND dialog) {
            // Row 0 is selected: moving it up does nothing; down swaps it with B.
            Command(dialog, IDM_SPIN_MOVE_UP);
            Command(dialog, IDM_SPIN_MOVE_DOWN);
            Command(dialog, IDM_SPIN_MOVE_DOWN);
            Command(dialog, IDM_SPIN_MOVE_DOWN);
            Command(dialog, IDM_SPIN_MOVE_DOWN);
            Command(dialog, IDM_SPIN_MOVE_DOWN);  // already last
        },
        IDM_DLG_DONE);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"B", u"C", u"D", u"E", u"A"}));
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 1, 2, 4, 6}));
}

TEST_F(SetupTest, AddViewOffersOnlyViewsNotOnTheWheel) {
    Fill(1);
    g_Spinner.entries[0] = Entry(u"Calendar", kSpinView, 0, 0);
    RunSetup(
        [](HWND dialog) {
            platform::testing::ActInsideDialog([](HWND picker) {
                HWND list = GetDlgItem(picker, IDC_SPINNER_SETUP_LIST);
                LVITEMW item{};
                item.mask = LVIF_PARAM;
                item.iItem = 0;
                SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
                EXPECT_EQ(item.lParam, 1);  // the Calendar is taken: Week comes first
                SendMessageW(picker, WM_COMMAND, IDM_DLG_DONE, 0);
            });
            Command(dialog, IDM_SPIN_ADD_VIEW);
        },
        IDM_DLG_DONE);
    ASSERT_EQ(g_Spinner.entries.Size(), 2);
    EXPECT_EQ(g_Spinner.entries[1].name, u"Week");
    EXPECT_EQ(g_Spinner.entries[1].view, 1);
    EXPECT_EQ(g_Spinner.entries[1].icon, 4);
}

// The picture each row of the setup list shows, by the record of what the screen shows.
std::vector<int> RowPictures(const platform::testing::DrawRecord& record, HWND list, int rows) {
    std::vector<int> pictures;
    for (int row = 0; row < rows; ++row) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
        int found = -1;
        for (const auto& picture : record.ScreenPicturesIn(r))
            if (picture.resourceId == IDB_SPIN_ROWS) found = picture.index;
        pictures.push_back(found);
    }
    return pictures;
}

TEST_F(SetupTest, RowsShowThePictureOfEachKindOfEntry) {
    g_Spinner.entries.Append(Entry(u"Calendar", kSpinView, 0, 0));
    g_Spinner.entries.Append(Entry(u"New Task", kSpinView, 26, 1));
    SpinEntry web = Entry(u"example.org", kSpinWebAddress, -1, 2);
    SpinEntry file = Entry(u"list.txt", kSpinFile, -1, 3);
    SpinEntry contact = Entry(u"Ann Lee", kSpinContact, -1, 4);
    SpinEntry saved = Entry(u"Trip", kSpinSavedView, 5, 5);
    for (const SpinEntry& entry : {web, file, contact, saved}) g_Spinner.entries.Append(entry);
    g_Spinner.loaded = true;
    platform::testing::DrawRecord record;
    std::vector<int> setupRows;
    std::vector<int> viewRows;
    RunSetup(
        [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_SPINNER_SETUP_LIST);
            InvalidateRect(list, nullptr, TRUE);
            platform::testing::PumpUntilIdle();
            setupRows = RowPictures(record, list, Rows(dialog));
            // "Select View" lists the views not on the wheel with their pictures: Week, Bar Week, ...
            platform::testing::ActInsideDialog([&](HWND picker) {
                HWND pickerList = GetDlgItem(picker, IDC_SPINNER_SETUP_LIST);
                InvalidateRect(pickerList, nullptr, TRUE);
                platform::testing::PumpUntilIdle();
                viewRows = RowPictures(record, pickerList, 2);
                SendMessageW(picker, WM_COMMAND, IDM_DLG_CANCEL, 0);
            });
            Command(dialog, IDM_SPIN_ADD_VIEW);
        },
        IDM_DLG_CANCEL);
    EXPECT_EQ(setupRows, (std::vector<int>{0, 17, 11, 12, 13, 14}));
    EXPECT_EQ(viewRows, (std::vector<int>{2, 15}));
}

}  // namespace
