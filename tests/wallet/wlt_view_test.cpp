// The wallet view: the tree's groups, items and messages, opening the current file (the welcome
// wallet, a secured file with its password), removing an item, renaming the file, and a screenshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/active_file.h"
#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/main_messages.h"
#include "frame/cmd_messages.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/support/prompt_answer.h"
#include "tests/ui/draw_surface.h"
#include "ui/image_lists.h"
#include "ui/theme_colors.h"
#include "ui/text_prompt.h"
#include "wallet/wlt_dialog_checks.h"
#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_tree.h"
#include "wallet/wlt_view.h"
#include "wallet_fixture.h"

namespace {

using wallettest::FilledItem;

struct Node {
    std::u16string text;
    std::vector<Node> children;
    bool operator==(const Node&) const = default;
};

std::u16string NodeText(HWND tree, HTREEITEM item) {
    WCHAR text[260] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = 260;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

std::vector<Node> Children(HWND tree, HTREEITEM parent) {
    std::vector<Node> nodes;
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    while (item) {
        nodes.push_back(Node{NodeText(tree, item), Children(tree, item)});
        item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return nodes;
}

class WalletView : public wallettest::WalletTest {
protected:
    WalletView() {
        g_Settings = AppSettings();
        g_ViewShown = ViewShownFlags();
        InitCommonControls();
        platform::testing::ClearDialogs();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"WltViewTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(0, u"WltViewTestHost", u"Vestral Agenda", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr,
                                nullptr, g_Main.instance, nullptr);
        g_Frame.mainWnd = host_;
        CreateWalletTree(host_);
    }
    ~WalletView() override {
        DestroyWltImageLists();
        if (IsWindow(host_)) DestroyWindow(host_);
        g_Frame = {};
    }
    std::vector<Node> Tree() const { return Children(g_ViewWnds.walletTree, nullptr); }

    platform::testing::TestScreen screen_;
    HWND host_ = nullptr;
};

TEST_F(WalletView, TreeGroupsItemsByTypeSortedByName) {
    g_Wlt.locked = 0;
    g_Wlt.items.Append(FilledItem(3, u"Visa"));
    g_Wlt.items.Append(FilledItem(0, u"Savings"));
    g_Wlt.items.Append(FilledItem(3, u"Amex"));
    WltItem stray = FilledItem(1, u"Stray");
    stray.type = u"Unknown Type";
    g_Wlt.items.Append(stray);
    FillWalletTree();
    EXPECT_EQ(Tree(), (std::vector<Node>{{u"Bank Account", {{u"Savings", {}}}},
                                          {u"Credit Card", {{u"Amex", {}}, {u"Visa", {}}}}}));
}

TEST_F(WalletView, MessagesWhenNothingIsShown) {
    FillWalletTree();
    EXPECT_EQ(Tree(), (std::vector<Node>{{kWltNoItemsText, {}}}));

    g_Wlt.hideEmptyGroups = 0;
    FillWalletTree();
    EXPECT_EQ(Tree(), (std::vector<Node>{{kWltNoItemsText, {}}}));  // an empty wallet shows no groups

    WltItem stray = FilledItem(1, u"Stray");
    stray.type = u"Unknown Type";
    g_Wlt.items.Append(stray);
    g_Wlt.hideEmptyGroups = 1;
    FillWalletTree();
    EXPECT_EQ(Tree(), (std::vector<Node>{{kWltNoneFoundText, {}}}));

    g_Wlt.hideEmptyGroups = 0;
    FillWalletTree();
    EXPECT_EQ(Tree().size(), static_cast<std::size_t>(kWltTemplateCount) + 1);
}

TEST_F(WalletView, FolderAndTitleFromThePath) {
    struct Case {
        const char16_t* path;
        const char16_t* folder;
        const char16_t* title;
    };
    const Case cases[] = {
        {u"\\My Documents\\Main.zqw", u"\\My Documents\\", u"Main.zqw"},
        {u"Bare.zqw", u"\\", u"Bare.zqw"},
        {u"", u"\\My Documents\\", u"<None>"},
    };
    for (const Case& c : cases) {
        g_Wlt.path = c.path;
        SetWltFolder();
        EXPECT_EQ(g_Wlt.folder, c.folder);
        EXPECT_EQ(GetWltFileTitle(), c.title);
    }
}

TEST_F(WalletView, FirstOpeningMakesTheWelcomeWallet) {
    g_Wlt.path = u"\\My Documents\\MainWallet.zqw";
    ShowWalletView();
    EXPECT_EQ(g_Wlt.locked, 0);
    EXPECT_EQ(g_Wlt.secured, 0);
    EXPECT_EQ(g_WltSettings.firstTimeAdd, 0);
    EXPECT_EQ(ViewId, kViewWallet);
    EXPECT_TRUE(device_.FileExists(u"\\My Documents\\MainWallet.zqw"));
    EXPECT_EQ(Tree(), (std::vector<Node>{{u"Generic Note", {{kWltWelcomeName, {}}}}}));

    // Without first-time-add a missing file leaves no path and the cover screen.
    g_Wlt.path = u"\\My Documents\\Missing.zqw";
    ReloadWallet();
    EXPECT_EQ(g_Wlt.path, u"");
    EXPECT_EQ(ViewId, kViewWalletLocked);
}

TEST_F(WalletView, SecuredFileOpensOnlyWithItsPassword) {
    g_Wlt.items.Append(FilledItem(8, u"Router"));
    g_Wlt.secured = 1;
    g_Wlt.password = u"open sesame";
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());

    testsupport::AnswerPrompt(kPromptAccepted, u"wrong");
    ReloadWallet();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_EQ(ViewId, kViewWalletLocked);

    testsupport::AnswerPrompt(kPromptCancelled, u"");
    ReloadWallet();
    EXPECT_EQ(g_Wlt.locked, 1);

    testsupport::AnswerPrompt(kPromptAccepted, u"open sesame");
    ReloadWallet();
    EXPECT_EQ(g_Wlt.locked, 0);
    EXPECT_EQ(Tree(), (std::vector<Node>{{u"Generic Password", {{u"Router", {}}}}}));
}

// A wallet opened from the shell while the program runs: the running program opened its old wallet again.
TEST_F(WalletView, AWalletHandedOverByASecondStartIsTheOneOpened) {
    g_Wlt.items.Append(FilledItem(8, u"Old item"));
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    g_Wlt.path = u"\\My Documents\\Handed.zqw";
    g_Wlt.items.RemoveAll();
    g_Wlt.items.Append(FilledItem(8, u"Handed item"));
    ASSERT_TRUE(WriteWalletFile());
    g_Wlt.path = wallettest::kWalletPath;
    ReloadWallet();
    ASSERT_EQ(Tree(), (std::vector<Node>{{u"Generic Password", {{u"Old item", {}}}}}));

    SaveActiveFile(u"\\My Documents\\Handed.zqw");  // what the second start leaves for the running one
    SetForegroundWindow(g_Frame.mainWnd);
    OnCmdLineMessage(g_Frame.mainWnd, kMsgCmdWltFile, 0, 0);
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Handed.zqw");
    EXPECT_EQ(Tree(), (std::vector<Node>{{u"Generic Password", {{u"Handed item", {}}}}}));
}

TEST_F(WalletView, RemovingTheSelectedItemRewritesTheFile) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    g_Wlt.items.Append(FilledItem(8, u"Keep"));
    g_Wlt.items.Append(FilledItem(8, u"Drop"));
    FillWalletTree();
    HWND tree = g_ViewWnds.walletTree;
    auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    auto first = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(group)));
    ASSERT_EQ(NodeText(tree, first), u"Drop");

    // A group node is no item: nothing is removed and "New" would preselect its type.
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(group));
    DeleteWalletItem();
    EXPECT_EQ(g_Wlt.items.Size(), 2);
    GetSelGroupName();
    EXPECT_EQ(g_Wlt.selGroupName, u"Generic Password");

    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
    platform::testing::AnswerMessageBox(IDYES);
    DeleteWalletItem();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].name, u"Keep");
    g_Wlt.items.RemoveAll();
    g_Wlt.locked = 1;
    ReadWalletFile();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].name, u"Keep");
}

