// A dialog from the test script with common controls beside standard ones, driven by keys and the
// stylus inside its modal loop: list selection, owner-drawn rows, a tree, the "no date" state, an
// edit, a check box, and the code the dialog ends with.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "../../fixtures/commctrl/commctrl_ids.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "tests/platform/resources/res_fixture.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"

namespace {

constexpr UINT kRowHeight = 18;
constexpr int kRows = 8;

// The compiled tests/fixtures/commctrl/commctrl.rc, registered for a made-up module.
class FixtureModule : public restest::Module {
public:
    FixtureModule() : restest::Module(Handle(), restest::CompiledFile(QV_TEST_OUTPUT_DIR "/commctrl/commctrl.res")) {}
    static HINSTANCE Handle() { return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7c20000)); }
};

// What the dialog procedure saw.
struct Seen {
    std::vector<MEASUREITEMSTRUCT> measures;
    std::vector<UINT> drawnRows;
    std::vector<UINT> codes;
    HTREEITEM selectedNode = nullptr;
    HTREEITEM folder = nullptr;
};

Seen* g_seen = nullptr;

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const WCHAR* text, int children) {
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = TVI_SORT;
    ins.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    ins.item.pszText = const_cast<LPWSTR>(text);
    ins.item.cChildren = children;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
}

void FillControls(HWND dialog) {
    const HWND rows = GetDlgItem(dialog, IDC_ROWS);
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = 200;
    SendMessageW(rows, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    for (int i = 0; i < kRows; ++i) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        item.lParam = -9;  // the row's kind, as the program's lists keep it
        SendMessageW(rows, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    const HWND tree = GetDlgItem(dialog, IDC_TREE);
    g_seen->folder = AddNode(tree, TVI_ROOT, u"Projects", 1);
    SendDlgItemMessageW(dialog, IDC_WHEN, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

INT_PTR CALLBACK CommonDlgProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: FillControls(dialog); return TRUE;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        g_seen->measures.push_back(*mis);
        mis->itemHeight = kRowHeight;
        return TRUE;
    }
    case WM_DRAWITEM: g_seen->drawnRows.push_back(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->itemID); return TRUE;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        g_seen->codes.push_back(hdr->code);
        if (hdr->code == TVN_ITEMEXPANDINGW) {
            const auto* nm = reinterpret_cast<const NMTREEVIEWW*>(lParam);
            if (nm->action == TVE_EXPAND && !SendMessageW(hdr->hwndFrom, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(nm->itemNew.hItem)))
                for (const WCHAR* t : {u"Work", u"Home"}) AddNode(hdr->hwndFrom, nm->itemNew.hItem, t, 0);
        }
        if (hdr->code == TVN_SELCHANGEDW) g_seen->selectedNode = reinterpret_cast<const NMTREEVIEWW*>(lParam)->itemNew.hItem;
        return FALSE;
    }
    default: return FALSE;
    }
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam = 0) { PostMessageW(target, message, wParam, lParam); }

