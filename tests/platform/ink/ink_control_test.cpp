// The ink control as the notes editor drives it: strokes from the stylus, typed text, zoom, modes,
// the voice bar, the scroll bar, and its data given out and taken back.
#include <filesystem>

#include "ink/ink_data.h"
#include "ink_fixture.h"

namespace inktest {
namespace {

TEST_F(InkTest, AStylusStrokeLeavesInkWhereThePenWent) {
    EXPECT_EQ(SendMessageW(ink_, IM_GETDRAWMODE, 0, 0), IM_DRAWING);
    Stroke(ink_, {{20, 50}, {60, 50}, {100, 50}});
    EXPECT_TRUE(Inked(Pixel(ink_, 40, 50)));  // drawn as the pen moved, before any paint
    platform::testing::PumpMessages();
    InvalidateRect(ink_, nullptr, TRUE);
    platform::testing::PumpMessages();
    for (const int x : {20, 40, 60, 80, 100}) EXPECT_TRUE(Inked(Pixel(ink_, x, 50))) << x;
    EXPECT_FALSE(Inked(Pixel(ink_, 60, 70)));
    EXPECT_FALSE(Inked(Pixel(ink_, 120, 50)));
    const platform::InkPage page = PageOf(ink_);
    ASSERT_EQ(page.strokes.size(), 1u);
    EXPECT_EQ(page.strokes[0], (platform::InkStroke{{20, 50}, {60, 50}, {100, 50}}));
}

TEST_F(InkTest, ThePageIsWhiteWithFaintRules) {
    platform::testing::PumpMessages();
    EXPECT_EQ(Pixel(ink_, 50, 5), RGB(255, 255, 255));
    const COLORREF rule = Pixel(ink_, 50, 19);
    EXPECT_NE(rule, RGB(255, 255, 255));
    EXPECT_GT(GetBValue(rule), 200);  // faint, not ink
}

TEST_F(InkTest, TypingAddsTextBackDeletesEnterStartsALine) {
    SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0);
    Type(ink_, u"ab\rcd\x08");
    EXPECT_EQ(PageOf(ink_).text, u"ab\nc");
    Type(ink_, u"\x08\x08\x08\x08\x08");
    EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0);  // an empty page is no data at all
    // A surrogate pair goes with one Back.
    Type(ink_, u"x\U0001F600\x08");
    EXPECT_EQ(PageOf(ink_).text, u"x");
}

TEST_F(InkTest, TypedTextShowsOnItsLine) {
    SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0);
    Type(ink_, u"\rHello");
    platform::testing::PumpMessages();
    EXPECT_EQ(DarkPixels(ink_, {0, 0, 100, 19}), 0);
    EXPECT_GT(DarkPixels(ink_, {0, 20, 100, 39}), 10);
    Type(ink_, u"\x08\x08\x08\x08\x08");
    platform::testing::PumpMessages();
    EXPECT_EQ(DarkPixels(ink_, {0, 20, 100, 39}), 0);
}

TEST_F(InkTest, EachModeTakesOnlyItsInput) {
    SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0);
    Stroke(ink_, {{10, 10}, {50, 50}});
    SendMessageW(ink_, IM_SETDRAWMODE, IM_DRAWING, 0);
    Type(ink_, u"abc");
    EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0);
}

TEST_F(InkTest, ModeMessagesKeepWhatTheyAreGiven) {
    EXPECT_TRUE(SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDRAWMODE, 0, 0), IM_TYPING);
    EXPECT_FALSE(SendMessageW(ink_, IM_SETDRAWMODE, 7, 0));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDRAWMODE, 0, 0), IM_TYPING);
    EXPECT_TRUE(SendMessageW(ink_, IM_SETDRAWMODE, IM_DRAWING, 0));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDRAWMODE, 0, 0), IM_DRAWING);
    for (const WPARAM mode : {2u, 16u, 4u, 64u, 36u, 0u}) {
        SendMessageW(ink_, IM_SETINPUTMODE, mode, 0);
        EXPECT_EQ(static_cast<WPARAM>(SendMessageW(ink_, IM_GETINPUTMODE, 0, 0)), mode);
    }
    EXPECT_TRUE(SendMessageW(ink_, IM_SETTYPINGSTATE, 1, 0));
    EXPECT_TRUE(SendMessageW(ink_, IM_REFRESHMODE, 0, 0));
}

TEST_F(InkTest, ZoomStaysWithinItsRangeAndScalesTheDrawing) {
    EXPECT_EQ(SendMessageW(ink_, IM_GETZOOM, 0, 0), IM_ZOOM_DEFAULT);
    struct Case {
        LPARAM percent;
        bool taken;
    };
    constexpr Case kCases[] = {{75, true}, {300, true}, {74, false}, {301, false}, {0, false}, {-100, false}, {150, true}};
    LRESULT expected = IM_ZOOM_DEFAULT;
    for (const Case& c : kCases) {
        EXPECT_EQ(SendMessageW(ink_, IM_SETZOOM, 0, c.percent) != 0, c.taken) << c.percent;
        if (c.taken) expected = c.percent;
        EXPECT_EQ(SendMessageW(ink_, IM_GETZOOM, 0, 0), expected) << c.percent;
    }
    SendMessageW(ink_, IM_SETZOOM, 0, 100);
    Stroke(ink_, {{10, 30}, {40, 30}});
    SendMessageW(ink_, IM_SETZOOM, 0, 200);
    platform::testing::PumpMessages();
    EXPECT_TRUE(Inked(Pixel(ink_, 70, 60)));  // (35, 30) on the page
    EXPECT_FALSE(Inked(Pixel(ink_, 30, 30)));
    // A stroke drawn while zoomed lands on the page at page units.
    Stroke(ink_, {{100, 100}, {120, 100}});
    EXPECT_EQ(PageOf(ink_).strokes.back(), (platform::InkStroke{{50, 50}, {60, 50}}));
}

