// The scroll bars of an ordinary window on the device screen: drawn after the window paints itself,
// and the stylus on them scrolls the window (WM_VSCROLL) instead of reaching it as a press.
#include <gtest/gtest.h>

#include "controls/control_look.h"
#include "display/device_input.h"
#include "tests/platform/shell/shell_fixture.h"

namespace {

using namespace platform::testing;
using shelltest::ShellTest;

constexpr int kRangeMax = 99;
constexpr UINT kPage = 20;
constexpr int kLastPos = kRangeMax + 1 - static_cast<int>(kPage);
constexpr int kInside = 3;  // how far past an edge a probe lies

class WindowBarsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window_ = CreateWindowExW(0, qvtest::kTestClass, u"Bars", WS_VISIBLE | WS_VSCROLL, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        const SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, kRangeMax, kPage, 0, 0};
        SetScrollInfo(window_, SB_VERT, &info, FALSE);
        PumpUntilIdle();
        RECT client{};
        GetClientRect(window_, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        arrow_ = GetSystemMetrics(SM_CXVSCROLL);
        bar_ = {client.right, client.top, client.right + arrow_, client.bottom};
        qvtest::MessageLog::Instance().Clear();
    }

    int MidX() const { return (bar_.left + bar_.right) / 2; }
    int TopArrowY() const { return bar_.top + arrow_ / 2; }
    int BottomArrowY() const { return bar_.bottom - arrow_ / 2 - 1; }
    int TrackTopY() const { return bar_.top + arrow_ + kInside; }
    int TrackBottomY() const { return bar_.bottom - arrow_ - kInside; }

    // Covers the bar on the screen, so that only a fresh painting shows it again.
    void Smear() const {
        const HDC screen = GetDC(nullptr);
        const HBRUSH brush = CreateSolidBrush(platform::kLookSeeThrough);
        FillRect(screen, &bar_, brush);
        DeleteObject(brush);
        ReleaseDC(nullptr, screen);
    }

    // The scroll requests the window got (low words), in order.
    std::vector<int> Requests() {
        std::vector<int> out;
        for (const auto& e : Logged(window_, WM_VSCROLL)) out.push_back(LOWORD(e.wParam));
        return out;
    }
    std::size_t PenMessages() {
        return Logged(window_, WM_LBUTTONDOWN).size() + Logged(window_, WM_MOUSEMOVE).size() +
               Logged(window_, WM_LBUTTONUP).size();
    }

    HWND window_ = nullptr;
    RECT bar_{};
    int arrow_ = 0;
};

TEST_F(WindowBarsTest, TheBarIsDrawnAfterTheWindowPaintsWithItsThumbWhereThePositionIs) {
    Smear();
    InvalidateRect(window_, nullptr, TRUE);
    PumpUntilIdle();
    EXPECT_EQ(ReadScreenPixel(MidX(), TopArrowY() - arrow_ / 2), platform::kLookFrame);
    EXPECT_EQ(ReadScreenPixel(MidX(), TrackTopY()), platform::kLookShadow);   // the thumb, at the top
    EXPECT_EQ(ReadScreenPixel(MidX(), TrackBottomY()), platform::kLookFace);  // the empty track

    // Moved without a redraw, the thumb shows at its new place with the window's next painting.
    SetScrollPos(window_, SB_VERT, kLastPos, FALSE);
    Smear();
    InvalidateRect(window_, nullptr, FALSE);
    PumpUntilIdle();
    EXPECT_EQ(ReadScreenPixel(MidX(), TrackTopY()), platform::kLookFace);
    EXPECT_EQ(ReadScreenPixel(MidX(), TrackBottomY()), platform::kLookShadow);

    // UpdateWindow paints it as well.
    Smear();
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    EXPECT_EQ(ReadScreenPixel(MidX(), TrackBottomY()), platform::kLookShadow);
}

TEST_F(WindowBarsTest, TapsOnArrowsAndPageAreasScrollTheWindowAndAreNoPress) {
    struct Case {
        const char* where;
        int pos;
        int y;
        int request;
    };
    const Case cases[] = {
        {"top arrow", 0, TopArrowY(), SB_LINEUP},
        {"bottom arrow", 0, BottomArrowY(), SB_LINEDOWN},
        {"below the thumb", 0, TrackBottomY(), SB_PAGEDOWN},
        {"above the thumb", kLastPos, TrackTopY(), SB_PAGEUP},
    };
    for (const Case& c : cases) {
        SetScrollPos(window_, SB_VERT, c.pos, FALSE);
        qvtest::MessageLog::Instance().Clear();
        Tap(MidX(), c.y);
        PumpUntilIdle();
        EXPECT_EQ(Requests(), (std::vector<int>{c.request, SB_ENDSCROLL})) << c.where;
        EXPECT_EQ(PenMessages(), 0u) << c.where;
    }
    // The client area still takes presses.
    Tap(bar_.left - 10, TrackTopY());
    PumpUntilIdle();
    EXPECT_EQ(Logged(window_, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Logged(window_, WM_LBUTTONUP).size(), 1u);
}

TEST_F(WindowBarsTest, TheThumbFollowsTheStylusAndEndsWhereItWasLet) {
    platform::StylusDown({MidX(), TrackTopY()}, 0);  // on the thumb, at position 0
    PumpUntilIdle();
    EXPECT_EQ(GetCapture(), window_);
    platform::StylusMove({MidX(), bar_.bottom + 50});  // past the end: the last position
    PumpUntilIdle();
    platform::StylusUp({MidX(), bar_.bottom + 50});
    PumpUntilIdle();

    const auto logged = Logged(window_, WM_VSCROLL);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(LOWORD(logged[0].wParam), SB_THUMBTRACK);
    EXPECT_EQ(HIWORD(logged[0].wParam), kLastPos);
    EXPECT_EQ(LOWORD(logged[1].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(logged[1].wParam), kLastPos);
    EXPECT_EQ(LOWORD(logged[2].wParam), SB_ENDSCROLL);
    EXPECT_EQ(PenMessages(), 0u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowBarsTest, ADisabledArrowAndABarWithNothingToScrollTakeTheTapAndScrollNothing) {
    EnableScrollBar(window_, SB_VERT, ESB_DISABLE_RTDN);
    Tap(MidX(), BottomArrowY());
    PumpUntilIdle();
    EnableScrollBar(window_, SB_VERT, ESB_ENABLE_BOTH);
    // A range that fits one page, with the bar kept on screen.
    const SCROLLINFO fits{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, kPage, 0, 0};
    SetScrollInfo(window_, SB_VERT, &fits, FALSE);
    PumpUntilIdle();
    Tap(MidX(), BottomArrowY());
    PumpUntilIdle();
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(PenMessages(), 0u);
}

TEST_F(WindowBarsTest, AChildsBarShowsOnlyInsideItsParent) {
    // A child whose bar straddles the right edge of its own parent, inside the main window.
    constexpr int kHolder = 100;
    constexpr int kChildClient = 40;
    const HWND holder = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD | WS_VISIBLE, 10, 10, kHolder, kHolder,
                                        window_, nullptr, nullptr, nullptr);
    const int barLeft = kHolder - arrow_ / 2;
    const HWND child = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, barLeft - kChildClient,
                                       0, kChildClient + arrow_, kHolder, holder, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    const SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, kRangeMax, kPage, 0, 0};
    SetScrollInfo(child, SB_VERT, &info, FALSE);
    PumpUntilIdle();
    POINT inside{kHolder - 1, kHolder / 2}, outside{barLeft + arrow_ - 1, kHolder / 2};
    ClientToScreen(holder, &inside);
    ClientToScreen(holder, &outside);
    const HDC screen = GetDC(nullptr);
    const HBRUSH brush = CreateSolidBrush(platform::kLookSeeThrough);
    const RECT smear{inside.x - 5, inside.y - 5, outside.x + 5, inside.y + 5};
    FillRect(screen, &smear, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, screen);
    InvalidateRect(child, nullptr, FALSE);
    PumpUntilIdle();
    EXPECT_NE(ReadScreenPixel(inside.x, inside.y), platform::kLookSeeThrough);
    EXPECT_EQ(ReadScreenPixel(outside.x, outside.y), platform::kLookSeeThrough);
}

}  // namespace
