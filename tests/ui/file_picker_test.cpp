// The file picker on a device with a small folder of files: what each mode lists, preselection and
// the path handed back, folders chosen only in folder mode, folders read afresh on opening, and the
// picker over a preselected path that is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "frame/main_window.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"

namespace {

using Names = std::set<std::u16string>;
namespace pt = platform::testing;

class FilePicker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    FilePicker() {
        g_Main.instance = GetModuleHandleW(nullptr);
        for (const char16_t* name : {u"notes.txt", u"readme.TXT", u"page.html", u"page.htm", u"photo.jpg", u"pim.vol",
                                     u"a.VOL", u"data.bin", u"wallet.zqw", u".hidden.txt"})
            device_.WriteFile(Path(name), "x");
        for (const char16_t* name : {u"Empty", u".Hidden", u"Sys"}) CreateDirectoryW(Path(name).c_str(), nullptr);
        g_FilePicker.chosenPath.clear();
        pt::ClearDialogs();
        pt::ClearMessageBoxes();
        g_OpenDlgs = OpenDlgStack{};
    }
    ~FilePicker() override {
        pt::ClearDialogs();
        pt::ClearMessageBoxes();
        EXPECT_EQ(g_OpenDlgs.top, -1);  // every way out leaves the open-dialog stack
    }
    static bool BoxShown(std::u16string_view text) {
        for (const auto& box : pt::MessageBoxesShown())
            if (box.text == text) return true;
        return false;
    }

    static std::u16string Path(std::u16string_view name) { return u"\\My Documents\\" + std::u16string(name); }

    static HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
    static std::u16string Text(HWND tree, HTREEITEM item) {
        WCHAR text[260] = {};
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = 260;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        return text;
    }
    static int ChildFlag(HWND tree, HTREEITEM item) {
        TVITEMW tv{};
        tv.mask = TVIF_CHILDREN;
        tv.hItem = item;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        return tv.cChildren;
    }
    static HTREEITEM Child(HWND tree, HTREEITEM parent, std::u16string_view name) {
        for (HTREEITEM c = Next(tree, parent, TVGN_CHILD); c; c = Next(tree, c, TVGN_NEXT))
            if (Text(tree, c) == name) return c;
        return nullptr;
    }
    static Names Children(HWND tree, HTREEITEM parent) {
        Names names;
        for (HTREEITEM c = Next(tree, parent, TVGN_CHILD); c; c = Next(tree, c, TVGN_NEXT)) names.insert(Text(tree, c));
        return names;
    }
    // Opens a folder as the user does, with the key that expands the selected item.
    static void OpenByKey(HWND tree, HTREEITEM item, UINT key) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        SendMessageW(tree, WM_KEYDOWN, key, 0);
    }
    static HTREEITEM MyDocuments(HWND tree) {
        const HTREEITEM root = Next(tree, nullptr, TVGN_ROOT);
        return Child(tree, root, u"My Documents");
    }
    static HWND Tree(HWND dialog) { return GetDlgItem(dialog, IDC_FILE_TREE); }
    void WriteFileFor(std::u16string_view name) const { device_.WriteFile(Path(name), "x"); }

    pt::TestDevice device_;
};

TEST_F(FilePicker, EachModeListsItsFiles) {
    // Names starting with a dot are hidden on the device: neither the file nor the folder shows.
    const Names folders{u"Empty", u"Sys"};
    struct Case {
        LONG mode;
        Names files;
    } const cases[] = {
        {kPickTextFile, {u"notes.txt", u"readme.TXT", u"page.html", u"page.htm"}},
        {kPickWalletFile, {u"wallet.zqw"}},
        {kPickFolder, {}},
        {kPickImageFile, {u"photo.jpg"}},
        {kPickAnyFile,
         {u"notes.txt", u"readme.TXT", u"page.html", u"page.htm", u"photo.jpg", u"data.bin", u"wallet.zqw"}},
        {42, {}},
    };
    for (const Case& c : cases) {
        Names listed;
        pt::ActInsideDialog([&](HWND dialog) {
            const HWND tree = Tree(dialog);
            const HTREEITEM docs = MyDocuments(tree);
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(docs));
            listed = Children(tree, docs);
            SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
        });
        EXPECT_FALSE(ShowFilePickerDlg(nullptr, c.mode));
        Names expected = folders;
        expected.insert(c.files.begin(), c.files.end());
        EXPECT_EQ(listed, expected) << "mode " << c.mode;
    }
}