// The removal used to be silent when the file could not be written: the user believed it saved.
TEST_F(WalletView, AChangeThatCannotBeSavedIsToldAndKeptInMemory) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    device_.WriteFile(wallettest::kWalletPath, "the old wallet");
    WltItem tooLong = FilledItem(8, u"Keep");
    tooLong.fields[1].value = std::u16string(70000, u'v');  // more than a string of the file can hold
    g_Wlt.items.Append(tooLong);
    g_Wlt.items.Append(FilledItem(8, u"Drop"));
    FillWalletTree();
    HWND tree = g_ViewWnds.walletTree;
    auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    auto first = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(group)));
    ASSERT_EQ(NodeText(tree, first), u"Drop");
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
    platform::testing::AnswerMessageBox(IDYES);
    DeleteWalletItem();
    EXPECT_EQ(CountBoxes(kWltNotSavedText), 1);
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].name, u"Keep");
    EXPECT_EQ(device_.ReadFile(wallettest::kWalletPath), "the old wallet");
}

// The move may fail (a file of that name exists): the wallet must keep pointing at its own file,
// or the next save would overwrite the other one.
TEST_F(WalletView, RenameOntoAnExistingFileKeepsBothFiles) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    SetWltFolder();
    ASSERT_TRUE(WriteWalletFile());
    device_.WriteFile(u"\\My Documents\\Other.zqw", "other");
    testsupport::AnswerPrompt(kPromptAccepted, u"  Other  ");
    RenameWalletFile();
    EXPECT_EQ(g_Wlt.path, wallettest::kWalletPath);
    EXPECT_EQ(device_.ReadFile(u"\\My Documents\\Other.zqw"), "other");

    testsupport::AnswerPrompt(kPromptAccepted, u"  Renamed ");
    RenameWalletFile();
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Renamed.zqw");
    EXPECT_TRUE(device_.FileExists(u"\\My Documents\\Renamed.zqw"));
    EXPECT_FALSE(device_.FileExists(wallettest::kWalletPath));
}

