// A parent may destroy a control from inside one of its notifications: the control stops there
// without touching what it freed (AddressSanitizer checks the memory).
#include "commctrl_fixture.h"

namespace {

using qvtest::ControlTest;

struct Case {
    const char* what;
    const WCHAR* cls;
    DWORD style;
    UINT code;  // the notification whose answer destroys the control
    std::function<void(HWND)> fill;
    std::function<void(HWND)> act;
};

void TwoRows(HWND lv) {
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = 100;
    SendMessageW(lv, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    for (int i = 0; i < 2; ++i) {
        LVITEMW item{};
        item.iItem = i;
        SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void TwoNodes(HWND tv) {
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = const_cast<LPWSTR>(u"node");
    SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
    SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
}

TEST_F(ControlTest, ControlDestroyedByItsParentInsideANotificationStopsCleanly) {
    const DWORD report = LVS_REPORT | LVS_SINGLESEL;
    const Case cases[] = {
        {"list key", WC_LISTVIEWW, report, LVN_KEYDOWN, TwoRows, [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0); }},
        {"list state", WC_LISTVIEWW, report, LVN_ITEMCHANGING, TwoRows, [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0); }},
        {"list focus", WC_LISTVIEWW, report, NM_SETFOCUS, TwoRows, [](HWND h) { SendMessageW(h, WM_LBUTTONDOWN, 1, MAKELPARAM(5, 5)); }},
        {"list double tap", WC_LISTVIEWW, report, NM_DBLCLK, TwoRows, [](HWND h) { SendMessageW(h, WM_LBUTTONDBLCLK, 1, MAKELPARAM(5, 5)); }},
        {"list delete all", WC_LISTVIEWW, report, LVN_DELETEITEM, TwoRows, [](HWND h) { SendMessageW(h, LVM_DELETEALLITEMS, 0, 0); }},
        {"tree key", WC_TREEVIEWW, 0, TVN_KEYDOWN, TwoNodes, [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0); }},
        {"tree selection", WC_TREEVIEWW, 0, TVN_SELCHANGINGW, TwoNodes, [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0); }},
        {"tree delete", WC_TREEVIEWW, 0, TVN_DELETEITEMW, TwoNodes, [](HWND h) { SendMessageW(h, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }},
        {"date change", DATETIMEPICK_CLASSW, DTS_SHOWNONE, DTN_DATETIMECHANGE, [](HWND) {}, [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_UP, 0); }},
    };
    for (const Case& c : cases) {
        const HWND control = Make(c.cls, c.style);
        ASSERT_NE(control, nullptr) << c.what;
        c.fill(control);
        Log().answers[c.code] = [](const NMHDR* hdr) -> LRESULT {
            DestroyWindow(hdr->hwndFrom);
            return 0;
        };
        c.act(control);
        Log().answers.clear();
        EXPECT_FALSE(IsWindow(control)) << c.what;
    }
}

}  // namespace
