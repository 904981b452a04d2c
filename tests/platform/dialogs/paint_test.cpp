// What the user sees of a dialog: the form with every kind of control painted on the device screen,
// checked where the pixels matter, and written as pictures under the build folder.
#include <filesystem>

#include "dialog_fixture.h"
#include "platform/gdi.h"
#include "platform/testing_gdi.h"

namespace dlgtest {
namespace {

const std::filesystem::path kShots = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "dialogs";

// The colour of the selected row of a list (the device's highlight).
constexpr COLORREF kHighlight = RGB(0, 82, 156);

RECT ScreenRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Writes what the screen shows of a window (its frame included) as a PNG.
bool SaveWindowShot(HWND hwnd, const std::string& name) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    std::filesystem::create_directories(kShots);
    const bool saved = platform::testing::SaveBitmapAsPng(bitmap, kShots / (name + ".png"));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

// How many pixels of a screen rectangle have the colour (or, with `notWhite`, any colour but white).
int CountPixels(const RECT& r, COLORREF colour, bool notWhite = false) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = platform::testing::ScreenPixel(x, y);
            if (notWhite ? c != RGB(255, 255, 255) : c == colour) ++n;
        }
    return n;
}

INT_PTR FillForm(HWND dialog, WPARAM, LPARAM) {
    for (const char16_t* text : {u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"})
        SendDlgItemMessageW(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char16_t* text : {u"Home", u"Work", u"Travel"})
        SendDlgItemMessageW(dialog, IDC_MULTI, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char16_t* text : {u"Low", u"Normal", u"High"})
        SendDlgItemMessageW(dialog, IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char16_t* text : {u"Once", u"Daily", u"Weekly"})
        SendDlgItemMessageW(dialog, IDC_SPIN_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageW(dialog, IDC_COMBO, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageW(dialog, IDC_SPIN_LIST, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, IDC_MULTI, LB_SETSEL, TRUE, 1);
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETRANGE32, 0, 99);
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETPOS32, 0, 7);
    SetDlgItemTextW(dialog, IDC_NOTES, u"Notes wrap onto more lines when they are longer than the edit is wide.");
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 20, 40, 0};
    SetScrollInfo(GetDlgItem(dialog, IDC_SCROLL), SB_CTL, &info, TRUE);
    return TRUE;
}

TEST_F(DialogTest, TheFormShowsEveryControlKind) {
    script_.on[WM_INITDIALOG] = FillForm;
    int selectedRowPixels = 0, unselectedRowPixels = 0, checkInk = 0, uncheckedInk = 0, nameInk = 0, emptyInk = 0;
    bool saved = true;
    Steps({[&](HWND dialog) {
               TypeText(GetFocus(), u"Hello");
               SendDlgItemMessageW(dialog, IDC_LIST, LB_SETCURSEL, 2, 0);
               CheckDlgButton(dialog, IDC_PRIVATE, BST_CHECKED);
               CheckDlgButton(dialog, IDC_ONE, BST_CHECKED);
           },
           [&](HWND dialog) {
               platform::testing::PumpMessages();
               const HWND list = GetDlgItem(dialog, IDC_LIST);
               RECT row{};
               SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
               MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&row), 2);
               selectedRowPixels = CountPixels(row, kHighlight);
               OffsetRect(&row, 0, row.bottom - row.top);
               unselectedRowPixels = CountPixels(row, kHighlight);
               RECT box = ScreenRectOf(GetDlgItem(dialog, IDC_PRIVATE));
               box.right = box.left + (box.bottom - box.top);
               checkInk = CountPixels(box, 0, true);
               RECT other = ScreenRectOf(GetDlgItem(dialog, IDC_TWO));
               other.right = other.left + (other.bottom - other.top);
               uncheckedInk = CountPixels(other, 0, true);
               nameInk = CountPixels(ScreenRectOf(GetDlgItem(dialog, IDC_NAME)), 0, true);
               SetDlgItemTextW(dialog, IDC_NAME, u"");
               platform::testing::PumpMessages();
               emptyInk = CountPixels(ScreenRectOf(GetDlgItem(dialog, IDC_NAME)), 0, true);
               SetDlgItemTextW(dialog, IDC_NAME, u"Hello");
               platform::testing::PumpMessages();
               std::filesystem::create_directories(kShots);
               saved = platform::testing::SaveScreenAsPng(kShots / "form.png");
               const std::pair<int, const char*> kinds[] = {
                   {IDC_NAME_LABEL, "static"},   {IDC_NAME, "edit"},        {IDC_PRIVATE, "check_box"},
                   {IDC_ONE, "radio_button"},    {IDC_LIST, "list_box"},    {IDC_MULTI, "list_box_multiple"},
                   {IDC_COMBO, "combo_box"},     {IDC_COUNT_SPIN, "up_down"}, {IDC_NOTES, "edit_multi_line"},
                   {IDC_SCROLL, "scroll_bar"},   {IDOK, "push_button"},
               };
               for (const auto& [id, name] : kinds) saved = SaveWindowShot(GetDlgItem(dialog, id), name) && saved;
               EndDialog(dialog, IDOK);
           }});
    EXPECT_EQ(Run(IDD_FORM), IDOK);
    EXPECT_TRUE(saved);
    EXPECT_GT(selectedRowPixels, 0);
    EXPECT_EQ(unselectedRowPixels, 0);
    // The tick and the dot add ink that an unchecked box does not have.
    EXPECT_GT(checkInk, uncheckedInk);
    // Typed text shows (the caret alone is a thin bar).
    EXPECT_GT(nameInk, emptyInk + 20);
}

