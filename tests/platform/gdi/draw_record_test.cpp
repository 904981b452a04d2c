// The draw record: texts and pictures noted where they land on the screen, carried there from an
// off-screen buffer by a blit, forgotten when painted over; the log of everything drawn.
#include <vector>

#include "gdi_fixture.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_draw.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

using namespace gdi_test;

namespace {

void TextOutW(HDC dc, int x, int y, const WCHAR* text, int count) {
    ExtTextOutW(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

constexpr const WCHAR* kClass = u"QvDrawRecordWindow";

LRESULT CALLBACK GreetingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    // Painted off-screen first, as the views do, then shown.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 100, 40);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    PatBlt(buffer, 0, 0, 100, 40, WHITENESS);
    TextOutW(buffer, 4, 2, u"Dentist", 7);
    TextOutW(buffer, 4, 200, u"Below the buffer", 16);
    BitBlt(dc, 0, 0, 100, 40, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(hwnd, &ps);
    return 0;
}

class DrawRecordTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    DrawRecordTest() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = GreetingProc;
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
    }
    ~DrawRecordTest() override {
        if (window_) DestroyWindow(window_);
        UnregisterClassW(kClass, nullptr);
    }
    HWND Show(int x, int y) {
        window_ = CreateWindowExW(0, kClass, u"", WS_POPUP | WS_VISIBLE, x, y, 100, 40, nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(window_);
        return window_;
    }
    platform::testing::TestDevice device_;
    HWND window_ = nullptr;
};

TEST_F(DrawRecordTest, AWindowsTextShowsWhereItsBufferWasShown) {
    platform::testing::DrawRecord record;
    Show(30, 50);
    const auto shown = record.ScreenTextsContaining(u"Dentist");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rect.left, 34);
    EXPECT_EQ(shown[0].rect.top, 52);
    EXPECT_GT(shown[0].rect.right, 40);
    EXPECT_EQ(shown[0].color, RGB(0, 0, 0));
    // Drawn, but outside the part of the buffer that was shown.
    EXPECT_FALSE(record.ScreenShows(u"Below the buffer"));
    bool logged = false;
    for (const auto& text : record.TextsDrawn()) logged = logged || text.text == u"Below the buffer";
    EXPECT_TRUE(logged);
    EXPECT_EQ(record.ScreenTextsIn(RECT{30, 50, 130, 90}).size(), 1u);
    EXPECT_TRUE(record.ScreenTextsIn(RECT{0, 0, 30, 50}).empty());

    // Painted over: the screen no longer shows it.
    HDC screen = GetDC(nullptr);
    PatBlt(screen, 0, 0, 240, 320, WHITENESS);
    ReleaseDC(nullptr, screen);
    EXPECT_FALSE(record.ScreenShows(u"Dentist"));

    // Painted again, once: one note, not two.
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    EXPECT_EQ(record.ScreenTextsContaining(u"Dentist").size(), 1u);
}

TEST_F(DrawRecordTest, PicturesAreKnownByResourceIdAndImageListIndex) {
    platform::testing::DrawRecord record;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    HBITMAP arrows = LoadBitmapW(module, MAKEINTRESOURCEW(IDB_SCROLL_ARROWS));
    ASSERT_NE(arrows, nullptr);
    BITMAP bm{};
    GetObjectW(arrows, sizeof bm, &bm);
    HDC screen = GetDC(nullptr);
    TransparentImage(screen, 10, 10, bm.bmWidth, bm.bmHeight, arrows, 0, 0, bm.bmWidth, bm.bmHeight, RGB(255, 0, 255));
    EXPECT_TRUE(record.ScreenShowsPicture(IDB_SCROLL_ARROWS));

    HIMAGELIST list = ImageList_Create(bm.bmHeight, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 4, 4);
    ASSERT_GE(ImageList_AddMasked(list, arrows, RGB(255, 0, 255)), 0);
    ImageList_Draw(list, 1, screen, 100, 100, ILD_TRANSPARENT);
    const auto pictures = record.ScreenPicturesIn(RECT{100, 100, 100 + bm.bmHeight, 100 + bm.bmHeight});
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].resourceId, IDB_SCROLL_ARROWS);
    EXPECT_EQ(pictures[0].index, 1);
    ImageList_Destroy(list);
    ReleaseDC(nullptr, screen);
    DeleteObject(arrows);
}

TEST_F(DrawRecordTest, ClearForgetsTheScreenAndTheLogAndNothingIsNotedWithoutARecord) {
    HDC screen = GetDC(nullptr);
    TextOutW(screen, 5, 5, u"Before", 6);
    {
        platform::testing::DrawRecord record;
        EXPECT_FALSE(record.ScreenShows(u"Before"));
        TextOutW(screen, 5, 5, u"During", 6);
        EXPECT_TRUE(record.ScreenShows(u"During"));
        record.Clear();
        EXPECT_FALSE(record.ScreenShows(u"During"));
        EXPECT_TRUE(record.TextsDrawn().empty());
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace
