// The list-style item and fields forms (LISTEDIT on) driven by keys, taps and typing: a new item
// named, typed, given an icon and categories, its fields filled and read back from the file; Cancel
// and the lock leave the item and the file as they were; the form-style dialogs when LISTEDIT is off.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "editors/field_list.h"
#include "editors/text_pick_dlg.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/support/prompt_answer.h"
#include "ui/text_prompt.h"
#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_tree.h"
#include "wallet/wlt_view.h"
#include "wallet_fixture.h"

namespace {

namespace pt = platform::testing;
using wallettest::FilledItem;

constexpr int kLockCombination = 11;  // template index
constexpr int kCreditCard = 3;

class WalletListForms : public wallettest::WalletTest {
protected:
    WalletListForms() {
        g_Settings = AppSettings();
        g_Settings.listEdit = 1;
        InitCommonControls();
        pt::ClearDialogs();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"WltListTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(0, u"WltListTestHost", u"Vestral Agenda", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr,
                                nullptr, g_Main.instance, nullptr);
        g_Frame.mainWnd = host_;
        CreateWalletTree(host_);
        for (const char16_t* name : {u"Home", u"prj:Garden", u"Work"}) {
            CatRecord category;
            category.name = name;
            g_CatList.Append(category);
        }
        g_Wlt.secured = 0;
        g_Wlt.locked = 0;
    }
    ~WalletListForms() override {
        DestroyWltImageLists();
        if (IsWindow(host_)) DestroyWindow(host_);
        g_Frame = {};
        g_CatList.RemoveAll();
        g_Settings = AppSettings();
        pt::ClearDialogs();
    }

    // An item in the wallet and in its file, selected.
    void StoreItem(const WltItem& item) {
        g_Wlt.items.Append(item);
        g_Wlt.selection = 0;
        ASSERT_TRUE(WriteWalletFile());
        fileBefore_ = device_.ReadFile(wallettest::kWalletPath);
    }
    void Reopen() {
        g_Wlt.items.RemoveAll();
        g_Wlt.locked = 1;
        ReadWalletFile();
    }

    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_WLT_FIELD_LIST); }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // Device input is queued: each key and text is handled before the next step.
    static void Key(UINT key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            platform::testing::Key(key);
            pt::PumpUntilIdle();
        }
    }
    static void Type(const std::u16string& text) {
        platform::testing::Text(text);
        pt::PumpUntilIdle();
    }
    // Typing on a text row opens its editor holding the first character; the editor is answered
    // with the whole text.
    static void TypeIntoSubjectRow(const std::u16string& text) {
        pt::ActInsideDialog([text](HWND editor) {
            SetDlgItemTextW(editor, IDC_SUBJECT_EDIT, text.c_str());
            Press(editor, IDM_DLG_DONE);
        });
        Type(text.substr(0, 1));
    }
    static void TypeIntoFieldRow(const std::u16string& text) {
        testsupport::AnswerPrompt(IDM_DLG_DONE, text);
        Type(text.substr(0, 1));
    }
    // What the list shows now, repainted under a fresh record.
    static std::vector<std::u16string> ShownTexts(HWND dialog, pt::DrawRecord& record) {
        record.Clear();
        InvalidateRect(List(dialog), nullptr, TRUE);
        pt::PumpUntilIdle();
        RECT area{};
        GetWindowRect(List(dialog), &area);
        std::vector<std::u16string> texts;
        for (const auto& drawn : record.ScreenTextsIn(area)) texts.push_back(drawn.text);
        return texts;
    }
    static bool Shows(const std::vector<std::u16string>& texts, const std::u16string& text) {
        for (const auto& shown : texts)
            if (shown == text) return true;
        return false;
    }
    // A tap on the picture at the left of a row of the list (a category row's tick).
    static void TapRowPicture(HWND list, int row) {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        POINT point{rect.left + 4, (rect.top + rect.bottom) / 2};
        ClientToScreen(list, &point);
        pt::Tap(point.x, point.y);
        pt::PumpUntilIdle();
    }

    pt::TestScreen screen_;
    HWND host_ = nullptr;
    std::string fileBefore_;
};