TEST_F(WalletView, ScreenshotOfTheWalletView) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    g_Wlt.items.Append(FilledItem(0, u"Savings"));
    g_Wlt.items.Append(FilledItem(3, u"Visa"));
    g_Wlt.items.Append(FilledItem(3, u"Amex"));
    g_Wlt.items.Append(FilledItem(13, u"Forum"));
    FillWalletTree();
    ShowWalletView();
    HWND tree = g_ViewWnds.walletTree;
    for (auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); group;
         group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(group))))
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
    EXPECT_EQ(ViewId, kViewWallet);
    EXPECT_TRUE(IsWindowVisible(tree));
    platform::testing::PumpUntilIdle();
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "wallet_view.png";
    EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace

namespace {

using wallettest::FilledItem;

void PressDialogButton(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0); }

// The form-style dialogs: LISTEDIT off.
class WalletDialogs : public WalletView {
protected:
    WalletDialogs() { g_Settings.listEdit = 0; }
    ~WalletDialogs() override { g_Settings = AppSettings(); }
};

TEST_F(WalletDialogs, ChangePasswordWithSecureFileClearedRewritesThePlainFile) {
    g_Wlt.items.Append(FilledItem(8, u"Router"));
    g_Wlt.secured = 1;
    g_Wlt.password = u"old";
    g_Wlt.locked = 0;
    ASSERT_TRUE(WriteWalletFile());
    platform::testing::ActInsideDialog([](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_WLT_SECURE, BM_SETCHECK, 0, 0);
        PressDialogButton(dialog, IDM_DLG_DONE);
    });
    ChangeWalletPassword();
    EXPECT_EQ(g_Wlt.secured, 0);
    EXPECT_TRUE(g_Wlt.password.empty());
    EXPECT_EQ(CheckWltFileHeader(), 0);
    EXPECT_NE(device_.ReadFile(wallettest::kWalletPath).find("Router"), std::string::npos);
}

TEST_F(WalletDialogs, ChangePasswordWithNothingChangedWritesNothing) {
    g_Wlt.secured = 1;
    g_Wlt.password = u"same";
    g_Wlt.locked = 0;
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_WLT_PASSWORD, u"same");
        SetDlgItemTextW(dialog, IDC_WLT_CONFIRM, u"same");
        PressDialogButton(dialog, IDM_DLG_DONE);
    });
    ChangeWalletPassword();
    EXPECT_FALSE(device_.FileExists(wallettest::kWalletPath));
}