TEST(CommonDialogTest, ControlsInADialogFromTheScriptAreDrivenByKeysAndTheStylus) {
    platform::testing::TestDevice device;
    FixtureModule module;
    ASSERT_TRUE(module.Registered());
    InitCommonControls();
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = u"QvCommonDialogOwner";
    RegisterClassW(&wc);
    const HWND owner = CreateWindowExW(0, wc.lpszClassName, u"Owner", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    Seen seen;
    g_seen = &seen;

    int markAfterKeys = -2, markAfterTap = -2, dateBefore = -2, dateAfter = -2;
    std::u16string note;
    bool checked = false;
    HTREEITEM firstChild = nullptr;
    using Step = std::function<void(HWND)>;
    const Step steps[] = {
        [&](HWND dialog) {
            const HWND rows = GetDlgItem(dialog, IDC_ROWS);
            SetFocus(rows);
            for (int i = 0; i < 3; ++i) Post(rows, WM_KEYDOWN, VK_DOWN);
        },
        [&](HWND dialog) {
            const HWND rows = GetDlgItem(dialog, IDC_ROWS);
            markAfterKeys = static_cast<int>(SendMessageW(rows, LVM_GETSELECTIONMARK, 0, 0));
            const int y = 1 * static_cast<int>(kRowHeight) + static_cast<int>(kRowHeight) / 2;
            Post(rows, WM_LBUTTONDOWN, 1, MAKELPARAM(10, y));
            Post(rows, WM_LBUTTONUP, 0, MAKELPARAM(10, y));
        },
        [&](HWND dialog) {
            markAfterTap = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ROWS, LVM_GETSELECTIONMARK, 0, 0));
            seen.drawnRows.clear();
            InvalidateRect(GetDlgItem(dialog, IDC_ROWS), nullptr, TRUE);
            UpdateWindow(dialog);
            const HWND tree = GetDlgItem(dialog, IDC_TREE);
            SetFocus(tree);
            Post(tree, WM_KEYDOWN, VK_HOME);
            Post(tree, WM_KEYDOWN, VK_RIGHT);  // opens the folder, which the dialog fills
            Post(tree, WM_KEYDOWN, VK_DOWN);
        },
        [&](HWND dialog) {
            firstChild = reinterpret_cast<HTREEITEM>(
                SendDlgItemMessageW(dialog, IDC_TREE, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(seen.folder)));
            const HWND when = GetDlgItem(dialog, IDC_WHEN);
            SYSTEMTIME st{};
            dateBefore = static_cast<int>(SendMessageW(when, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
            SetFocus(when);
            Post(when, WM_KEYDOWN, VK_SPACE);
            const HWND edit = GetDlgItem(dialog, IDC_NOTE);
            SetFocus(edit);
            for (const WCHAR c : std::u16string(u"Call back")) Post(edit, WM_CHAR, c);
            SendDlgItemMessageW(dialog, IDC_DONE, BM_CLICK, 0, 0);
        },
        [&](HWND dialog) {
            SYSTEMTIME st{};
            dateAfter = static_cast<int>(SendDlgItemMessageW(dialog, IDC_WHEN, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
            WCHAR text[64] = {};
            GetDlgItemTextW(dialog, IDC_NOTE, text, 64);
            note = text;
            checked = IsDlgButtonChecked(dialog, IDC_DONE) == BST_CHECKED;
            EndDialog(dialog, 4242);
        },
    };
    for (const Step& s : steps) platform::testing::ActInsideDialog(s);
    const INT_PTR result = DialogBoxParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDD_COMMON), owner, CommonDlgProc, 0);
    g_seen = nullptr;
    DestroyWindow(owner);

    EXPECT_EQ(result, 4242);
    EXPECT_EQ(markAfterKeys, 2);  // three Downs from nothing: rows 0, 1, 2
    EXPECT_EQ(markAfterTap, 1);
    ASSERT_FALSE(seen.measures.empty());
    EXPECT_EQ(seen.measures[0].CtlType, static_cast<UINT>(ODT_LISTVIEW));
    EXPECT_EQ(seen.measures[0].CtlID, static_cast<UINT>(IDC_ROWS));
    ASSERT_FALSE(seen.drawnRows.empty());
    EXPECT_EQ(seen.drawnRows.front(), 0u);
    ASSERT_NE(firstChild, nullptr);
    EXPECT_EQ(seen.selectedNode, firstChild);  // "Home", sorted before "Work"
    EXPECT_NE(std::find(seen.codes.begin(), seen.codes.end(), TVN_ITEMEXPANDEDW), seen.codes.end());
    EXPECT_NE(std::find(seen.codes.begin(), seen.codes.end(), NM_CLICK), seen.codes.end());
    EXPECT_EQ(dateBefore, GDT_NONE);
    EXPECT_EQ(dateAfter, GDT_VALID);
    EXPECT_EQ(note, u"Call back");
    EXPECT_TRUE(checked);
}

}  // namespace
