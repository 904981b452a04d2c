// What the controls draw: owner-drawn rows through the parent, the selection colour, image lists
// with their masks, drag images, tool bar pictures from the resources, and one picture of each
// control kind written under the build folder.
#include <cstring>
#include <filesystem>

#include "commctrl_fixture.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/testing_commctrl.h"
#include "platform/testing_gdi.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

namespace {

using platform::testing::ControlPixel;
using platform::testing::LiveImageLists;
using platform::testing::SaveControlPicture;
using qvtest::ControlTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSelection = RGB(0, 84, 166);

HBITMAP ColourBitmap(int w, int h) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// A memory DC with a white bitmap of its own, for drawing tests.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas(int w, int h) : bitmap(ColourBitmap(w, h)), old(SelectObject(dc, bitmap)) {
        RECT rc{0, 0, w, h};
        const HBRUSH white = CreateSolidBrush(kWhite);
        FillRect(dc, &rc, white);
        DeleteObject(white);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

// A strip of square images: image n is `colours[n]` with its right half magenta.
HBITMAP Strip(int side, std::initializer_list<COLORREF> colours) {
    Canvas c(side * static_cast<int>(colours.size()), side);
    int n = 0;
    for (const COLORREF colour : colours) {
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) SetPixel(c.dc, n * side + x, y, x < side / 2 ? colour : kMagenta);
        ++n;
    }
    SelectObject(c.dc, c.old);
    const HBITMAP out = c.bitmap;
    c.bitmap = ColourBitmap(1, 1);  // the canvas frees this one instead
    c.old = SelectObject(c.dc, c.bitmap);
    return out;
}

HIMAGELIST ColourList(int side) {
    const HIMAGELIST list = ImageList_Create(side, side, ILC_MASK | ILC_COLOR32, 4, 4);
    const HBITMAP strip = Strip(side, {kRed, kBlue, RGB(0, 160, 0), RGB(230, 160, 0)});
    ImageList_AddMasked(list, strip, kMagenta);
    DeleteObject(strip);
    return list;
}

std::filesystem::path Picture(const char* name) { return std::filesystem::path(QV_TEST_OUTPUT_DIR) / name; }

int AddRow(HWND lv, int index, const WCHAR* text, int image = 0) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<LPWSTR>(text);
    item.iImage = image;
    item.lParam = 1000 + index;
    return static_cast<int>(SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void AddColumn(HWND lv, int index, int width, const WCHAR* title) {
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = width;
    col.pszText = const_cast<LPWSTR>(title);
    SendMessageW(lv, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}

TEST_F(ControlTest, OwnerDrawnListAsksItsParentToDrawEachShownRow) {
    Log().measuredHeight = 20;
    const HWND lv = Make(WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 200, 100);
    AddColumn(lv, 0, 200, u"");
    for (int i = 0; i < 10; ++i) AddRow(lv, i, u"row");
    SetFocus(lv);
    SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);  // row 1
    Log().draws.clear();
    ControlPixel(lv, 0, 0);
    ASSERT_EQ(Log().draws.size(), 5u);
    for (UINT i = 0; i < 5; ++i) {
        const DRAWITEMSTRUCT& d = Log().draws[i];
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_LISTVIEW));
        EXPECT_EQ(d.CtlID, 100u);
        EXPECT_EQ(d.itemID, i);
        EXPECT_EQ(d.itemData, 1000u + i);
        EXPECT_EQ(d.hwndItem, lv);
        EXPECT_NE(d.hDC, nullptr);
        EXPECT_EQ(d.rcItem.top, static_cast<LONG>(i * 20));
        EXPECT_EQ(d.rcItem.bottom - d.rcItem.top, 20);
        EXPECT_EQ((d.itemState & ODS_SELECTED) != 0, i == 1) << i;
    }
    EXPECT_TRUE(Log().draws[1].itemState & ODS_FOCUS);
    SendMessageW(lv, LVM_SCROLL, 0, 3 * 20);
    Log().draws.clear();
    ControlPixel(lv, 0, 0);
    ASSERT_FALSE(Log().draws.empty());
    EXPECT_EQ(Log().draws.front().itemID, 3u);
    EXPECT_EQ(Log().draws.front().rcItem.top, 0);
}

