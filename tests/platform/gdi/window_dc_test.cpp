// Device contexts of windows: drawing lands on the device screen at the window's client area,
// stays out of children that the parent clips and of top-level windows above, and BeginPaint limits
// it to the update area.
#include <vector>

#include "gdi_fixture.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/user.h"

using namespace gdi_test;

namespace {

struct PaintRecord {
    RECT rcPaint{};
    BOOL fErase = FALSE;
    int paints = 0;
};
PaintRecord record;

LRESULT CALLBACK PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    record.rcPaint = ps.rcPaint;
    record.fErase = ps.fErase;
    ++record.paints;
    // Fills far more than the update area; only the update area changes.
    PatBlt(dc, -100, -100, 400, 400, BLACKNESS);
    EndPaint(hwnd, &ps);
    return 0;
}

constexpr const WCHAR* kClass = u"QvGdiPaintWindow";

class WindowDcTest : public ::testing::Test {
protected:
    WindowDcTest() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PaintingProc;
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
        record = {};
        Clear();
    }
    ~WindowDcTest() override {
        for (HWND w : windows) DestroyWindow(w);
        UnregisterClassW(kClass, nullptr);
    }
    HWND Make(DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
        HWND hwnd = CreateWindowExW(0, kClass, u"", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        if (!parent) windows.push_back(hwnd);
        return hwnd;
    }
    static void Clear() {
        HDC screen = GetDC(nullptr);
        PatBlt(screen, 0, 0, 1000, 1000, WHITENESS);
        ReleaseDC(nullptr, screen);
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    static COLORREF Screen(int x, int y) { return platform::testing::ScreenPixel(x, y); }
    platform::testing::TestDevice device;
    std::vector<HWND> windows;
};

TEST_F(WindowDcTest, GetDcDrawsOnTheClientAreaAndNotOnClippedChildren) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 10, 20, 50, 40);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, parent);
    ASSERT_NE(child, nullptr);
    Pump();
    Clear();
    HDC dc = GetDC(parent);
    ASSERT_NE(dc, nullptr);
    PatBlt(dc, -10, -10, 200, 200, BLACKNESS);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(BoxOf(box), (Box{0, 0, 50, 40}));
    EXPECT_EQ(ReleaseDC(parent, dc), 1);
    EXPECT_EQ(Screen(10, 20), kBlack);
    EXPECT_EQ(Screen(59, 59), kBlack);
    EXPECT_EQ(Screen(9, 20), kWhite);
    EXPECT_EQ(Screen(60, 20), kWhite);
    EXPECT_EQ(Screen(15, 25), kWhite);  // the child's place
    EXPECT_EQ(Screen(14, 25), kBlack);

    // The child draws at its own place, within its parent.
    HDC childDc = GetDC(child);
    SetPixel(childDc, 0, 0, kRed);
    ReleaseDC(child, childDc);
    EXPECT_EQ(Screen(15, 25), kRed);
    // A hidden window's DC draws nothing.
    ShowWindow(parent, SW_HIDE);
    HDC hidden = GetDC(child);
    SetPixel(hidden, 1, 1, kRed);
    ReleaseDC(child, hidden);
    EXPECT_EQ(Screen(16, 26), kWhite);
    SetLastError(0);
    EXPECT_EQ(GetDC(reinterpret_cast<HWND>(0x1234)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowDcTest, BeginPaintDrawsOnlyTheUpdateArea) {
    HWND hwnd = Make(WS_POPUP | WS_VISIBLE, 30, 30, 60, 60);
    Pump();
    ASSERT_GT(record.paints, 0);
    Clear();
    record = {};
    const RECT part{10, 10, 20, 15};
    InvalidateRect(hwnd, &part, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(record.paints, 1);
    EXPECT_EQ(BoxOf(record.rcPaint), BoxOf(part));
    EXPECT_TRUE(record.fErase);  // nothing erased it on the way
    EXPECT_EQ(Screen(40, 40), kBlack);
    EXPECT_EQ(Screen(49, 44), kBlack);
    EXPECT_EQ(Screen(50, 40), kWhite);
    EXPECT_EQ(Screen(40, 45), kWhite);
    EXPECT_EQ(Screen(39, 40), kWhite);
    const std::size_t live = platform::testing::LiveGdiObjectCount();
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_FALSE(record.fErase);
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), live);
}

