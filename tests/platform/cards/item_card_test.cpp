// The device's own cards, driven through their windows as a user would: the Display call opens the
// card over the logged-on window and returns once it is closed; Done stores the item once, Cancel,
// Close and Back store nothing; bad values are named and keep the form open.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <vector>

#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/shell.h"
#include "platform/memory.h"
#include "platform/testing_display.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "tests/platform/pim/pim_test_support.h"

namespace {

using pimtest::Ole;
using pimtest::Ref;
using platform::testing::ItemCardControl;
using platform::testing::ShownItemCard;

std::vector<UINT> g_notices;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= PIM_ITEM_CREATED_LOCAL && message <= PIM_ITEM_CHANGED_REMOTE) {
        g_notices.push_back(message);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class ItemCards : public pimtest::PimTest {
protected:
    void SetUp() override {
        PimTest::SetUp();
        g_notices.clear();
        platform::testing::ClearMessageBoxes();
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = u"QvCardOwner";
        RegisterClassW(&wc);
        owner = CreateWindowExW(0, u"QvCardOwner", u"Vestral Agenda", WS_POPUP | WS_VISIBLE, 0, 0, 240, 300, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        app->Logoff();
        ASSERT_EQ(app->Logon(reinterpret_cast<LONG_PTR>(owner)), S_OK);
        for (const int folder : {olFolderContacts, olFolderCalendar, olFolderTasks}) Subscribe(folder);
    }
    void TearDown() override {
        app->Logoff();
        DestroyWindow(owner);
        platform::testing::ClearMessageBoxes();
        PimTest::TearDown();
    }

    void Subscribe(int folderNumber) {
        IFolder* f = nullptr;
        ASSERT_EQ(app->GetDefaultFolder(folderNumber, &f), S_OK);
        Ref<IFolder> folder(f);
        IItem* item = nullptr;
        folder->QueryInterface(IID_IItem, reinterpret_cast<void**>(&item));
        Ref<IItem> props(item);
        CEPROPVAL v{};
        v.propid = PIMPR_FOLDERNOTIFICATIONS;
        v.val.ulVal = PIMFOLDERNOTIFICATION_ALL;
        ASSERT_EQ(props->SetProps(0, 1, &v), S_OK);
    }

    // Runs `user` inside the card once it is up (the Display call blocks until the card closes). What
    // the steps leave queued the card's own loop handles after them; a card still open after ten
    // seconds is a failure, and closed so that no test waits on it.
    static void WhileCardIsOpen(std::function<void(HWND card)> user) {
        platform::testing::ActInsideModalLoop([user = std::move(user)] {
            const HWND card = ShownItemCard();
            ASSERT_NE(card, nullptr);
            platform::testing::PumpUntilIdle();
            g_fallback = SetTimer(nullptr, 0, kFallbackMs, CloseForgottenCard);
            user(card);
        });
    }
    static void CALLBACK CloseForgottenCard(HWND, UINT, UINT_PTR, DWORD) {
        if (const HWND card = ShownItemCard()) {
            ADD_FAILURE() << "the card was left open";
            PostMessageW(card, WM_CLOSE, 0, 0);
        }
    }
    static void Display(IItem* item) {
        EXPECT_EQ(item->Display(nullptr), S_OK);
        KillTimer(nullptr, g_fallback);
    }
    template <class T>
    static void Display(const Ref<T>& item) {
        EXPECT_EQ(item->Display(), S_OK);
        KillTimer(nullptr, g_fallback);
    }
    static constexpr UINT kFallbackMs = 10000;
    static inline UINT_PTR g_fallback = 0;

    // The system application's "Edit" key, pressed from outside as the program's edit thread does.
    static void PressEditFromOutside() {
        const HWND bar = platform::testing::ShownSoftKeyBar();
        ASSERT_NE(bar, nullptr);
        SendMessageW(bar, WM_COMMAND, 105, 0);
        platform::testing::PumpUntilIdle();
    }

    static void TypeInto(HWND card, const char16_t* label, const char16_t* text) {
        const HWND control = ItemCardControl(card, label);
        ASSERT_NE(control, nullptr) << platform::ToUtf8(label);
        SetFocus(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
        platform::testing::Text(text);
        platform::testing::PumpUntilIdle();
    }

    static void SetDate(HWND card, const char16_t* label, int y, int m, int d) {
        SYSTEMTIME t{};
        t.wYear = static_cast<WORD>(y), t.wMonth = static_cast<WORD>(m), t.wDay = static_cast<WORD>(d);
        ASSERT_TRUE(DateTime_SetSystemtime(ItemCardControl(card, label), GDT_VALID, &t));
    }

    static void SoftKey(const char* which) {
        ASSERT_TRUE(platform::testing::Key(which));
        platform::testing::PumpUntilIdle();
    }
    // A key left for the card's loop, which routes the form's keys (Back, Tab, the arrows).
    static void LastKey(const char* which) { ASSERT_TRUE(platform::testing::Key(which)); }

    int ContactCount() {
        IFolder* f = nullptr;
        app->GetDefaultFolder(olFolderContacts, &f);
        Ref<IFolder> folder(f);
        IPOutlookItemCollection* items = nullptr;
        folder->get_Items(&items);
        Ref<IPOutlookItemCollection> all(items);
        int count = 0;
        all->get_Count(&count);
        return count;
    }

    CEOID SaveContact(const char16_t* first, const char16_t* last) {
        auto c = Create<IContact>(olContactItem);
        c->put_FirstName(first);
        c->put_LastName(last);
        c->put_Email1Address(u"old@example.org");
        EXPECT_EQ(c->Save(), S_OK);
        LONG oid = 0;
        c->get_Oid(&oid);
        return static_cast<CEOID>(oid);
    }

    std::u16string Text(CEOID oid, HRESULT (IContact::*get)(BSTR*)) {
        auto c = Get<IContact>(oid);
        BSTR text = nullptr;
        (c.get()->*get)(&text);
        return pimtest::Take(text);
    }

    int Notices() {
        platform::testing::PumpMessages();
        return static_cast<int>(g_notices.size());
    }

    platform::testing::TestDevice device;
    platform::testing::TestScreen screen;
    HWND owner = nullptr;
};

TEST_F(ItemCards, NewContactIsStoredOnDoneWithItsNewOid) {
    auto contact = Create<IContact>(olContactItem);
    bool sawSummaryFirst = false;
    WhileCardIsOpen([&](HWND card) {
        EXPECT_EQ(GetParent(card), owner);
        WCHAR title[32] = {};
        GetWindowTextW(card, title, 32);
        EXPECT_EQ(std::u16string(title), u"Contacts");
        sawSummaryFirst = !platform::testing::ItemCardInEditMode(card);
        PressEditFromOutside();
        ASSERT_TRUE(platform::testing::ItemCardInEditMode(card));
        EXPECT_EQ(platform::testing::SoftKeyTexts(), (std::vector<std::u16string>{u"Done", u"Cancel"}));
        // The form opens on the first name: typing goes straight there.
        platform::testing::Text(u"Ann");
        TypeInto(card, u"Last name", u"Lee");
        TypeInto(card, u"Mobile tel", u"555-0100");
        TypeInto(card, u"E-mail", u"ann@example.org");
        SetDate(card, u"Birthday", 1980, 5, 17);
        SoftKey("SOFT1");
    });
    Display(contact);
    EXPECT_TRUE(sawSummaryFirst);
    EXPECT_EQ(ShownItemCard(), nullptr);
    LONG oid = 0;
    ASSERT_EQ(contact->get_Oid(&oid), S_OK);
    EXPECT_EQ(Text(static_cast<CEOID>(oid), &IContact::get_FileAs), u"Lee, Ann");
    EXPECT_EQ(Text(static_cast<CEOID>(oid), &IContact::get_MobileTelephoneNumber), u"555-0100");
    EXPECT_EQ(Text(static_cast<CEOID>(oid), &IContact::get_Email1Address), u"ann@example.org");
    DATE birthday = 0;
    Get<IContact>(static_cast<CEOID>(oid))->get_Birthday(&birthday);
    EXPECT_EQ(birthday, Ole(1980, 5, 17));
    EXPECT_EQ(Notices(), 1);
    EXPECT_EQ(g_notices.front(), static_cast<UINT>(PIM_ITEM_CREATED_LOCAL));
}

TEST_F(ItemCards, CancelCloseAndBackLeaveTheStoreAsItWas) {
    const CEOID existing = SaveContact(u"Cal", u"Moss");
    Notices();
    g_notices.clear();
    struct Case {
        const char* name;
        bool newContact;
        bool edit;
        const char* key;  // how the user leaves
    } cases[] = {
        {"new contact, Cancel", true, true, "SOFT2"},
        {"new contact, Back in the form", true, true, "BACK"},
        {"existing contact, Cancel", false, true, "SOFT2"},
        {"existing contact, Back in the form", false, true, "BACK"},
        {"existing contact, Close on its card", false, false, "SOFT2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ref<IContact> contact = c.newContact ? Create<IContact>(olContactItem) : Get<IContact>(existing);
        WhileCardIsOpen([&](HWND card) {
            if (c.edit) {
                PressEditFromOutside();
                TypeInto(card, u"Last name", u"Changed");
                // Back on a control of the form, not on a text field, so it is not taken as a backspace.
                SetFocus(ItemCardControl(card, u"Birthday"));
            }
            LastKey(c.key);
        });
        Display(contact);
        EXPECT_EQ(ShownItemCard(), nullptr);
        LONG oid = 0;
        EXPECT_EQ(SUCCEEDED(contact->get_Oid(&oid)), !c.newContact);
        EXPECT_EQ(ContactCount(), 1);
        EXPECT_EQ(Text(existing, &IContact::get_LastName), u"Moss");
        EXPECT_EQ(Notices(), 0);
    }
}

TEST_F(ItemCards, EditChangesTheContactAndTheFileAsFollowsItsNames) {
    const CEOID oid = SaveContact(u"Cal", u"Moss");
    Notices();
    g_notices.clear();
    auto contact = Get<IContact>(oid);
    WhileCardIsOpen([&](HWND card) {
        PressEditFromOutside();
        EXPECT_EQ(GetWindowTextLengthW(ItemCardControl(card, u"File as")), 9);  // "Moss, Cal"
        TypeInto(card, u"Last name", u"Stone");
        TypeInto(card, u"Company", u"Harbour Works");
        TypeInto(card, u"Work city", u"Portsmouth");
        TypeInto(card, u"Notes", u"Met at the fair");
        SoftKey("SOFT1");
    });
    Display(contact);
    EXPECT_EQ(Text(oid, &IContact::get_LastName), u"Stone");
    EXPECT_EQ(Text(oid, &IContact::get_FileAs), u"Stone, Cal");
    EXPECT_EQ(Text(oid, &IContact::get_CompanyName), u"Harbour Works");
    EXPECT_EQ(Text(oid, &IContact::get_Body), u"Met at the fair");
    EXPECT_EQ(Text(oid, &IContact::get_Email1Address), u"old@example.org");
    EXPECT_EQ(Notices(), 1);
    EXPECT_EQ(g_notices.front(), static_cast<UINT>(PIM_ITEM_CHANGED_LOCAL));
}

TEST_F(ItemCards, ABadValueIsNamedAndTheFormStaysOpen) {
    const CEOID oid = SaveContact(u"Dee", u"Hart");
    auto contact = Get<IContact>(oid);
    WhileCardIsOpen([&](HWND card) {
        PressEditFromOutside();
        TypeInto(card, u"E-mail 2", u"dee.example.org");
        SoftKey("SOFT1");
        ASSERT_EQ(ShownItemCard(), card);
        EXPECT_TRUE(platform::testing::ItemCardInEditMode(card));
        const auto boxes = platform::testing::MessageBoxesShown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(u"\"dee.example.org\" is not an e-mail address"), std::u16string::npos);
        EXPECT_EQ(GetFocus(), ItemCardControl(card, u"E-mail 2"));
        // February has no 31st: the picker keeps the day within the month, so no impossible date is stored.
        SetDate(card, u"Birthday", 1990, 2, 28);
        SetFocus(ItemCardControl(card, u"Birthday"));
        platform::testing::Key(VK_RIGHT);  // from the month to the day
        platform::testing::Text(u"31");
        TypeInto(card, u"E-mail 2", u"dee@example.org");
        SoftKey("SOFT1");
        EXPECT_EQ(ShownItemCard(), nullptr);
    });
    Display(contact);
    EXPECT_EQ(Text(oid, &IContact::get_Email2Address), u"dee@example.org");
    DATE birthday = 0;
    Get<IContact>(oid)->get_Birthday(&birthday);
    SYSTEMTIME t{};
    ASSERT_TRUE(VariantTimeToSystemTime(birthday, &t));
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_LE(t.wDay, 28);
}

TEST_F(ItemCards, AppointmentAndTaskNeverSavedOpenStraightInTheirForm) {
    struct Case {
        int type;
        const char16_t* title;
    } cases[] = {{olAppointmentItem, u"Calendar"}, {olTaskItem, u"Tasks"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.title));
        IDispatch* made = nullptr;
        ASSERT_EQ(app->CreateItem(c.type, &made), S_OK);
        IItem* raw = nullptr;
        made->QueryInterface(IID_IItem, reinterpret_cast<void**>(&raw));
        made->Release();
        Ref<IItem> item(raw);
        WhileCardIsOpen([&](HWND card) {
            WCHAR title[32] = {};
            GetWindowTextW(card, title, 32);
            EXPECT_EQ(std::u16string(title), c.title);
            ASSERT_TRUE(platform::testing::ItemCardInEditMode(card));
            platform::testing::Text(u"Dentist");
            SoftKey("SOFT1");
        });
        Display(item.get());
        CEOID oid = 0;
        ASSERT_EQ(item->get_Oid(&oid), S_OK);
        CEPROPID subject = PIMPR_SUBJECT;
        CEPROPVAL* values = nullptr;
        ULONG bytes = 0;
        ASSERT_EQ(item->GetProps(&subject, CEDB_ALLOWREALLOC, 1, &values, &bytes, GetProcessHeap()), S_OK);
        EXPECT_EQ(std::u16string(values[0].val.lpwstr), u"Dentist");
        HeapFree(GetProcessHeap(), 0, values);
    }
}

TEST_F(ItemCards, ATaskThatStartsNeedsADueDateOnOrAfterIt) {
    auto task = Create<ITask>(olTaskItem);
    task->put_Subject(u"Report");
    ASSERT_EQ(task->Save(), S_OK);
    WhileCardIsOpen([&](HWND card) {
        PressEditFromOutside();
        SetDate(card, u"Starts", 2009, 3, 10);
        SetDate(card, u"Due", 2009, 3, 9);
        SoftKey("SOFT1");
        ASSERT_EQ(ShownItemCard(), card);
        ASSERT_EQ(platform::testing::MessageBoxesShown().size(), 1u);
        EXPECT_NE(platform::testing::MessageBoxesShown()[0].text.find(u"due date"), std::u16string::npos);
        SetDate(card, u"Due", 2009, 3, 12);
        SoftKey("SOFT1");
        EXPECT_EQ(ShownItemCard(), nullptr);
    });
    Display(task);
    DATE due = 0;
    task->get_DueDate(&due);
    EXPECT_EQ(due, Ole(2009, 3, 12));
}

}  // namespace