TEST_F(ControlTest, SelectedRowIsPaintedInTheSelectionColour) {
    const HWND lv = Make(WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, 200, 100);
    AddColumn(lv, 0, 180, u"");
    for (int i = 0; i < 4; ++i) AddRow(lv, i, u"row");
    SetFocus(lv);
    SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);  // row 0
    RECT second{};
    second.left = LVIR_BOUNDS;
    SendMessageW(lv, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const int h = second.bottom - second.top;
    EXPECT_EQ(ControlPixel(lv, 170, h / 2), kSelection);
    EXPECT_EQ(ControlPixel(lv, 170, h + h / 2), kWhite);
    EXPECT_EQ(ControlPixel(lv, 195, h / 2), kWhite);  // beyond the column
    SendMessageW(lv, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(ControlPixel(lv, 170, h / 2), kWhite);
    EXPECT_EQ(ControlPixel(lv, 170, h + h / 2), kSelection);
}

TEST_F(ControlTest, ImageListsDrawTheirPicturesThroughTheMask) {
    const std::size_t before = LiveImageLists();
    const HIMAGELIST list = ColourList(8);
    ASSERT_EQ(ImageList_GetImageCount(list), 4);
    Canvas canvas(40, 10);
    EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc, 10, 1, ILD_NORMAL));
    EXPECT_EQ(GetPixel(canvas.dc, 10, 1), kBlue);
    EXPECT_EQ(GetPixel(canvas.dc, 13, 8), kBlue);
    EXPECT_EQ(GetPixel(canvas.dc, 14, 1), kWhite);  // the magenta half lets the ground through
    EXPECT_EQ(GetPixel(canvas.dc, 9, 1), kWhite);   // nothing outside the image
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc, 20, 0, ILD_MASK));
    EXPECT_EQ(GetPixel(canvas.dc, 20, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(canvas.dc, 27, 0), kWhite);
    EXPECT_FALSE(ImageList_Draw(list, 4, canvas.dc, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, -1, canvas.dc, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, ILD_NORMAL));

    // A bitmap narrower than one image adds nothing.
    const HBITMAP narrow = Strip(4, {kRed});
    EXPECT_EQ(ImageList_AddMasked(list, narrow, kMagenta), -1);
    DeleteObject(narrow);
    const HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(ImageList_AddIcon(list, icon), 4);
    DestroyIcon(icon);
    Canvas again(10, 10);
    ImageList_Draw(list, 4, again.dc, 0, 0, ILD_NORMAL);
    EXPECT_EQ(GetPixel(again.dc, 0, 0), kRed);
    EXPECT_EQ(GetPixel(again.dc, 7, 0), kWhite);
    ImageList_Destroy(list);
    EXPECT_EQ(LiveImageLists(), before);
}

TEST_F(ControlTest, TreeDragImageFollowsTheStylusAndIsFreedAfterwards) {
    const std::size_t before = LiveImageLists();
    const HWND tv = Make(WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES, 200, 120);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = const_cast<LPWSTR>(u"dragged");
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    const auto image = reinterpret_cast<HIMAGELIST>(SendMessageW(tv, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item)));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(image), 1);
    EXPECT_TRUE(ImageList_BeginDrag(image, 0, 0, 0));
    EXPECT_TRUE(ImageList_DragEnter(tv, 10, 10));
    EXPECT_TRUE(ImageList_DragMove(30, 40));
    POINT at{};
    EXPECT_NE(ImageList_GetDragImage(&at, nullptr), nullptr);
    EXPECT_EQ(at.x, 30);
    EXPECT_TRUE(ImageList_DragLeave(tv));
    ImageList_EndDrag();
    EXPECT_EQ(ImageList_GetDragImage(nullptr, nullptr), nullptr);
    EXPECT_FALSE(ImageList_DragMove(1, 1));
    ImageList_Destroy(image);
    EXPECT_EQ(LiveImageLists(), before);
}

