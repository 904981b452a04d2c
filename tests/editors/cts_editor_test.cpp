// The contact editor: the device's own editor on version 5 and later (the device's card comes up),
// the program's contact dialog before that, and copy and delete of the current contact.
#include "editors/cts_editor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/view_id.h"
#include "editors/editor_state.h"
#include "editors/item_commands.h"
#include "lists/list_commands.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"

namespace {

class CtsEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
        InitCommonControlsEx(&init);
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        for (const char16_t* name : {u"Family", u"Home", u"Work"}) {
            CatRecord cat;
            cat.name = name;
            g_CatList.Append(cat);
        }
        ViewId = kViewContacts;
        ResetSelection();
        platform::testing::ClearPimItemsDisplayed();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        g_Settings.confirmDel = 1;
        g_Settings.firstLast = 0;
        g_CatList.RemoveAll();
        g_CtsList.RemoveAll();
        ResetSelection();
        EndPoomSession();
        platform::testing::ClearPimItemsDisplayed();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void UseOwnDialog() {
        platform::DeviceProfile profile = platform::Profile();
        profile.osMajor = 4;
        device.SetProfile(profile);
    }
    static LONG AddContact(const char16_t* first, const char16_t* last, const char16_t* categories) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(olContactItem, item.Out()), S_OK);
        const PoomPtr<IContact> contact = QueryPoom<IContact>(item.Get(), IID_IContact);
        contact->put_FirstName(first);
        contact->put_LastName(last);
        contact->put_Categories(categories);
        contact->put_Birthday(DateRecToPoom(GetPoomApp(), DateRec(1980, 5, 17)));
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }
    static void Select(LONG oid) {
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemContact;
    }
    static std::u16string Prop(LONG oid, HRESULT (IContact::*get)(BSTR*)) {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        if (!contact) return u"<none>";
        BSTR text = nullptr;
        (contact.Get()->*get)(&text);
        return TakeBstr(text);
    }
    static DATE Birthday(LONG oid) {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        DATE date = 0;
        if (contact) contact->get_Birthday(&date);
        return date;
    }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static bool RowSelected(HWND dialog, int row) {
        return SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0;
    }

    // The edit threads give up on the system editor, which never comes up here, after three seconds.
    static constexpr int kEditThreadMs = 4000;
    ProgramDevice device;
};

TEST_F(CtsEditorTest, VersionFiveOpensTheDevicesEditor) {
    const LONG oid = AddContact(u"Ann", u"Lee", u"");
    Select(oid);
    // Each command opens the device's card over the program; the user closes both.
    for (int card = 0; card < 2; ++card)
        platform::testing::ActInsideModalLoop([] { PostMessageW(platform::testing::ShownItemCard(), WM_CLOSE, 0, 0); });
    EditContactCmd();
    NewContactCmd();
    EXPECT_EQ(platform::testing::PimItemsDisplayed(), (std::vector<CEOID>{static_cast<CEOID>(oid), 0}));
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(kEditThreadMs));
}

TEST_F(CtsEditorTest, OwnDialogEntersANewContact) {
    UseOwnDialog();
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_CTS_FIRST_NAME, u"Bea");
        SetDlgItemTextW(dialog, IDC_CTS_LAST_NAME, u"Stone");
        SetDlgItemTextW(dialog, IDC_CTS_MOBILE, u"555-0100");
        SetDlgItemTextW(dialog, IDC_CTS_EMAIL, u"bea@example.org");
        SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_SETSEL, TRUE, 0);
        SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_SETSEL, TRUE, 2);
        SYSTEMTIME birthday = DateRec(1990, 2, 3);
        SendDlgItemMessageW(dialog, IDC_CTS_BIRTHDAY, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&birthday));
        InvalidateRect(dialog, nullptr, TRUE);
        platform::testing::PumpUntilIdle();
        EXPECT_TRUE(platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "contact_dialog.png"));
        Press(dialog, IDM_DLG_DONE);
    });
    NewContactCmd();
    const auto shown = platform::testing::DialogsShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].result, IDM_DLG_DONE);
    ASSERT_EQ(g_CtsList.Size(), 1);
    const LONG oid = g_CtsList[0].oid;
    EXPECT_EQ(Prop(oid, &IContact::get_FirstName), u"Bea");
    EXPECT_EQ(Prop(oid, &IContact::get_MobileTelephoneNumber), u"555-0100");
    EXPECT_EQ(Prop(oid, &IContact::get_Email1Address), u"bea@example.org");
    EXPECT_EQ(Prop(oid, &IContact::get_Categories), u"Family, Work");
    EXPECT_EQ(Birthday(oid), DayToPoom(GetPoomApp(), DateRec(1990, 2, 3)));
    EXPECT_TRUE(platform::testing::PimItemsDisplayed().empty());
}

