// What the controls show on the device screen where it matters: a password edit shows one '*' for
// every character, and a selected list row is in the highlight colours only while selected.
#include "control_fixture.h"
#include "platform/gdi.h"
#include "platform/testing_gdi.h"

namespace ctltest {
namespace {

class ControlPaintTest : public ControlTest {
protected:
    // The pixels of a window's client area, row by row.
    static std::vector<COLORREF> Pixels(HWND hwnd) {
        RECT r{};
        GetClientRect(hwnd, &r);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        std::vector<COLORREF> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) out.push_back(platform::testing::ScreenPixel(x, y));
        return out;
    }
};

TEST_F(ControlPaintTest, APasswordEditShowsAStarForEveryCharacter) {
    const HWND secret = Make(WC_EDITW, ES_PASSWORD, 1, u"", {10, 10, 110, 30});
    const HWND stars = Make(WC_EDITW, 0, 2, u"", {10, 40, 110, 60});
    const HWND plain = Make(WC_EDITW, 0, 3, u"", {10, 70, 110, 90});
    SendMessageW(secret, EM_SETPASSWORDCHAR, u'*', 0);
    Type(secret, u"abc");
    Type(stars, u"***");
    Type(plain, u"abc");
    platform::testing::PumpMessages();
    EXPECT_EQ(TextOf(secret), u"abc");
    EXPECT_EQ(Pixels(secret), Pixels(stars));
    EXPECT_NE(Pixels(secret), Pixels(plain));
}

TEST_F(ControlPaintTest, OnlyTheSelectedRowIsInTheHighlightColour) {
    const HWND list = Make(WC_LISTBOXW, 0, 5, u"", {10, 10, 110, 110});
    for (const char16_t* text : {u"one", u"two", u"three"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    const auto highlighted = [&](int row) {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        POINT pt{r.right - 3, r.top + 1};
        ClientToScreen(list, &pt);
        return platform::testing::ScreenPixel(pt.x, pt.y) == RGB(0, 82, 156);
    };
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    platform::testing::PumpMessages();
    EXPECT_FALSE(highlighted(0));
    EXPECT_TRUE(highlighted(1));
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    platform::testing::PumpMessages();
    EXPECT_FALSE(highlighted(1));
    EXPECT_TRUE(highlighted(2));
}

// A hidden list (as a combo box keeps its list) draws nothing, not even its scroll bar.
TEST_F(ControlPaintTest, AHiddenListDrawsNoScrollBar) {
    const HWND list = CreateWindowExW(0, WC_LISTBOXW, nullptr, WS_CHILD | WS_VSCROLL | WS_BORDER, 100, 100, 60, 60, parent_,
                                      reinterpret_cast<HMENU>(9), nullptr, nullptr);
    for (int i = 0; i < 50; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"row"));
    platform::testing::PumpMessages();
    for (int y = 100; y < 160; ++y)
        for (int x = 100; x < 160; ++x) ASSERT_EQ(platform::testing::ScreenPixel(x, y), RGB(255, 255, 255)) << x << "," << y;
}


LRESULT CALLBACK CoverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd, &paint);
    RECT r{};
    GetClientRect(hwnd, &r);
    const HBRUSH brush = CreateSolidBrush(RGB(200, 40, 40));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &paint);
    return 0;
}

// A window opened over a bordered list keeps its pixels when the list below repaints: the list's
// frame is not drawn over it.
TEST_F(ControlPaintTest, AWindowAboveABorderedListKeepsItsPixelsWhenTheListRepaints) {
    const HWND list = Make(WC_LISTBOXW, WS_BORDER | LBS_NOINTEGRALHEIGHT, 7, u"", {20, 20, 120, 80});
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"row"));
    WNDCLASSW wc{};
    wc.lpfnWndProc = CoverProc;
    wc.lpszClassName = u"QvControlCover";
    RegisterClassW(&wc);
    const HWND cover = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 200, nullptr, nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(cover, nullptr);
    platform::testing::PumpMessages();
    RECT frame{};
    GetWindowRect(list, &frame);
    const COLORREF covered = RGB(200, 40, 40);
    ASSERT_EQ(platform::testing::ScreenPixel(frame.left, frame.top + 10), covered);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    EXPECT_EQ(platform::testing::ScreenPixel(frame.left, frame.top + 10), covered);
    EXPECT_EQ(platform::testing::ScreenPixel(frame.left + 10, frame.top), covered);
    DestroyWindow(cover);
}

}  // namespace
}  // namespace ctltest