TEST_F(WalletListForms, NewItemIsMadeThroughBothFormsAndReadBackFromTheFile) {
    FillWalletTree();
    std::u16string itemTitle, fieldsTitle;
    std::vector<std::u16string> itemRows, fieldRows;
    pt::DrawRecord record;
    pt::ActInsideDialog([&](HWND itemForm) {
        itemTitle = pt::NavBarTitle();
        itemRows = ShownTexts(itemForm, record);
        TypeIntoSubjectRow(u"Office door");
        Key(VK_DOWN);
        Key(VK_LEFT, 3);  // "Bank Account" back round to "Lock Combination"
        Key(VK_DOWN);
        Key(VK_RIGHT);  // the icon after the first template's own
        Key(VK_DOWN);
        pt::ActInsideDialog([](HWND picker) {
            TapRowPicture(GetDlgItem(picker, IDC_CAT_PICKER_LIST), 1);  // "Work": project categories have no row
            Press(picker, IDM_DLG_DONE);
        });
        Key(VK_RETURN);
        pt::ActInsideDialog([&](HWND fieldsForm) {
            fieldsTitle = pt::NavBarTitle();
            TypeIntoFieldRow(u"12-34-56");
            fieldRows = ShownTexts(fieldsForm, record);
            Press(fieldsForm, IDM_DLG_DONE);
        });
        Press(itemForm, IDM_DLG_DONE);
    });
    NewWltItem();

    EXPECT_EQ(itemTitle, u"New Wallet Item");
    for (const char16_t* text : {u"Name", u"Type", u"Bank Account", u"Icon", u"18", u"Categories:"})
        EXPECT_TRUE(Shows(itemRows, text)) << platform::ToUtf8(text);
    EXPECT_EQ(fieldsTitle, u"Edit Wallet Item: Office door");
    EXPECT_TRUE(Shows(fieldRows, u"Combination"));
    EXPECT_TRUE(Shows(fieldRows, u"********")) << "a secret field is masked";
    EXPECT_FALSE(Shows(fieldRows, u"12-34-56"));
    EXPECT_EQ(g_FieldList.depth, -1);
    EXPECT_EQ(g_FieldList.strip, nullptr);
    EXPECT_TRUE(g_PromptText.empty()) << "the typed combination is not left behind";

    Reopen();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    const WltItem& item = g_Wlt.items[0];
    EXPECT_EQ(item.name, u"Office door");
    EXPECT_EQ(item.type, u"Lock Combination");
    EXPECT_EQ(item.icon, 19);
    EXPECT_EQ(item.categories, u"Work,");
    ASSERT_EQ(item.fields.Size(), 1);
    EXPECT_EQ(item.fields[0].value, u"12-34-56");
}

TEST_F(WalletListForms, FieldRowsFollowTheFieldKindsAndTheMaskSetting) {
    WltItem card = FilledItem(kCreditCard, u"Visa");
    card.fields[7].value = u"4321";  // "PIN", a secret
    StoreItem(card);
    for (const LONG noMask : {0, 1}) {
        g_WltSettings.noMask = noMask;
        std::vector<std::u16string> texts;
        pt::DrawRecord record;
        pt::ActInsideDialog([&](HWND form) {
            texts = ShownTexts(form, record);
            if (noMask == 0) {
                EXPECT_TRUE(pt::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "wallet_fields_list.png"));
            }
            Press(form, IDM_DLG_CANCEL);
        });
        EditWltItemFields();
        EXPECT_TRUE(Shows(texts, u"Credit Card Name")) << noMask;
        EXPECT_TRUE(Shows(texts, u"Visa value a")) << noMask;
        EXPECT_EQ(Shows(texts, u"****"), noMask == 0) << noMask;
        EXPECT_EQ(Shows(texts, u"4321"), noMask == 1) << noMask;
    }
}

TEST_F(WalletListForms, CancelLeavesTheItemAndTheFileAsTheyWere) {
    WltItem item = FilledItem(kLockCombination, u"Gym locker");
    item.type = u"Old Locker";  // a type no template names
    item.categories = u"prj:Garden,Work,";
    StoreItem(item);
    std::vector<std::u16string> itemRows;
    pt::DrawRecord record;
    pt::ActInsideDialog([&](HWND fieldsForm) {
        TypeIntoFieldRow(u"99-99-99");
        pt::ActInsideDialog([&](HWND itemForm) {
            itemRows = ShownTexts(itemForm, record);
            TypeIntoSubjectRow(u"Renamed");
            Press(itemForm, IDM_DLG_CANCEL);
        });
        Press(fieldsForm, IDM_WLT_EDIT_ITEM_INFO);
        Press(fieldsForm, IDM_DLG_CANCEL);
    });
    EditWltItemFields();
    EXPECT_TRUE(Shows(itemRows, u"Old Locker")) << "the item's own type, not the first template's";
    EXPECT_EQ(g_Wlt.items[0].name, u"Gym locker");
    EXPECT_EQ(g_Wlt.items[0].fields[0].value, u"Gym locker value a");
    EXPECT_EQ(device_.ReadFile(wallettest::kWalletPath), fileBefore_);
    EXPECT_EQ(g_FieldList.depth, -1);
    const auto shown = pt::DialogsShown();
    ASSERT_EQ(shown.size(), 4u);  // fields form, prompt, item form, subject editor
    EXPECT_EQ(shown[0].result, IDM_DLG_CANCEL);
    EXPECT_EQ(shown[2].result, IDM_DLG_CANCEL);
}

TEST_F(WalletListForms, ItemFormFromTheFieldsFormRenamesAndKeepsTypeAndProjectCategories) {
    WltItem item = FilledItem(kLockCombination, u"Gym locker");
    item.categories = u"prj:Garden,Work,";
    item.icon = 17;
    StoreItem(item);
    bool typeLocked = false;
    std::vector<std::u16string> fieldRowsAfter;
    pt::DrawRecord record;
    pt::ActInsideDialog([&](HWND fieldsForm) {
        pt::ActInsideDialog([&](HWND itemForm) {
            TypeIntoSubjectRow(u"Pool locker");
            Key(VK_DOWN);  // the type is not offered: the icon row is next
            typeLocked = FieldListSelRow(List(itemForm)) == 2;
            Key(VK_LEFT);
            Key(VK_DOWN);
            pt::ActInsideDialog([](HWND picker) {
                TapRowPicture(GetDlgItem(picker, IDC_CAT_PICKER_LIST), 0);  // "Home" ticked beside "Work"
                Press(picker, IDM_DLG_DONE);
            });
            Key(VK_RETURN);
            Press(itemForm, IDM_DLG_DONE);
        });
        Press(fieldsForm, IDM_WLT_EDIT_ITEM_INFO);
        fieldRowsAfter = ShownTexts(fieldsForm, record);
        Press(fieldsForm, IDM_DLG_CANCEL);
    });
    EditWltItemFields();
    EXPECT_TRUE(typeLocked);
    EXPECT_TRUE(Shows(fieldRowsAfter, u"Combination")) << "the fields form shows its own rows again";
    Reopen();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].name, u"Pool locker");
    EXPECT_EQ(g_Wlt.items[0].type, u"Lock Combination");
    EXPECT_EQ(g_Wlt.items[0].icon, 16);
    EXPECT_EQ(g_Wlt.items[0].categories, u"prj:Garden,Home,Work,");
    EXPECT_EQ(g_Wlt.items[0].fields[0].value, u"Gym locker value a");
}

TEST_F(WalletListForms, NamelessItemIsRefusedAndTheFormStaysOnTheNameRow) {
    int selectedAfter = -1;
    bool stillUp = false;
    pt::ActInsideDialog([&](HWND itemForm) {
        Key(VK_DOWN);
        Press(itemForm, IDM_DLG_DONE);
        stillUp = IsWindow(itemForm) != FALSE;
        selectedAfter = FieldListSelRow(List(itemForm));
        Press(itemForm, IDM_DLG_CANCEL);
    });
    NewWltItem();
    EXPECT_TRUE(stillUp);
    EXPECT_EQ(selectedAfter, 0);
    EXPECT_EQ(CountBoxes(u"Wallet Item Name Required."), 1);
    EXPECT_TRUE(g_Wlt.items.IsEmpty());
    EXPECT_EQ(pt::DialogsShown().size(), 1u) << "no fields form after a cancelled item form";
}

TEST_F(WalletListForms, LockClosesTheNestedFormsNewestFirstAsCancelled) {
    pt::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0});
    StoreItem(FilledItem(kLockCombination, u"Gym locker"));
    g_Wlt.secured = 1;
    g_Wlt.password = u"pw";
    TouchWltActivity();
    pt::ActInsideDialog([](HWND fieldsForm) {
        pt::ActInsideDialog([](HWND) {
            pt::AdvanceClock(6 * kMsPerMinute);
            CheckWalletAutoLock();
        });
        Press(fieldsForm, IDM_WLT_EDIT_ITEM_INFO);
    });
    EditWltItemFields();
    pt::ThawClock();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_EQ(g_FieldList.depth, -1);
    EXPECT_EQ(g_OpenDlgs.top, -1);
    const auto shown = pt::DialogsShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].result, kWltDlgCancel);
    EXPECT_EQ(shown[1].result, kWltDlgCancel);
}

TEST_F(WalletListForms, TheSettingChoosesListOrFormForBothDialogs) {
    StoreItem(FilledItem(kLockCombination, u"Gym locker"));
    for (const LONG listEdit : {0, 1}) {
        g_Settings.listEdit = listEdit;
        pt::ClearDialogs();
        pt::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
        EditWltItem();
        pt::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
        EditWltItemFields();
        const auto shown = pt::DialogsShown();
        ASSERT_EQ(shown.size(), 2u) << listEdit;
        const std::vector<int> list{IDC_WLT_FIELD_LIST};
        EXPECT_EQ(shown[0].controls == list, listEdit == 1) << listEdit;
        EXPECT_EQ(shown[1].controls == list, listEdit == 1) << listEdit;
        if (listEdit == 0) {
            EXPECT_NE(std::find(shown[0].controls.begin(), shown[0].controls.end(), IDC_WLT_ITEM_NAME),
                      shown[0].controls.end());
            EXPECT_NE(std::find(shown[1].controls.begin(), shown[1].controls.end(), IDC_WLT_FIRST_EDIT),
                      shown[1].controls.end());
        }
    }
    EXPECT_EQ(device_.ReadFile(wallettest::kWalletPath), fileBefore_);
}

}  // namespace
