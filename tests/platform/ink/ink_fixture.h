// Helpers of the ink control tests: an ink control inside a plain parent window, the stylus and keys
// sent to it, its data read back, and the screen's pixels under it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "ink/ink_data.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/ink.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"
#include "platform/testing_user.h"

namespace inktest {

// As programs create it: visible, vertical scroll bar, tab stop and the control's own bit.
constexpr DWORD kProgramStyle = 0x10210004;

class InkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitInkX());
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"QvInkParent";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, u"QvInkParent", u"Parent", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        ink_ = MakeInk();
        ASSERT_NE(ink_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
        platform::testing::PumpMessages();
    }
    HWND MakeInk(RECT r = {0, 0, 200, 200}) const {
        return CreateWindowExW(0, WC_INKXW, nullptr, WS_CHILD | kProgramStyle, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent_, nullptr, nullptr, nullptr);
    }
    static void Stroke(HWND ink, const std::vector<POINT>& points) {
        SendMessageW(ink, WM_LBUTTONDOWN, 0, MAKELPARAM(points.front().x, points.front().y));
        for (std::size_t i = 1; i + 1 < points.size(); ++i)
            SendMessageW(ink, WM_MOUSEMOVE, 0, MAKELPARAM(points[i].x, points[i].y));
        SendMessageW(ink, WM_LBUTTONUP, 0, MAKELPARAM(points.back().x, points.back().y));
    }
    static void Type(HWND ink, std::u16string_view text) {
        for (const char16_t c : text) SendMessageW(ink, WM_CHAR, c, 0);
    }
    static std::vector<std::uint8_t> Data(HWND ink) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(SendMessageW(ink, IM_GETDATALEN, 0, 0)));
        const LRESULT copied = SendMessageW(ink, IM_GETDATA, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
        EXPECT_EQ(static_cast<std::size_t>(copied), bytes.size());
        return bytes;
    }
    static platform::InkPage PageOf(HWND ink) {
        const auto page = platform::LoadInkPage(Data(ink));
        EXPECT_TRUE(page.has_value());
        return page.value_or(platform::InkPage{});
    }
    static BOOL Load(HWND ink, const std::vector<std::uint8_t>& bytes) {
        return static_cast<BOOL>(SendMessageW(ink, IM_SETDATA, bytes.size(), reinterpret_cast<LPARAM>(bytes.data())));
    }
    // The colour at a point of the control's client area, as the screen shows it.
    static COLORREF Pixel(HWND ink, int x, int y) {
        POINT pt{x, y};
        ClientToScreen(ink, &pt);
        return platform::testing::ScreenPixel(pt.x, pt.y);
    }
    static bool Inked(COLORREF c) { return c == RGB(0, 0, 0); }
    // Dark pixels in a band of the client area (text drawn there).
    static int DarkPixels(HWND ink, RECT band) {
        int dark = 0;
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x) {
                const COLORREF c = Pixel(ink, x, y);
                if (GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128) ++dark;
            }
        return dark;
    }

    platform::testing::TestDevice device_;
    HWND parent_ = nullptr;
    HWND ink_ = nullptr;
};

}  // namespace inktest