TEST_F(WalletDialogs, NewItemIsNamedThenFilledAndWritten) {
    g_Wlt.secured = 0;
    g_Wlt.locked = 0;
    FillWalletTree();
    platform::testing::ActInsideDialog([](HWND itemDlg) {
        SetDlgItemTextW(itemDlg, IDC_WLT_ITEM_NAME, u"Office door");
        SendDlgItemMessageW(itemDlg, IDC_WLT_TYPE, CB_SETCURSEL, 11, 0);  // "Lock Combination"
        SendMessageW(itemDlg, WM_COMMAND, MAKEWPARAM(IDC_WLT_TYPE, CBN_SELCHANGE), 0);
        platform::testing::ActInsideDialog([](HWND fieldsDlg) {
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(fieldsDlg, IDC_WLT_FIRST_EDIT)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(fieldsDlg, IDC_WLT_FIRST_EDIT + 1)));
            SetDlgItemTextW(fieldsDlg, IDC_WLT_FIRST_EDIT, u"12-34-56");
            PressDialogButton(fieldsDlg, IDM_DLG_DONE);
        });
        PressDialogButton(itemDlg, IDM_DLG_DONE);
    });
    NewWltItem();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    const WltItem& item = g_Wlt.items[0];
    EXPECT_EQ(item.name, u"Office door");
    EXPECT_EQ(item.type, u"Lock Combination");
    EXPECT_EQ(item.icon, 17);
    EXPECT_EQ(item.fields[0].value, u"12-34-56");
    EXPECT_EQ(Tree(), (std::vector<Node>{{u"Lock Combination", {{u"Office door", {}}}}}));
    g_Wlt.items.RemoveAll();
    g_Wlt.locked = 1;
    ReadWalletFile();
    ASSERT_EQ(g_Wlt.items.Size(), 1);
    EXPECT_EQ(g_Wlt.items[0].fields[0].value, u"12-34-56");
}

TEST_F(WalletDialogs, LockClosesTheItemDialogAsCancelled) {
    platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0});
    g_Wlt.secured = 1;
    g_Wlt.password = u"pw";
    g_Wlt.locked = 0;
    TouchWltActivity();
    platform::testing::ActInsideDialog([](HWND itemDlg) {
        SetDlgItemTextW(itemDlg, IDC_WLT_ITEM_NAME, u"Never saved");
        platform::testing::AdvanceClock(6 * kMsPerMinute);
        CheckWalletAutoLock();
    });
    NewWltItem();
    platform::testing::ThawClock();
    EXPECT_EQ(g_Wlt.locked, 1);
    EXPECT_TRUE(g_Wlt.items.IsEmpty());
    EXPECT_FALSE(device_.FileExists(wallettest::kWalletPath));
    const auto shown = platform::testing::DialogsShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].result, kWltDlgCancel);
}

}  // namespace

namespace {

using wallettest::FilledItem;

class WalletDetail : public WalletView {};

TEST_F(WalletDetail, GeneratorShowsItsPasswordAndTheNoticeBeforeOk) {
    g_WltSettings.genDigitsOnly = 1;
    g_WltSettings.genLength = 6;
    platform::testing::ActInsideDialog([](HWND dialog) {
        PressDialogButton(dialog, IDM_DLG_DONE);  // nothing made yet: stays open
        PressDialogButton(dialog, IDC_WLT_NEW_PASSWORD);
        WCHAR shown[32] = {};
        GetDlgItemTextW(dialog, IDC_WLT_GENERATED, shown, 32);
        EXPECT_EQ(std::u16string(shown), g_GeneratedPassword);
        PressDialogButton(dialog, IDM_DLG_DONE);
    });
    EXPECT_TRUE(RunGeneratePasswordDlg(host_));
    ASSERT_EQ(g_GeneratedPassword.size(), 6u);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(u"'" + g_GeneratedPassword + u"'"), std::u16string::npos);
    EXPECT_EQ(boxes[0].caption, u"Z Agenda");
}