TEST_F(CtsEditorTest, OwnDialogKeepsWhatWasTypedWhenTheStoreRefusesTheSave) {
    UseOwnDialog();
    bool stayedOpen = false;
    platform::testing::ActInsideDialog([&stayedOpen](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_CTS_FIRST_NAME, u"Bea");
        platform::testing::FailPimCall("IContact::Save");
        Press(dialog, IDM_DLG_DONE);
        platform::testing::ClearPimFailures();
        stayedOpen = platform::testing::DialogIsOpen(dialog);
        EXPECT_EQ(DlgItemText(dialog, IDC_CTS_FIRST_NAME, 64), u"Bea");
        EXPECT_EQ(g_ChangeMarks.ownChange, 0);
        Press(dialog, IDM_DLG_DONE);  // the second try is taken
    });
    NewContactCmd();
    EXPECT_TRUE(stayedOpen) << "a refused save ends the dialog as if saved";
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(u"Contact Save"), std::u16string::npos);
    ASSERT_EQ(g_CtsList.Size(), 1);
    EXPECT_EQ(Prop(g_CtsList[0].oid, &IContact::get_FirstName), u"Bea");
}

TEST_F(CtsEditorTest, AFullStoreSaysWhichKindIsFull) {
    UseOwnDialog();
    AddContact(u"Ann", u"Lee", u"");
    AddContact(u"Cal", u"Moss", u"");
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_CTS_FIRST_NAME, u"Bea");
        platform::testing::FailPimCall("Store::Save", E_OUTOFMEMORY);
        Press(dialog, IDM_DLG_DONE);
        platform::testing::ClearPimFailures();
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewContactCmd();
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"The store is full: it holds 2 contacts, the most it can keep.");
}

TEST_F(CtsEditorTest, OwnDialogEditsAContact) {
    UseOwnDialog();
    const LONG oid = AddContact(u"Cal", u"Moss", u"work, HOME");
    Select(oid);
    bool family = true, home = false, work = false;
    std::u16string first;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        family = RowSelected(dialog, 0);
        home = RowSelected(dialog, 1);
        work = RowSelected(dialog, 2);
        WCHAR text[64] = {};
        GetDlgItemTextW(dialog, IDC_CTS_FIRST_NAME, text, 64);
        first = text;
        SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_SETSEL, FALSE, -1);
        SendDlgItemMessageW(dialog, IDC_CTS_BIRTHDAY, DTM_SETSYSTEMTIME, GDT_NONE, 0);
        SetDlgItemTextW(dialog, IDC_ITEM_NOTES, std::u16string(1200, u'n').c_str());
        Press(dialog, IDM_DLG_DONE);
    });
    EditContactCmd();
    EXPECT_EQ(first, u"Cal");
    EXPECT_FALSE(family);
    EXPECT_TRUE(home);  // names match their category without regard to case or a leading blank
    EXPECT_TRUE(work);
    EXPECT_EQ(Prop(oid, &IContact::get_Categories), u"");
    EXPECT_EQ(Birthday(oid), POOM_NO_DATE);
    EXPECT_EQ(Prop(oid, &IContact::get_Body).size(), 1200u) << "notes are kept whole";
}

TEST_F(CtsEditorTest, CopyAndDeleteTheCurrentContact) {
    const LONG oid = AddContact(u"Dee", u"Park", u"");
    ReloadCtsByOid(oid);
    Select(oid);
    CopyCurrentCts();
    ASSERT_EQ(g_CtsList.Size(), 2);
    const LONG copy = g_CtsList[0].oid == oid ? g_CtsList[1].oid : g_CtsList[0].oid;
    EXPECT_EQ(Prop(copy, &IContact::get_LastName), u"Park");

    g_Settings.firstLast = 1;
    platform::testing::AnswerMessageBox(IDNO);
    DeleteCtsCmd();
    EXPECT_EQ(Prop(oid, &IContact::get_FirstName), u"Dee");
    platform::testing::AnswerMessageBox(IDYES);
    DeleteCtsCmd();
    EXPECT_EQ(Prop(oid, &IContact::get_FirstName), u"<none>");
    EXPECT_EQ(g_CtsList.Size(), 1);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, u"Are you sure you want to delete the contact 'Dee Park'?");
}

TEST_F(CtsEditorTest, ADeleteTheStoreRefusesKeepsTheContact) {
    const LONG oid = AddContact(u"Dee", u"Park", u"");
    ReloadCtsByOid(oid);
    Select(oid);
    g_Settings.confirmDel = 0;
    platform::testing::FailPimCall("IContact::Delete");
    DeleteCtsCmd();
    platform::testing::ClearPimFailures();
    EXPECT_EQ(Prop(oid, &IContact::get_FirstName), u"Dee");
    ASSERT_EQ(g_CtsList.Size(), 1);
    EXPECT_EQ(g_CtsList[0].oid, oid);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, kItemNotDeletedText);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
}

}  // namespace
