// The controls on the device screen: painted through WM_PAINT with their erase, and driven by the
// stylus and keys as the device delivers them.
#include <filesystem>

#include "commctrl_fixture.h"
#include "platform/gdi.h"
#include "platform/shell.h"  // its tool-bar words repeat ours and must agree
#include "platform/testing_display.h"

namespace {

constexpr COLORREF kSelection = RGB(0, 84, 166);
constexpr const WCHAR* kScreenParentClass = u"QvScreenControlParent";

// The controls' parent: it paints (and so erases) its own background, so nothing older shows through.
LRESULT CALLBACK ScreenParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps{};
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return qvtest::ParentProc(hwnd, message, wParam, lParam);
}

class ScreenControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ScreenParentProc;
        wc.lpszClassName = kScreenParentClass;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        InitCommonControls();
        qvtest::Parent() = qvtest::ParentLog{};
        main_ = CreateWindowExW(0, kScreenParentClass, u"Controls", WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(main_);
        platform::testing::PumpUntilIdle();
        qvtest::Parent() = qvtest::ParentLog{};
    }
    HWND Child(const WCHAR* cls, DWORD style, int x, int y, int w, int h, int id) {
        return CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, main_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    static POINT OnScreen(HWND hwnd, int x, int y) {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return p;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HWND main_ = nullptr;
};

TEST_F(ScreenControlTest, StylusAndKeysOnTheScreenMoveTheListSelectionAndItShows) {
    const HWND list = Child(WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | WS_VSCROLL, 0, 0, 200, 120, 201);
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = 180;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    for (int i = 0; i < 12; ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<LPWSTR>(u"Contact");
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    const HWND tree = Child(WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0, 124, 200, 60, 202);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = const_cast<LPWSTR>(u"Wallet");
    const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    ins.hParent = root;
    ins.item.pszText = const_cast<LPWSTR>(u"Bank");
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    Child(DATETIMEPICK_CLASSW, DTS_SHOWNONE, 0, 188, 140, 20, 203);
    platform::testing::PumpUntilIdle();

    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    const int h = row.bottom - row.top;
    const POINT tap = OnScreen(list, 20, (row.top + row.bottom) / 2);
    platform::testing::Tap(tap.x, tap.y);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0), 3);
    ASSERT_FALSE(qvtest::Parent().Of(NM_CLICK).empty());
    EXPECT_EQ(qvtest::Parent().Of(NM_CLICK).back().item, 3);

    platform::testing::Key(VK_DOWN);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0), 4);
    const POINT selected = OnScreen(list, 170, row.top + h + h / 2);
    const POINT previous = OnScreen(list, 170, row.top + h / 2);
    EXPECT_EQ(platform::testing::ReadScreenPixel(selected.x, selected.y), kSelection);
    EXPECT_EQ(platform::testing::ReadScreenPixel(previous.x, previous.y), RGB(255, 255, 255));
    EXPECT_TRUE(platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "commctrl_screen.png"));
}

}  // namespace