TEST_F(ControlTest, ToolbarTakesItsPicturesFromTheProgramsBitmap) {
    ASSERT_TRUE(RegisterQuorviaResources());
    const std::size_t before = LiveImageLists();
    TBBUTTON buttons[2] = {};
    for (int i = 0; i < 2; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = 500 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
    }
    const HWND bar = CreateToolbarEx(parent_, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 43002, 2, GetModuleHandleW(nullptr),
                                     IDB_SCROLL_ARROWS, buttons, 2, 16, 16, 9, 5, sizeof(TBBUTTON));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0));
    EXPECT_EQ(ImageList_GetImageCount(images), 2);
    EXPECT_TRUE(SaveControlPicture(bar, Picture("commctrl_toolbar.png")));
    DestroyWindow(bar);
    EXPECT_EQ(LiveImageLists(), before);  // the bar's own list goes with it
}

TEST_F(ControlTest, PictureOfEachControlKindIsWritten) {
    const HIMAGELIST small = ColourList(12), large = ColourList(32), treeImages = ColourList(12);

    const HWND report = Make(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 230, 120, 101);
    SendMessageW(report, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
    SendMessageW(report, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(report, 0, 130, u"Subject");
    AddColumn(report, 1, 90, u"Due");
    const WCHAR* subjects[] = {u"Call the dentist", u"Quarterly report", u"Buy flowers", u"Renew passport"};
    for (int i = 0; i < 4; ++i) {
        AddRow(report, i, subjects[i], i);
        LVITEMW sub{};
        sub.iSubItem = 1;
        sub.pszText = const_cast<LPWSTR>(u"3/14/2026");
        SendMessageW(report, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&sub));
    }
    LVITEMW sel{};
    sel.state = sel.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(report, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&sel));

    const HWND icons = Make(WC_LISTVIEWW, LVS_ICON, 230, 160, 102);
    SendMessageW(icons, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large));
    for (int i = 0; i < 6; ++i) AddRow(icons, i, subjects[i % 4], i % 4);

    const HWND tree = Make(WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 230, 160, 103);
    SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(treeImages));
    auto insert = [&](HTREEITEM parent, const WCHAR* text, int image) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        ins.item.pszText = const_cast<LPWSTR>(text);
        ins.item.iImage = ins.item.iSelectedImage = image;
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    };
    const HTREEITEM projects = insert(TVI_ROOT, u"Projects", 0);
    const HTREEITEM home = insert(projects, u"Home", 1);
    insert(home, u"Paint the fence", 2);
    const HTREEITEM task = insert(home, u"Fix the tap", 3);
    insert(projects, u"Work", 1);
    insert(TVI_ROOT, u"Outlook", 0);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(task));

    const HWND date = Make(DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT | DTS_SHOWNONE, 140, 22, 104);
    const HWND time = Make(DATETIMEPICK_CLASSW, DTS_TIMEFORMAT, 140, 22, 105);
    SYSTEMTIME st{2026, 3, 0, 14, 15, 30, 0, 0};
    SendMessageW(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    SendMessageW(time, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    SetFocus(date);

    struct Shot {
        HWND control;
        const char* file;
    };
    const Shot shots[] = {{report, "commctrl_list_report.png"}, {icons, "commctrl_list_icons.png"},
                          {tree, "commctrl_tree.png"},          {date, "commctrl_date_picker.png"},
                          {time, "commctrl_time_picker.png"}};
    for (const Shot& s : shots) {
        EXPECT_TRUE(SaveControlPicture(s.control, Picture(s.file))) << s.file;
        EXPECT_TRUE(std::filesystem::exists(Picture(s.file))) << s.file;
    }
    // The tree's selected node shows in the selection colour even without the focus.
    RECT label{};
    std::memcpy(&label, &task, sizeof task);  // the node travels in the rectangle
    SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label));
    EXPECT_NE(ControlPixel(tree, label.right - 1, (label.top + label.bottom) / 2), kWhite);
    EXPECT_EQ(ControlPixel(tree, label.right + 4, (label.top + label.bottom) / 2), kWhite);

    for (const HWND h : {report, icons, tree}) DestroyWindow(h);
    for (const HIMAGELIST l : {small, large, treeImages}) ImageList_Destroy(l);
}

}  // namespace
