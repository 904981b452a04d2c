// The "Choose Item" picker: the chosen row's OID, -1 for Cancel or no selection, the contacts
// narrowed by letters typed within the time-out, and appointments of every month with the shown
// month kept.
#include "projects/choose_item.h"

#include <algorithm>

#include "core/app_settings.h"
#include "core/cts_name_index.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "platform/dialogs.h"
#include "platform/testing_pim.h"
#include "resources/resource.h"
#include "tests/projects/prj_dialog_fixture.h"
#include "ui/dialog_conventions.h"

namespace {

using prjtest::ListRows;

class ChooseItemTest : public prjtest::PrjDialogTest {
protected:
    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_CHOOSE_ITEM_LIST); }
    static void Key(HWND dialog, WORD key) {
        NMLVKEYDOWN nm{};
        nm.hdr.hwndFrom = List(dialog);
        nm.hdr.idFrom = IDC_CHOOSE_ITEM_LIST;
        nm.hdr.code = static_cast<UINT>(LVN_KEYDOWN);
        nm.wVKey = key;
        SendMessageW(dialog, WM_NOTIFY, IDC_CHOOSE_ITEM_LIST, reinterpret_cast<LPARAM>(&nm));
    }
};

TEST_F(ChooseItemTest, SelectGivesTheRowsOidAndCancelOrNoRowGiveMinusOne) {
    AddTask(11, u"Water plants");
    AddTask(12, u"Pay rent");
    std::vector<prjtest::Row> rows;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        rows = ListRows(List(dialog));
        prjtest::SelectRow(List(dialog), 1);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemTask), 12);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, u"Water plants");
    EXPECT_EQ(rows[0].data, 11);
    EXPECT_EQ(rows[0].image, 0);

    platform::testing::ActInsideDialog([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0); });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemTask), -1);

    // No contacts: an empty list, and "Select" gives nothing.
    platform::testing::ActInsideDialog([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemContact), -1);

    // The program closing every open dialog ends the picker as cancelled.
    platform::testing::ActInsideDialog([](HWND) { CloseAllOpenDlgs(); });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemTask), -1);
}

TEST_F(ChooseItemTest, LettersWithinTheTimeoutNarrowAndAfterItStartAfresh) {
    g_Settings.firstLast = kNameFirstLast;
    AddContact(21, u"Anna", u"Baker");
    AddContact(22, u"Bob", u"Brown");
    AddContact(23, u"Carl", u"Bright");
    AddContact(24, u"Dora", u"Cole");
    std::vector<std::u16string> afterB, afterBR, afterC;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        auto texts = [&] {
            std::vector<std::u16string> out;
            for (const auto& row : ListRows(List(dialog))) out.push_back(row.text);
            return out;
        };
        Key(dialog, 'B');
        afterB = texts();
        platform::testing::AdvanceClock(500);
        Key(dialog, 'R');
        afterBR = texts();
        platform::testing::AdvanceClock(2000);
        Key(dialog, 'C');
        afterC = texts();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemContact), 24);
    EXPECT_EQ(afterB, (std::vector<std::u16string>{u"Anna Baker", u"Bob Brown", u"Carl Bright"}));
    EXPECT_EQ(afterBR, (std::vector<std::u16string>{u"Bob Brown", u"Carl Bright"}));
    EXPECT_EQ(afterC, (std::vector<std::u16string>{u"Dora Cole"}));
}

TEST_F(ChooseItemTest, PhoneKeysCycleLettersOrBuildAKeySequence) {
    g_Settings.firstLast = kNameFirstLast;
    AddContact(21, u"Anna", u"Baker");
    AddContact(22, u"Bob", u"Brown");
    AddContact(24, u"Dora", u"Cole");
    std::vector<std::vector<std::u16string>> seen;
    const auto run = [&](std::initializer_list<WORD> keys) {
        platform::testing::ActInsideDialog([&, keys](HWND dialog) {
            for (const WORD key : keys) {
                Key(dialog, key);
                std::vector<std::u16string> texts;
                for (const auto& row : ListRows(List(dialog))) texts.push_back(row.text);
                seen.push_back(texts);
            }
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        ChooseItemDlg(owner_, kItemContact);
    };
    using Names = std::vector<std::u16string>;
    g_Settings.smartNumSearch = 0;
    run({'2', '2', '1'});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], Names{});                                  // A: no name begins with it
    EXPECT_EQ(seen[1], (Names{u"Anna Baker", u"Bob Brown"}));     // B
    EXPECT_EQ(seen[2], (Names{u"Anna Baker", u"Bob Brown", u"Dora Cole"}));  // "1" clears

    seen.clear();
    g_Settings.smartNumSearch = 1;
    run({'2', '2', '0'});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1], Names{u"Anna Baker"});  // B-A on the keys 2 and 2
    EXPECT_EQ(seen[2].size(), 3u);            // "0" clears the sequence
}

class ChooseApptTest : public prjtest::PrjDialogTest {
protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
    }
    void TearDown() override {
        ClearApptMonthCache();
        g_AllApptsArray.RemoveAll();
        EndPoomSession();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0);
        PrjDialogTest::TearDown();
    }
    LONG AddAppt(const WCHAR* subject, WORD month) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        SYSTEMTIME start{2026, month, 0, 10, 9, 0, 0, 0};
        DATE date = 0;
        GetPoomApp()->SystemTimeToVariantTime(&start, &date);
        appt->put_Subject(subject);
        appt->put_Start(date);
        appt->put_Duration(30);
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        return oid;
    }
};

TEST_F(ChooseApptTest, AppointmentsOfEveryMonthAreListedAndTheShownMonthStays) {
    AddAppt(u"January review", 1);
    const LONG june = AddAppt(u"June trip", 6);
    g_SelectedDate = DateRec{};
    g_SelectedDate.wYear = 2026;
    g_SelectedDate.wMonth = 1;
    g_SelectedDate.wDay = 10;
    LoadApptsForMonth(1, 0);
    std::vector<std::u16string> subjects;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_CHOOSE_ITEM_LIST);
        const auto rows = ListRows(list);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            subjects.push_back(rows[i].text);
            if (rows[i].data == june) prjtest::SelectRow(list, static_cast<int>(i));
        }
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(ChooseItemDlg(owner_, kItemAppt), june);
    std::sort(subjects.begin(), subjects.end());
    EXPECT_EQ(subjects, (std::vector<std::u16string>{u"January review", u"June trip"}));
    EXPECT_EQ(g_SelectedDate.wMonth, 1);
    EXPECT_NE(g_ApptCache.curAppts, &g_AllApptsArray);
    EXPECT_EQ(g_AllApptsArray.Size(), 0);
}

}  // namespace
