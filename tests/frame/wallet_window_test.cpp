// The wallet view after the project view was shown: stylus taps on the wallet tree's +/- box and
// on its items reach the wallet tree, and the project tree stays out of sight.
#include <cstring>
#include <gtest/gtest.h>

#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/testing_display.h"
#include "program_fixture.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"
#include "ui/view_windows.h"
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

}  // namespace