TEST_F(FilePicker, PreselectedFileIsSelectedAndHandedBack) {
    g_FilePicker.chosenPath = u"\\my documents\\NOTES.txt";
    std::u16string selected;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND tree = Tree(dialog);
        selected = Text(tree, Next(tree, nullptr, TVGN_CARET));
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
    });
    EXPECT_TRUE(ShowFilePickerDlg(nullptr, kPickTextFile));
    EXPECT_EQ(selected, u"notes.txt");
    EXPECT_EQ(g_FilePicker.chosenPath, u"\\My Documents\\notes.txt");
}

TEST_F(FilePicker, FolderModeChoosesFolderAndEnterOnlyOpensIt) {
    g_FilePicker.chosenPath = Path(u"Sys");
    bool stillOpen = false;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND tree = Tree(dialog);
        SendMessageW(tree, WM_KEYDOWN, VK_RETURN, 0);
        stillOpen = pt::DialogIsOpen(dialog);
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
    });
    EXPECT_TRUE(ShowFilePickerDlg(nullptr, kPickFolder));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(g_FilePicker.chosenPath, u"\\My Documents\\Sys");
}

TEST_F(FilePicker, FolderOutsideFolderModeIsNoChoice) {
    g_FilePicker.chosenPath = Path(u"Empty");
    bool stillOpen = false;
    pt::ActInsideDialog([&](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
        stillOpen = pt::DialogIsOpen(dialog);
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(ShowFilePickerDlg(nullptr, kPickTextFile));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(BoxShown(u"Invalid File.  Please Select a Correct File."));
    EXPECT_TRUE(g_FilePicker.chosenPath.empty());
}

TEST_F(FilePicker, FoldersAreReadWhenOpenedAndForgottenWhenClosed) {
    bool emptyHadButton = false;
    int emptyAfterOpen = -1;
    Names before;
    Names after;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND tree = Tree(dialog);
        const HTREEITEM docs = MyDocuments(tree);
        OpenByKey(tree, docs, VK_ADD);
        const HTREEITEM empty = Child(tree, docs, u"Empty");
        emptyHadButton = ChildFlag(tree, empty) == 1;
        OpenByKey(tree, empty, VK_ADD);
        emptyAfterOpen = ChildFlag(tree, empty);
        before = Children(tree, docs);
        OpenByKey(tree, docs, VK_SUBTRACT);
        EXPECT_EQ(Next(tree, docs, TVGN_CHILD), nullptr);
        WriteFileFor(u"later.txt");
        OpenByKey(tree, docs, VK_ADD);
        after = Children(tree, docs);
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    ShowFilePickerDlg(nullptr, kPickTextFile);
    EXPECT_TRUE(emptyHadButton);
    EXPECT_EQ(emptyAfterOpen, 0);
    EXPECT_EQ(before.count(u"later.txt"), 0u);
    EXPECT_EQ(after.count(u"later.txt"), 1u);
}

// A saved folder that no longer exists failed the set-up: the tree was destroyed and the setting
// could never be changed. The picker opens on the nearest folder that is there.
TEST_F(FilePicker, AVanishedFolderOpensOnTheNearestOneThatIsThere) {
    g_FilePicker.chosenPath = u"\\My Documents\\Gone\\Deeper\\notes.txt";
    std::u16string selected;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND tree = Tree(dialog);
        selected = Text(tree, Next(tree, nullptr, TVGN_CARET));
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(ShowFilePickerDlg(nullptr, kPickTextFile));
    EXPECT_FALSE(BoxShown(u"Initializing Directory Tree View Failed."));
    EXPECT_EQ(selected, u"My Documents");
    EXPECT_EQ(g_FilePicker.initialising, 0);
}

TEST_F(FilePicker, Screenshot) {
    pt::TestScreen screen;
    g_FilePicker.chosenPath = Path(u"page.html");
    pt::ActInsideDialog([&](HWND dialog) {
        pt::PumpUntilIdle();
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "ui_file_picker.png";
        EXPECT_TRUE(pt::SaveScreenshot(out));
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    ShowFilePickerDlg(nullptr, kPickTextFile);
}

}  // namespace