TEST_F(InkTest, TheScrollBarFollowsTheContent) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(ink_, SB_VERT, &info);
    EXPECT_LE(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));
    platform::InkPage tall;
    tall.strokes.push_back({{10, 10}, {10, 900}});
    const auto bytes = platform::SaveInkPage(tall);
    ASSERT_TRUE(Load(ink_, bytes));
    GetScrollInfo(ink_, SB_VERT, &info);
    EXPECT_GT(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));
    SendMessageW(ink_, WM_VSCROLL, SB_BOTTOM, 0);
    GetScrollInfo(ink_, SB_VERT, &info);
    EXPECT_GT(info.nPos, 0);
    // The bottom of the stroke is in view now, at its scrolled place.
    platform::testing::PumpMessages();
    RECT client{};
    GetClientRect(ink_, &client);
    EXPECT_LT(client.right, 200);  // the bar took its place at the side
    EXPECT_TRUE(Inked(Pixel(ink_, 10, 900 - info.nPos)));
    SendMessageW(ink_, WM_VSCROLL, SB_TOP, 0);
    GetScrollInfo(ink_, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(InkTest, TheVoiceBarShowsAtTheBottomAndGoesAgain) {
    platform::testing::PumpMessages();
    RECT client{};
    GetClientRect(ink_, &client);
    const int y = client.bottom - 3;
    EXPECT_EQ(Pixel(ink_, 100, y), RGB(255, 255, 255));
    EXPECT_TRUE(SendMessageW(ink_, IM_SHOWVOICEBAR, 1, 0));
    platform::testing::PumpMessages();
    EXPECT_NE(Pixel(ink_, 100, y), RGB(255, 255, 255));
    // The pen does not draw under the bar.
    Stroke(ink_, {{20, y}, {120, y}});
    platform::testing::PumpMessages();
    EXPECT_FALSE(Inked(Pixel(ink_, 100, y)));
    SendMessageW(ink_, IM_SHOWVOICEBAR, 0, 0);
    platform::testing::PumpMessages();
    EXPECT_TRUE(Inked(Pixel(ink_, 100, y)));
}

TEST_F(InkTest, DataRoundTripsToTheSameBytes) {
    Stroke(ink_, {{5, 5}, {30, 40}, {60, 20}});
    Stroke(ink_, {{80, 80}});
    SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0);
    Type(ink_, u"Meeting\rnotes \u00e9");
    const auto first = Data(ink_);
    ASSERT_FALSE(first.empty());
    const HWND other = MakeInk({0, 0, 120, 120});
    EXPECT_TRUE(Load(other, first));
    EXPECT_EQ(Data(other), first);
    const platform::InkPage page = PageOf(other);
    EXPECT_EQ(page.text, u"Meeting\nnotes \u00e9");
    EXPECT_EQ(page.strokes.size(), 2u);
}

TEST_F(InkTest, GettingDataCopiesNoMoreThanTheBufferHolds) {
    Stroke(ink_, {{5, 5}, {30, 40}});
    const auto whole = Data(ink_);
    std::vector<std::uint8_t> buffer(whole.size(), 0xEE);
    const std::size_t asked = whole.size() / 2;
    EXPECT_EQ(static_cast<std::size_t>(SendMessageW(ink_, IM_GETDATA, asked, reinterpret_cast<LPARAM>(buffer.data()))), asked);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(asked), whole.begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(asked), buffer.end(), [](std::uint8_t b) { return b == 0xEE; }));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDATA, whole.size(), 0), 0);
}

TEST_F(InkTest, APageOnScreen) {
    Stroke(ink_, {{20, 120}, {40, 100}, {60, 130}, {80, 100}, {100, 125}, {120, 105}});
    Stroke(ink_, {{30, 150}, {150, 150}});
    SendMessageW(ink_, IM_SETDRAWMODE, IM_TYPING, 0);
    Type(ink_, u"Shopping\rmilk, bread");
    SendMessageW(ink_, IM_SHOWVOICEBAR, 1, 0);
    platform::testing::PumpMessages();
    EXPECT_TRUE(platform::testing::SaveScreenAsPng(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "ink_page.png"));
}

TEST_F(InkTest, TheProgramsWayOfCreatingTheControlWorks) {
    const HWND ink = CreateWindowExW(0, u"InkX", nullptr, kProgramStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, parent_, nullptr, nullptr, nullptr);
    ASSERT_NE(ink, nullptr);
    EXPECT_EQ(SendMessageW(ink, IM_GETDATALEN, 0, 0), 0);
    EXPECT_TRUE(InitInkX());  // a second call finds the class there
}

}  // namespace
}  // namespace inktest
