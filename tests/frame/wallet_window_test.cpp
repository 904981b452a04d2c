// The wallet view after the project view was shown: stylus taps on the wallet tree's +/- box and
// on its items reach the wallet tree, and the project tree stays out of sight; Edit on a wallet item.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/cur_item.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/testing_dialogs.h"
#include "platform/shell.h"
#include "platform/testing_display.h"
#include "program_fixture.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/view_windows.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"

namespace {

namespace pt = platform::testing;

class WalletWindow : public frametest::ProgramTest {};

// The screen point of the first spot on the node's row that the tree's hit test names as `part`.
bool FindPart(HWND tree, HTREEITEM node, UINT part, POINT& out) {
    RECT row{};
    std::memcpy(&row, &node, sizeof node);  // the message takes the item in the rectangle
    if (!SendMessageW(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row))) return false;
    for (int x = row.left; x < row.right; ++x) {
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, (row.top + row.bottom) / 2};
        SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem != node || !(hit.flags & part)) continue;
        out = hit.pt;
        ClientToScreen(tree, &out);
        return true;
    }
    return false;
}

bool Expanded(HWND tree, HTREEITEM node) {
    return (SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

TEST_F(WalletWindow, TapsAfterTheProjectViewReachTheWalletTree) {
    // A fresh wallet, whatever the tests before this one opened in this process.
    g_Wlt = WltState();
    g_WltSettings = WltSettings();
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    Command(IDM_VIEW_PROJECTS);
    ASSERT_EQ(ViewId, kViewProjects);
    ASSERT_NE(g_PrjTree.wnd, nullptr);
    Command(IDM_VIEW_MONTH);
    EXPECT_FALSE(IsWindowVisible(g_PrjTree.wnd)) << "the month view hides the project tree";
    Command(IDM_VIEW_WALLET);
    ASSERT_EQ(ViewId, kViewWallet);
    const HWND tree = g_ViewWnds.walletTree;
    ASSERT_NE(tree, nullptr);
    const auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ASSERT_NE(group, nullptr) << "a fresh wallet has its template groups";

    POINT box{};
    ASSERT_TRUE(FindPart(tree, group, TVHT_ONITEMBUTTON, box));
    EXPECT_EQ(WindowFromPoint(box), tree);
    pt::Tap(box.x, box.y);
    pt::PumpUntilIdle();
    EXPECT_TRUE(Expanded(tree, group)) << "the +/- box opened the wallet group";
    EXPECT_FALSE(IsWindowVisible(g_PrjTree.wnd));

    POINT label{};
    ASSERT_TRUE(FindPart(tree, group, TVHT_ONITEMLABEL, label));
    pt::Tap(label.x, label.y);
    pt::PumpUntilIdle();
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)), group);
    EXPECT_EQ(ViewId, kViewWallet);
    EXPECT_FALSE(IsWindowVisible(g_PrjTree.wnd));
}

// Edit acted only when a task, contact or appointment happened to be selected: the wallet sets no
// such selection, so neither the item view's "Edit" nor Menu > Current > Edit Item opened anything.
TEST_F(WalletWindow, EditOpensTheWalletItemWithNoOtherItemSelected) {
    WriteRouterWallet();
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    Command(IDM_VIEW_WALLET);
    ASSERT_EQ(ViewId, kViewWallet);
    ASSERT_EQ(g_CurItem.oid, kNoOid) << "no task, contact or appointment is selected";
    const HWND tree = g_ViewWnds.walletTree;
    const auto group = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ASSERT_NE(group, nullptr);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
    HTREEITEM router = nullptr;
    for (HTREEITEM g = group; g && !router; g = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(g)))) {
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(g));
        router = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(g)));
    }
    ASSERT_NE(router, nullptr);
    POINT label{};
    ASSERT_TRUE(FindPart(tree, router, TVHT_ONITEMLABEL, label));
    pt::Tap(label.x, label.y);
    pt::PumpUntilIdle();

    // Menu > Current > Edit Item in the wallet view.
    pt::AnswerDialog(kDlgCancel);
    pt::Key(VK_TSOFT2);
    pt::ActInsideModalLoop([] {
        pt::Key(VK_DOWN);  // "New Item"
        pt::Key(VK_DOWN);  // "Current"
        pt::Key(VK_RIGHT);
        pt::Key(VK_RETURN);  // its first entry, "Edit Item"
    });
    pt::PumpUntilIdle();
    const std::size_t afterMenu = pt::DialogsShown().size();
    EXPECT_EQ(afterMenu, 1u) << "Menu > Current > Edit Item opened the item's fields";

    // The item view's "Edit" soft key.
    pt::Tap(label.x, label.y);
    pt::PumpUntilIdle();
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewWalletItem);
    pt::AnswerDialog(kDlgCancel);
    pt::Key(VK_TSOFT1);
    pt::PumpUntilIdle();
    EXPECT_EQ(pt::DialogsShown().size(), afterMenu + 1) << "the item view's Edit opened the item's fields";
}

}  // namespace
