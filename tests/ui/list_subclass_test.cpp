// The subclassed lists: the notices of an empty contacts or search list drawn where and as the
// screen asks, the check strip of the item lists by screen class, captions skipped by the dialog
// lists' keys, Enter and double-taps handed to the parent, and the project tree's drag.
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/res_string.h"
#include "frame/main_window.h"
#include "list_fixture.h"
#include "platform/device.h"
#include "projects/tree_drag.h"
#include "resources/resource.h"
#include "ui/gdi_scope.h"
#include "ui/list_subclass.h"
#include "ui/theme_colors.h"

namespace {

constexpr COLORREF kBackground = 0xF0E8E0;
constexpr COLORREF kText = 0x202080;
// Taller than any view area of the screens used, so the whole notice lands in the picture.
constexpr int kTall = 320;

class ListSubclass : public ListFixture {
protected:
    ListSubclass() {
        g_Theme.words.fill(0);
        SetThemeWord(kThemeBackground, static_cast<LONG>(kBackground));
        SetThemeWord(kThemeTextColor, static_cast<LONG>(kText));
        CreateThemeFonts();
    }
    ~ListSubclass() override {
        g_ListNotices = ListNotices{};
        DeleteThemeFonts();
    }
    void SetScreen(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
    }
};

// A memory picture of the list's size: erased by the list, or drawn by the test.
class Picture {
public:
    Picture(int width, int height) : screen_(GetDC(nullptr)), dc_(screen_), width_(width), height_(height) {
        bitmap_.Reset(CreateCompatibleBitmap(screen_, width, height));
        select_.emplace(dc_.Get(), bitmap_.Get());
    }
    ~Picture() {
        select_.reset();
        ReleaseDC(nullptr, screen_);
    }
    HDC dc() const { return dc_.Get(); }
    bool SameAs(const Picture& other) const {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (GetPixel(dc(), x, y) != GetPixel(other.dc(), x, y)) return false;
        return true;
    }
    int CountColour(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += (GetPixel(dc(), x, y) & 0xFFFFFF) == colour;
        return n;
    }

private:
    HDC screen_;
    MemoryDC dc_;
    OwnedBitmap bitmap_;
    std::optional<SelectScope> select_;
    int width_, height_;
};

// What the notice should look like: the background and the lines centred at their tops.
void DrawExpected(HDC dc, const RECT& area, const std::vector<std::pair<UINT, int>>& lines) {
    const OwnedBrush brush(CreateSolidBrush(kBackground));
    FillRect(dc, &area, brush.Get());
    const SelectScope font(dc, g_Main.themeFonts[kFontNormal]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    for (const auto& [id, top] : lines) {
        const std::u16string text = LoadResString(id);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        const int y = top >= 0 ? top : area.bottom + top - size.cy;
        ExtTextOutW(dc, area.right / 2 - size.cx / 2, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                    nullptr);
    }
}

int TextHeight(HDC dc, UINT id) {
    const SelectScope font(dc, g_Main.themeFonts[kFontNormal]);
    const std::u16string text = LoadResString(id);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

TEST_F(ListSubclass, EmptyContactsListNoticeFollowsTheScreen) {
    g_Settings.abcTb = 1;
    g_ListNotices.emptyList = 1;
    struct Case {
        int width, height;
        UINT first;
    };
    const Case cases[] = {{240, 320, IDS_PRESS_HASH_FOR_ALL}, {320, 240, IDS_PRESS_SPACE_FOR_ALL}};
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const HWND list = MakeList({}, kTall);
        g_ViewWnds.contactsList = list;
        RECT area{};
        GetViewClientRect(list, area);
        Picture erased(kListWidth, kTall), expected(kListWidth, kTall);
        EraseListBkgnd(erased.dc(), list);
        RECT notice = area;
        notice.bottom -= GetBarHeight();  // the alphabet bar's room
        DrawExpected(expected.dc(), area, {});
        DrawExpected(expected.dc(), notice, {{c.first, -5}});
        EXPECT_TRUE(erased.SameAs(expected)) << c.width << "x" << c.height;
        EXPECT_LT(erased.CountColour(kBackground), kListWidth * kTall);
        DestroyWindow(list);
    }
}

TEST_F(ListSubclass, SearchResultListShowsNoMatchInItsCentre) {
    g_ListNotices.emptyList = 1;
    const HWND list = MakeList({}, kTall);
    SetWindowLongPtrW(list, GWL_ID, kIdSearchResultList);
    RECT area{};
    GetViewClientRect(list, area);
    Picture erased(kListWidth, kTall), expected(kListWidth, kTall);
    EraseListBkgnd(erased.dc(), list);
    const int noMatchTop = area.bottom / 2 - TextHeight(expected.dc(), IDS_NO_MATCH) / 2;
    DrawExpected(expected.dc(), area, {{IDS_PRESS_ZERO_FOR_ALL, -5}, {IDS_NO_MATCH, noMatchTop}});
    EXPECT_TRUE(erased.SameAs(expected));
    EXPECT_LT(erased.CountColour(kBackground), kListWidth * kTall);

    // Another list with the flag set shows only the background.
    g_ViewWnds.contactsList = nullptr;
    const HWND other = MakeList({}, kTall);
    Picture plain(kListWidth, kTall);
    EraseListBkgnd(plain.dc(), other);
    RECT otherArea{};
    GetViewClientRect(other, otherArea);
    EXPECT_EQ(plain.CountColour(kBackground), kListWidth * otherArea.bottom);
}

TEST_F(ListSubclass, CheckStripActivatesRowsOnlyWithinItsWidth) {
    struct Case {
        int width, height;
        bool enter;
    };
    // 30 pixels into the row: inside the 48-pixel strip of VGA, outside the 24 of QVGA.
    const Case cases[] = {{480, 640, true}, {240, 320, false}};
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const HWND list = MakeList({0, 0, 0});
        ASSERT_EQ(SubclassItemList(list, CheckStrip::kYes), S_OK);
        g_ParentKeys().clear();
        const RECT row = RowRect(list, 1);
        const LPARAM at = MAKELPARAM(30, row.top + 2);
        SendMessageW(list, WM_LBUTTONDOWN, 1, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
        EXPECT_EQ(Selected(list), 1) << c.width;
        EXPECT_EQ(!g_ParentKeys().empty() && g_ParentKeys().back() == VK_RETURN, c.enter) << c.width;
        DestroyWindow(list);
    }
}

TEST_F(ListSubclass, DialogListKeysSkipCaptionsAndDoubleTapsReachTheParent) {
    const HWND list = MakeList({kCaptionRowData, 0, kCaptionRowData, 0});
    ASSERT_EQ(SubclassListKeys(list), S_OK);
    Select(list, 1);
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Selected(list), 3);
    SendMessageW(list, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Selected(list), 1);
    g_ParentKeys().clear();
    const RECT row = RowRect(list, 3);
    SendMessageW(list, WM_LBUTTONDBLCLK, 1, MAKELPARAM(20, row.top + 2));
    ASSERT_EQ(g_ParentKeys().size(), 1u);
    EXPECT_EQ(g_ParentKeys()[0], static_cast<WPARAM>(VK_RETURN));
    MSG pending{list, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    SendMessageW(list, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&pending));
    EXPECT_EQ(g_ParentKeys().size(), 2u);
}

TEST_F(ListSubclass, TreeDragStartsOnlyTwoLevelsBelowARoot) {
    const HWND tree = CreateWindowExW(0, WC_TREEVIEW, u"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 0, 240, 200,
                                      parent_, nullptr, nullptr, nullptr);
    const auto insert = [tree](HTREEITEM parent, const WCHAR* text) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        ins.item.pszText = const_cast<LPWSTR>(text);
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    };
    const HTREEITEM root = insert(TVI_ROOT, u"Projects");
    const HTREEITEM project = insert(root, u"Garden");
    const HTREEITEM item = insert(project, u"Buy seeds");
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(project));
    const auto rowOf = [tree](HTREEITEM it) {
        RECT r{};
        std::memcpy(&r, &it, sizeof it);
        SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
        return POINT{r.left + 2, (r.top + r.bottom) / 2};
    };
    TreeDragBegin(tree, rowOf(project));  // one level below the root: stays put
    EXPECT_NE(GetCapture(), tree);
    TreeDragBegin(tree, rowOf(item));
    EXPECT_EQ(GetCapture(), tree);
    EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), reinterpret_cast<LRESULT>(item));
    TreeDragMove(tree, rowOf(project));
    TreeDragEnd(tree, rowOf(project));  // onto its own project: nothing moves
    EXPECT_NE(GetCapture(), tree);
    EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0), 0);
}

}  // namespace
