// The contact actions: the default action by the contact's default field (dialled through the test
// phone library), the lines of the "Contact Text" picker, and the picker run through its modal loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/phone_lib.h"
#include "core/poom_session.h"
#include "lists/cts_actions.h"
#include "lists/cts_text.h"
#include "platform/commctrl.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_phone.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "tests/core/loading_fixture.h"
#include "ui/dialog_conventions.h"

namespace {

using loadtest::NewContact;

std::vector<std::u16string> Lines(const StrArray& lines) { return {lines.begin(), lines.end()}; }

class CtsActionsTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        platform::testing::ClearDialledNumbers();
    }
    void TearDown() override {
        FreePhoneLib();
        g_CurItem = CurItem{};
        g_CtsTextChoice = CtsTextChoice();
        platform::testing::ClearDialogs();
        LoadingTest::TearDown();
    }
    // One loaded contact, the current item.
    void SetCurrentContact(LONG field, const std::u16string& text) {
        CtsRecord contact;
        contact.oid = 42;
        contact.fileAs = u"Berg, Anna";
        contact.defaultField = field;
        contact.defaultText = text;
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        IdIndexInsert(contact.oid, g_CtsList.Append(contact), g_CtsIdIndex);
        g_CurItem.oid = contact.oid;
        g_CurItem.kind = kItemContact;
    }
    static PoomPtr<IContact> StoreContact(LONG oid) { return GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact); }
    static CtsRecord Record(const std::u16string& first, const std::u16string& last, const std::u16string& company) {
        CtsRecord record;
        record.firstName = first;
        record.lastName = last;
        record.company = company;
        record.fileAs = last.empty() && first.empty() ? company : last + u", " + first;
        return record;
    }
};

TEST_F(CtsActionsTest, DefaultActionDialsOnlyPhoneFields) {
    platform::testing::InstallPhoneLibrary(device_, {});
    ASSERT_TRUE(LoadPhoneLib());
    struct Case {
        LONG field;
        bool dialled;
    };
    const Case cases[] = {{2, true}, {0, true}, {11, true}, {4, false}, {5, false}, {8, false}, {12, false}, {-1, false}};
    for (const Case& c : cases) {
        platform::testing::ClearDialledNumbers();
        SetCurrentContact(c.field, u"555-0100");
        CtsDefaultAction();
        EXPECT_EQ(platform::testing::DialledNumbers().size(), c.dialled ? 1u : 0u) << "field " << c.field;
    }
    // A current item that is no contact does nothing.
    platform::testing::ClearDialledNumbers();
    SetCurrentContact(2, u"555-0100");
    g_CurItem.kind = kItemTask;
    CtsDefaultAction();
    EXPECT_TRUE(platform::testing::DialledNumbers().empty());
}

TEST_F(CtsActionsTest, PickerLinesOfAPersonAndOfACompany) {
    const LONG oid = AddContact(NewContact{u"Anna", u"Berg", u"Acme", u"555-0100", u"anna@example.org"});
    const CtsTextLines person = BuildCtsTextLines(Record(u"Anna", u"Berg", u"Acme"), StoreContact(oid).Get(), false);
    EXPECT_EQ(Lines(person.full), (std::vector<std::u16string>{u"Anna Berg", u"[Anna Berg]", u"Berg, Anna",
                                                               u"Berg, Anna at Acme", u"Berg, Anna(Acme) M: 555-0100",
                                                               u"Berg, Anna(Acme) Email: anna@example.org"}));
    EXPECT_EQ(Lines(person.shown), Lines(person.full));
    const LONG firm = AddContact(NewContact{u"", u"", u"Acme", u"555-0199"});
    const CtsTextLines company = BuildCtsTextLines(Record(u"", u"", u"Acme"), StoreContact(firm).Get(), false);
    EXPECT_EQ(Lines(company.full), (std::vector<std::u16string>{u"Acme", u"[Acme]", u"Acme M: 555-0199"}));
}

TEST_F(CtsActionsTest, LongLabelsAreCutOnlyInTheShownRows) {
    const LONG oid = AddContact(NewContact{u"Bartholomew", u"Featherstonehaugh", u"International Widgets", u"555"});
    const CtsRecord record = Record(u"Bartholomew", u"Featherstonehaugh", u"International Widgets");
    const CtsTextLines wide = BuildCtsTextLines(record, StoreContact(oid).Get(), false);
    EXPECT_EQ(wide.full[wide.full.Size() - 1], u"Featherstonehaugh, Bartholomew(International Widgets) M: 555");
    EXPECT_EQ(wide.shown[wide.shown.Size() - 1], u"Featherstonehaugh...(International...) M: 555");
    const CtsTextLines portrait = BuildCtsTextLines(record, StoreContact(oid).Get(), true);
    EXPECT_EQ(portrait.shown[portrait.shown.Size() - 1], u"Featherstoneh...(Internati...) M: 555");
}

TEST_F(CtsActionsTest, PickerGivesTheChosenRowsFullTextAndNothingOnCancel) {
    const LONG oid = AddContact(NewContact{u"Anna", u"Berg", u"Acme", u"555-0100"});
    LoadCtsList(1);
    HWND owner = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 240, 268, nullptr, nullptr, nullptr, nullptr);
    g_Frame.mainWnd = owner;
    platform::testing::ActInsideDialog([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_CONTACT_TEXT_LIST);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    g_CtsTextChoice.oid = oid;
    EXPECT_EQ(CtsTextDlg(owner), kDlgAccept);
    EXPECT_EQ(g_CtsPickedText, u"[Anna Berg]");
    platform::testing::AnswerDialog(kDlgCancel);
    g_CtsTextChoice.oid = oid;
    EXPECT_EQ(CtsTextDlg(owner), kDlgCancel);
    EXPECT_TRUE(g_CtsPickedText.empty());
    g_Frame.mainWnd = nullptr;
    DestroyWindow(owner);
}

}  // namespace