// An owner-drawn button and list ask their parent to draw them with the right records.
TEST_F(DialogTest, OwnerDrawnControlsAskTheirParentToMeasureAndDraw) {
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    script_.on[WM_MEASUREITEM] = [&](HWND, WPARAM, LPARAM lParam) -> INT_PTR {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->itemHeight = 22;
        measured.push_back(*m);
        return TRUE;
    };
    script_.on[WM_DRAWITEM] = [&](HWND, WPARAM, LPARAM lParam) -> INT_PTR {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        drawn.push_back(*d);
        FillRect(d->hDC, &d->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return TRUE;
    };
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        for (LPARAM data : {11, 12, 13}) SendDlgItemMessageW(dialog, IDC_DRAWN_LIST, LB_ADDSTRING, 0, data);
        SendDlgItemMessageW(dialog, IDC_DRAWN_LIST, LB_SETCURSEL, 1, 0);
        return TRUE;
    };
    Steps({[&](HWND dialog) {
        platform::testing::PumpMessages();
        SaveWindowShot(dialog, "owner_drawn");
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_OWNERDRAW);
    ASSERT_EQ(measured.size(), 1u);  // a fixed-height list is measured once, when it is made
    EXPECT_EQ(measured[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(measured[0].CtlID, static_cast<UINT>(IDC_DRAWN_LIST));
    const auto row = std::find_if(drawn.begin(), drawn.end(), [](const DRAWITEMSTRUCT& d) {
        return d.CtlType == ODT_LISTBOX && d.itemID == 1;
    });
    ASSERT_NE(row, drawn.end());
    EXPECT_EQ(row->itemData, 12u);
    EXPECT_TRUE(row->itemState & ODS_SELECTED);
    EXPECT_EQ(row->rcItem.top, 22);
    EXPECT_EQ(row->rcItem.bottom, 44);
    EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const DRAWITEMSTRUCT& d) {
        return d.CtlType == ODT_BUTTON && d.CtlID == static_cast<UINT>(IDC_DRAWN);
    }));
}

}  // namespace
}  // namespace dlgtest

namespace dlgtest {
namespace {

// A static that names a bitmap in the template loads and shows it; the program that replaces it takes
// the old one (and frees it), and nothing the dialog made outlives it.
TEST_F(DialogTest, AStaticLoadsTheBitmapItsTemplateNamesAndNothingLeaks) {
    const std::size_t before = platform::testing::LiveGdiObjectCount();
    COLORREF middle = 0, frame = 0, corner = 0;
    HANDLE loaded = nullptr;
    HBITMAP again = nullptr;
    Steps({[&](HWND dialog) {
        platform::testing::PumpMessages();
        const RECT r = ScreenRectOf(GetDlgItem(dialog, IDC_PICTURE));
        middle = platform::testing::ScreenPixel(r.left + 7, r.top + 7);
        frame = platform::testing::ScreenPixel(r.left + 4, r.top + 4);
        corner = platform::testing::ScreenPixel(r.left, r.top);
        loaded = reinterpret_cast<HANDLE>(SendDlgItemMessageW(dialog, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
        // As a relayout does: load it again, set it, free the one it had.
        again = LoadBitmapW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDB_PICTURE));
        const auto previous = reinterpret_cast<HBITMAP>(
            SendDlgItemMessageW(dialog, IDC_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(again)));
        EXPECT_EQ(previous, loaded);
        EXPECT_TRUE(DeleteObject(previous));
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_FORM);
    EXPECT_NE(loaded, nullptr);
    EXPECT_EQ(middle, RGB(255, 255, 255));
    EXPECT_EQ(frame, RGB(20, 90, 200));
    EXPECT_EQ(corner, RGB(255, 255, 255));  // the picture's magenta lets the dialog show through
    // The bitmap set by the program stays the program's: it alone is left.
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(again));
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before);
}

}  // namespace
}  // namespace dlgtest