TEST_F(WindowDcTest, ClassBackgroundBrushErasesBeforePainting) {
    HBRUSH red = CreateSolidBrush(kRed);
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintingProc;
    wc.lpszClassName = u"QvGdiErasedWindow";
    wc.hbrBackground = red;
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP | WS_VISIBLE, 30, 30, 60, 60, nullptr, nullptr,
                                nullptr, nullptr);
    Pump();
    Clear();
    record = {};
    HDC dc = GetDC(hwnd);
    // Erasing fills only what the DC may draw on.
    IntersectClipRect(dc, 0, 0, 5, 5);
    EXPECT_EQ(SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(Screen(30, 30), kRed);
    EXPECT_EQ(Screen(35, 35), kWhite);
    const RECT part{10, 10, 20, 15};
    InvalidateRect(hwnd, &part, TRUE);
    UpdateWindow(hwnd);
    EXPECT_FALSE(record.fErase);
    DestroyWindow(hwnd);

    // A window that leaves painting to the default handling still shows its background.
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"QvGdiDefaultPainted";
    ASSERT_NE(RegisterClassW(&wc), 0);
    hwnd = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP | WS_VISIBLE, 30, 30, 60, 60, nullptr, nullptr,
                           nullptr, nullptr);
    Clear();
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(Screen(40, 40), kRed);
    DestroyWindow(hwnd);
    UnregisterClassW(u"QvGdiDefaultPainted", nullptr);
    UnregisterClassW(u"QvGdiErasedWindow", nullptr);
    DeleteObject(red);
}

LRESULT CALLBACK ErasingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

// A top-level window filled with red by its class brush, laid over the painting windows.
class CoveredWindowTest : public WindowDcTest {
protected:
    CoveredWindowTest() : red(CreateSolidBrush(kRed)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ErasingProc;
        wc.lpszClassName = kUpperClass;
        wc.hbrBackground = red;
        RegisterClassW(&wc);
    }
    ~CoveredWindowTest() override {
        if (IsWindow(upper)) DestroyWindow(upper);
        UnregisterClassW(kUpperClass, nullptr);
        DeleteObject(red);
    }
    // The lower window at (10,10) 80x60 with a child under the upper window, the upper at (40,30) 40x40.
    void Build(DWORD lowerStyle) {
        lower = Make(WS_POPUP | WS_VISIBLE | lowerStyle, 10, 10, 80, 60);
        child = Make(WS_CHILD | WS_VISIBLE, 50, 40, 20, 10, lower);
        upper = CreateWindowExW(0, kUpperClass, u"", WS_POPUP | WS_VISIBLE, 40, 30, 40, 40, nullptr, nullptr, nullptr,
                                nullptr);
        ASSERT_NE(upper, nullptr);
        Pump();
    }
    static void Blacken(HWND hwnd) {
        HDC dc = GetDC(hwnd);
        PatBlt(dc, -10, -10, 200, 200, BLACKNESS);
        ReleaseDC(hwnd, dc);
    }
    static constexpr const WCHAR* kUpperClass = u"QvGdiUpperWindow";
    HBRUSH red;
    HWND lower = nullptr;
    HWND child = nullptr;
    HWND upper = nullptr;
};

TEST_F(CoveredWindowTest, DrawingUnderAWindowAboveLeavesItsPixels) {
    Build(0);
    ASSERT_EQ(Screen(50, 40), kRed);
    Blacken(lower);
    Blacken(child);
    EXPECT_EQ(Screen(10, 10), kBlack);
    EXPECT_EQ(Screen(39, 69), kBlack);
    EXPECT_EQ(Screen(89, 29), kBlack);
    EXPECT_EQ(Screen(40, 30), kRed);
    EXPECT_EQ(Screen(65, 55), kRed);  // under the child too
    EXPECT_EQ(Screen(79, 69), kRed);
    // BeginPaint over the whole window keeps out of it as well.
    InvalidateRect(lower, nullptr, TRUE);
    UpdateWindow(lower);
    EXPECT_EQ(Screen(50, 40), kRed);
    EXPECT_EQ(Screen(20, 20), kBlack);
}

TEST_F(CoveredWindowTest, UncoveringRepaintsTheWindowsBelowAndTheirChildren) {
    struct Case {
        const char* name;
        void (*uncover)(HWND upper);
    };
    const Case cases[] = {
        {"hidden", [](HWND w) { ShowWindow(w, SW_HIDE); }},
        {"moved away", [](HWND w) { SetWindowPos(w, nullptr, 150, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
        {"destroyed", [](HWND w) { DestroyWindow(w); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The child is left to the parent's clipping: it must be painted again by itself.
        Build(WS_CLIPCHILDREN);
        Clear();
        record = {};
        c.uncover(upper);
        Pump();
        EXPECT_GT(record.paints, 0);
        EXPECT_EQ(Screen(45, 35), kBlack);  // the lower window's own place
        EXPECT_EQ(Screen(65, 55), kBlack);  // the child's place
        EXPECT_EQ(Screen(20, 20), kWhite);  // never covered: not painted again
        DestroyWindow(lower);
        if (IsWindow(upper)) DestroyWindow(upper);
        windows.clear();
    }
}

TEST_F(CoveredWindowTest, RaisingAWindowRepaintsWhatWasCovered) {
    Build(0);
    Clear();
    record = {};
    SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    EXPECT_GT(record.paints, 0);
    EXPECT_EQ(Screen(50, 40), kBlack);
    EXPECT_EQ(Screen(20, 20), kWhite);
    // The window now below draws under it.
    Blacken(lower);
    HDC dc = GetDC(upper);
    PatBlt(dc, 0, 0, 40, 40, WHITENESS);
    ReleaseDC(upper, dc);
    EXPECT_EQ(Screen(50, 40), kBlack);
}

}  // namespace