TEST_F(WalletDetail, SecretValuesAreMaskedUnlessMaskingIsOff) {
    struct Case {
        LONG kind, maskOn, noMask;
        bool masked;
    };
    const Case cases[] = {
        {kWltKindSecret, 1, 0, true}, {kWltKindSecret, 0, 0, false}, {kWltKindSecret, 1, 1, false},
        {kWltKindText, 1, 0, false},  {kWltKindDigits, 1, 0, false},
    };
    for (const Case& c : cases) {
        WltEntry field;
        field.kind = c.kind;
        g_Wlt.maskOn = c.maskOn;
        g_WltSettings.noMask = c.noMask;
        EXPECT_EQ(WltValueIsMasked(field), c.masked) << c.kind << c.maskOn << c.noMask;
    }
    g_Wlt.maskOn = 1;
    g_WltSettings.noMask = 0;
    EXPECT_TRUE(WalletCommand(host_, IDM_UNMASK));
    EXPECT_EQ(g_Wlt.maskOn, 0);
    EXPECT_FALSE(WalletCommand(host_, IDM_EXIT));
}

// The header line: the item's category icons 20 pixels right of its own icon while category icons
// are on, an unknown category taking no room; all on the theme's background.
TEST_F(WalletDetail, HeaderShowsTheCategoryIconsOnTheThemeBackground) {
    constexpr COLORREF kBack = RGB(10, 20, 30);
    const ThemeWords theme{{kThemeBackground, static_cast<LONG>(kBack)}};
    const CatArray savedCats = g_CatList;
    const LONG savedShowCat = g_Settings.showCat;
    CreateAllImageLists();
    g_CatList.RemoveAll();
    CatRecord bank;
    bank.name = u"Bank";
    bank.icon = 5;
    g_CatList.Append(bank);
    WltItem item = FilledItem(0, u"Card");
    item.icon = 0;  // no picture of its own, so only category icons can land on the line
    item.categories = u"Golf, Bank";
    g_Wlt.items.Append(item);
    g_Wlt.selection = 0;
    const RECT area{0, 0, 240, 320};
    DrawSurface surface(240, 320);
    const auto paintedOnIconLine = [&](LONG showCat) {
        g_Settings.showCat = showCat;
        DrawWalletItem(surface.dc(), area, 0);
        int count = 0;
        for (int y = 4; y < 16; ++y)
            for (int x = 24; x < 36; ++x) count += surface.Pixel(x, y) != kBack;
        return count;
    };
    EXPECT_GT(paintedOnIconLine(1), 0) << "Bank's icon right after the item's own place";
    EXPECT_EQ(paintedOnIconLine(0), 0) << "no category icons while they are switched off";
    EXPECT_EQ(surface.Pixel(239, 319), kBack);
    DestroyAllImageLists();
    g_CatList = savedCats;
    g_Settings.showCat = savedShowCat;
}

LRESULT CALLBACK DetailHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    RECT area{};
    GetClientRect(window, &area);
    DrawWalletItem(dc, area, 0);
    EndPaint(window, &ps);
    return 0;
}

// The labels were cut to two fifths of the width ("Phone Num...") while the values left room: the
// label column takes what the widest label needs, up to half the width.
TEST_F(WalletDetail, LabelsAreDrawnWholeWhenThereIsRoom) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DetailHostProc;
    wc.hInstance = g_Main.instance;
    wc.lpszClassName = u"WltDetailLabelsHost";
    RegisterClassW(&wc);
    WltItem item = FilledItem(0, u"Bank");
    for (int i = 0; i < item.fields.Size(); ++i) item.fields[i].value = u"12";
    g_Wlt.items.Append(item);
    g_Wlt.selection = 0;
    g_Wlt.locked = 0;
    g_Wlt.maskOn = 0;
    platform::testing::DrawRecord record;
    HWND detail = CreateWindowExW(0, u"WltDetailLabelsHost", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                  g_Main.instance, nullptr);
    platform::testing::PumpUntilIdle();
    for (int i = 0; i < item.fields.Size(); ++i) {
        const std::u16string& label = item.fields[i].label;
        EXPECT_TRUE(record.ScreenShows(label)) << platform::ToUtf8(label);
    }
    for (const auto& text : record.ScreenTexts()) EXPECT_EQ(text.text.find_first_of(u".\u2026"), std::u16string::npos) << platform::ToUtf8(text.text);
    DestroyWindow(detail);
}

TEST_F(WalletDetail, ScreenshotOfTheDetailView) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DetailHostProc;
    wc.hInstance = g_Main.instance;
    wc.lpszClassName = u"WltDetailTestHost";
    RegisterClassW(&wc);
    WltItem item = FilledItem(0, u"Savings at the corner bank");
    item.icon = 18;
    g_Wlt.items.Append(item);
    g_Wlt.selection = 0;
    g_Wlt.locked = 0;
    HWND detail = CreateWindowExW(0, u"WltDetailTestHost", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                  g_Main.instance, nullptr);
    platform::testing::PumpUntilIdle();
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "wallet_item_view.png";
    EXPECT_TRUE(platform::testing::SaveScreenshot(file));
    DestroyWindow(detail);
}

}  // namespace

namespace {

class WalletNewFile : public WalletView {};

TEST_F(WalletNewFile, NewWalletTakesTheTrimmedNameButNeverAnExistingFile) {
    g_Wlt.path = u"\\My Documents\\Old.zqw";
    SetWltFolder();
    device_.WriteFile(u"\\My Documents\\Taken.zqw", "someone's wallet");
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_WLT_FILE_NAME, u"Taken");
        SetDlgItemTextW(dialog, IDC_WLT_PASSWORD, u"pw");
        SetDlgItemTextW(dialog, IDC_WLT_CONFIRM, u"pw");
        PressDialogButton(dialog, IDM_DLG_DONE);  // refused: the dialog stays
        SetDlgItemTextW(dialog, IDC_WLT_FILE_NAME, u"  Second ");
        PressDialogButton(dialog, IDM_DLG_DONE);
    });
    NewWalletFile();
    EXPECT_EQ(CountBoxes(kWltFileExistsText), 1);
    EXPECT_EQ(device_.ReadFile(u"\\My Documents\\Taken.zqw"), "someone's wallet");
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Second.zqw");
    EXPECT_EQ(g_Wlt.secured, 1);
    EXPECT_EQ(g_Wlt.password, u"pw");
    EXPECT_EQ(g_Wlt.locked, 0);
    for (const LONG number : g_Wlt.reserved) EXPECT_EQ(number, -1);
    EXPECT_EQ(Tree(), (std::vector<Node>{{kWltNoItemsText, {}}}));
}

TEST_F(WalletNewFile, APasswordLongerThanTheKeyIsSetOnlyAfterTheUserIsTold) {
    g_Wlt.path = u"\\My Documents\\Old.zqw";
    SetWltFolder();
    const std::u16string longPassword(60, u'k');
    platform::testing::AnswerMessageBox(IDNO);
    platform::testing::AnswerMessageBox(IDYES);
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_WLT_FILE_NAME, u"Long");
        SetDlgItemTextW(dialog, IDC_WLT_PASSWORD, longPassword.c_str());
        SetDlgItemTextW(dialog, IDC_WLT_CONFIRM, longPassword.c_str());
        PressDialogButton(dialog, IDM_DLG_DONE);  // No: the dialog stays for another password
        EXPECT_TRUE(platform::testing::DialogIsOpen(dialog));
        PressDialogButton(dialog, IDM_DLG_DONE);
    });
    NewWalletFile();
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find(u"Only the first 56 bytes"), std::u16string::npos);
    EXPECT_EQ(g_Wlt.path, u"\\My Documents\\Long.zqw");
    EXPECT_EQ(g_Wlt.password, longPassword);
}

}  // namespace

namespace {

class WalletLayouts : public WalletView {};

TEST_F(WalletLayouts, LandscapeQvgaScreensGetTheTwoColumnLayout) {
    struct Case {
        int width, height;
        bool landscapeLayout;
    };
    const Case cases[] = {{240, 320, false}, {320, 240, true}, {640, 480, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        platform::testing::ClearDialogs();
        platform::testing::ActInsideDialog([](HWND dialog) { PressDialogButton(dialog, IDM_DLG_CANCEL); });
        EXPECT_FALSE(RunWalletFileDlg(WltFileDlgMode::New));
        const auto shown = platform::testing::DialogsShown();
        ASSERT_EQ(shown.size(), 1u);
        const auto& ids = shown[0].controls;
        const auto folder = std::find(ids.begin(), ids.end(), IDC_WLT_FOLDER);
        const auto password = std::find(ids.begin(), ids.end(), IDC_WLT_PASSWORD);
        ASSERT_TRUE(folder != ids.end() && password != ids.end());
        EXPECT_EQ(folder < password, c.landscapeLayout);
    }
}

}  // namespace
