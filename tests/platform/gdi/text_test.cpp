// Fonts and text: heights as asked, measuring that agrees with drawing, styles, and DrawTextW's
// layout flags.
#include <cstring>
#include <string>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

HFONT MakeFont(LONG height, LONG weight = FW_NORMAL, BYTE italic = 0, BYTE underline = 0,
               const char16_t* face = u"Tahoma") {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfPitchAndFamily = 4;
    std::memcpy(lf.lfFaceName, face, std::char_traits<char16_t>::length(face) * sizeof(char16_t));
    return CreateFontIndirectW(&lf);
}

SIZE Extent(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void Draw(HDC dc, int x, int y, std::u16string_view text) {
    ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

TEST(Text, FontHeightIsTheHeightAsked) {
    // Negative: the character height; positive: the whole cell.
    const LONG heights[] = {-10, -13, -20, -32, 16, 24};
    for (LONG h : heights) {
        Surface32 s(80, 80);
        Selected font(s.dc(), MakeFont(h));
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(s.dc(), &tm));
        if (h < 0)
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -h) << h;
        else
            EXPECT_EQ(tm.tmHeight, h) << h;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        // The ink of a capital stands on the baseline and is about three quarters of the em high.
        SetBkMode(s.dc(), TRANSPARENT);
        Draw(s.dc(), 5, 5, u"H");
        const Box ink = s.Ink();
        const int em = tm.tmHeight - tm.tmInternalLeading;
        EXPECT_NEAR(ink[3], 5 + tm.tmAscent, 1) << h;
        EXPECT_GE(ink[3] - ink[1], em * 6 / 10) << h;
        EXPECT_LE(ink[3] - ink[1], em * 8 / 10 + 1) << h;
        EXPECT_EQ(Extent(s.dc(), u"H").cy, tm.tmHeight);
    }
}

TEST(Text, MeasuredWidthIsTheAdvanceDrawn) {
    // Drawing "Agenda" in two parts, the second at the measured width of the first, gives the
    // same pixels as drawing it whole.
    Surface32 whole(120, 30), halves(120, 30);
    for (const Surface32* s : {&whole, &halves}) {
        SelectObject(s->dc(), MakeFont(-15));
        SetBkMode(s->dc(), TRANSPARENT);
    }
    Draw(whole.dc(), 3, 3, u"Vestral Agenda");
    Draw(halves.dc(), 3, 3, u"Vestral Ag");
    Draw(halves.dc(), 3 + Extent(halves.dc(), u"Vestral Ag").cx, 3, u"enda");
    EXPECT_EQ(whole.Picture(120, 30), halves.Picture(120, 30));
    const Box ink = whole.Ink();
    EXPECT_LE(ink[2], 3 + Extent(whole.dc(), u"Vestral Agenda").cx + 1);

    int fits = 0;
    int partial[4] = {};
    SIZE size{};
    ASSERT_TRUE(GetTextExtentExPointW(whole.dc(), u"abcd", 4, Extent(whole.dc(), u"ab").cx, &fits, partial, &size));
    EXPECT_EQ(fits, 2);
    EXPECT_EQ(partial[1], Extent(whole.dc(), u"ab").cx);
    EXPECT_EQ(partial[3], size.cx);
    for (const Surface32* s : {&whole, &halves}) DeleteObject(SelectObject(s->dc(), GetStockObject(SYSTEM_FONT)));
}

TEST(Text, TahomaIsACondensedSansFace) {
    Surface32 s(10, 10);
    HFONT tahoma = MakeFont(-20), wide = MakeFont(-20, FW_NORMAL, 0, 0, u"DejaVu Sans");
    SelectObject(s.dc(), tahoma);
    const LONG narrow = Extent(s.dc(), u"Appointments").cx;
    WCHAR face[LF_FACESIZE];
    EXPECT_EQ(GetTextFaceW(s.dc(), LF_FACESIZE, face), 7);
    EXPECT_EQ(std::u16string(face), u"Tahoma");
    SelectObject(s.dc(), wide);
    EXPECT_LT(narrow, Extent(s.dc(), u"Appointments").cx);
    SelectObject(s.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(tahoma);
    DeleteObject(wide);
}

TEST(Text, StylesChangeTheInk) {
    struct Case {
        const char* name;
        LONG weight;
        BYTE italic, underline;
    };
    const Case cases[] = {{"bold", FW_SEMIBOLD, 0, 0}, {"italic", FW_NORMAL, 1, 0}, {"underline", FW_NORMAL, 0, 1}};
    Surface32 plain(100, 40);
    Selected plainFont(plain.dc(), MakeFont(-16));
    SetBkMode(plain.dc(), TRANSPARENT);
    Draw(plain.dc(), 2, 2, u"Task");
    for (const Case& c : cases) {
        Surface32 s(100, 40);
        Selected font(s.dc(), MakeFont(-16, c.weight, c.italic, c.underline));
        SetBkMode(s.dc(), TRANSPARENT);
        Draw(s.dc(), 2, 2, u"Task");
        EXPECT_NE(s.Picture(100, 40), plain.Picture(100, 40)) << c.name;
        EXPECT_GT(s.Count(kWhite) < plain.Count(kWhite) || c.italic, 0) << c.name;
    }
    Surface32 underlined(100, 40);
    Selected font(underlined.dc(), MakeFont(-16, FW_NORMAL, 0, 1));
    SetBkMode(underlined.dc(), TRANSPARENT);
    Draw(underlined.dc(), 2, 2, u"Task");
    TEXTMETRICW tm{};
    GetTextMetricsW(underlined.dc(), &tm);
    EXPECT_GT(underlined.Ink()[3], plain.Ink()[3]);  // a line below the baseline
    EXPECT_EQ(underlined.At(2, underlined.Ink()[3] - 1), kBlack);
}

TEST(Text, OpaqueBackgroundFillsTheTextCell) {
    Surface32 s(60, 30);
    Selected font(s.dc(), MakeFont(-12));
    SetBkColor(s.dc(), kBlue);
    Draw(s.dc(), 4, 4, u"Hi");
    const SIZE size = Extent(s.dc(), u"Hi");
    EXPECT_EQ(s.At(4, 4), kBlue);
    EXPECT_EQ(s.At(4 + size.cx - 1, 4 + size.cy - 1), kBlue);
    EXPECT_EQ(s.At(4 + size.cx, 4), kWhite);
    EXPECT_EQ(s.At(4, 4 + size.cy), kWhite);
    // ETO_OPAQUE fills the rectangle; ETO_CLIPPED keeps the text inside it.
    s.Clear(kWhite);
    SetBkMode(s.dc(), TRANSPARENT);
    const RECT r{0, 0, 10, 30};
    ExtTextOutW(s.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &r, u"WWWW", 4, nullptr);
    EXPECT_EQ(s.At(0, 29), kBlue);
    EXPECT_EQ(s.Ink(kWhite)[2], 10);
}

TEST(Text, TextAlignmentMovesTheReferencePoint) {
    Surface32 s(100, 40);
    Selected font(s.dc(), MakeFont(-14));
    SetBkColor(s.dc(), kBlue);
    const SIZE size = Extent(s.dc(), u"abc");
    TEXTMETRICW tm{};
    GetTextMetricsW(s.dc(), &tm);
    SetTextAlign(s.dc(), TA_RIGHT | TA_BASELINE);
    Draw(s.dc(), 80, 30, u"abc");
    EXPECT_EQ(s.Ink(kWhite), (Box{80 - size.cx, 30 - tm.tmAscent, 80, 30 - tm.tmAscent + size.cy}));
}

class DrawTextTest : public ::testing::Test {
protected:
    DrawTextTest() : s(200, 120), font(s.dc(), MakeFont(-13)) {
        SetBkMode(s.dc(), TRANSPARENT);
        GetTextMetricsW(s.dc(), &tm);
    }
    int Width(std::u16string_view text) { return Extent(s.dc(), text).cx; }
    Surface32 s;
    Selected font;
    TEXTMETRICW tm{};
};

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
    struct Case {
        const char16_t* text;
        UINT format;
        int width;  // of the rectangle given
        int lines;
        std::u16string widest;  // the line that sets the width
    };
    const Case cases[] = {
        {u"Call the office", DT_SINGLELINE, 200, 1, u"Call the office"},
        {u"Call the office", DT_WORDBREAK, 200, 1, u"Call the office"},
        {u"Call the office", DT_WORDBREAK, 1, 3, u"office"},  // a long word is not broken
        {u"one\ntwo\r\nthree", 0, 200, 3, u"three"},
        {u"one\ntwo", DT_SINGLELINE, 200, 1, u"onetwo"},
        {u"&Options", 0, 200, 1, u"Options"},
        {u"&Options", DT_NOPREFIX, 200, 1, u"&Options"},
        {u"Save && Close", 0, 200, 1, u"Save & Close"},
    };
    for (const Case& c : cases) {
        RECT r{10, 20, 10 + c.width, 30};
        const int height = DrawTextW(s.dc(), c.text, -1, &r, c.format | DT_CALCRECT);
        EXPECT_EQ(height, c.lines * tm.tmHeight) << std::string(c.text, c.text + 3);
        EXPECT_EQ(r.bottom - r.top, height);
        EXPECT_EQ(r.right - r.left, Width(c.widest)) << std::string(c.text, c.text + 3);
        EXPECT_EQ(r.left, 10);
        EXPECT_EQ(r.top, 20);
    }
    EXPECT_EQ(s.Count(kWhite), 200 * 120);
}

TEST_F(DrawTextTest, TabsExpandToStopsOfEightAverageCharacters) {
    RECT r{0, 0, 200, 40};
    DrawTextW(s.dc(), u"a\tb", -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(r.right, 8 * tm.tmAveCharWidth + Width(u"b"));
    RECT two{0, 0, 200, 40};
    DrawTextW(s.dc(), u"a\t\tb", -1, &two, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(two.right, 16 * tm.tmAveCharWidth + Width(u"b"));
}

TEST_F(DrawTextTest, WordBreakKeepsEveryLineInsideTheWidth) {
    const char16_t* text = u"Meeting with the project group about the spring budget";
    RECT r{0, 0, 90, 120};
    const int height = DrawTextW(s.dc(), text, -1, &r, DT_WORDBREAK);
    EXPECT_GT(height, tm.tmHeight * 2);
    const Box ink = s.Ink();
    EXPECT_LE(ink[2], 90);
    EXPECT_LE(ink[3], height);
}

TEST_F(DrawTextTest, AlignmentFlagsPlaceTheLine) {
    const std::u16string text = u"Noon";
    const int w = Width(text);
    struct Case {
        UINT format;
        int left;
        int top;
    };
    const RECT box{20, 10, 180, 110};
    const Case cases[] = {
        {DT_SINGLELINE, 20, 10},
        {DT_SINGLELINE | DT_RIGHT, 180 - w, 10},
        {DT_SINGLELINE | DT_CENTER, 20 + (160 - w) / 2, 10},
        {DT_SINGLELINE | DT_VCENTER, 20, 10 + (100 - tm.tmHeight) / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 180 - w, 110 - tm.tmHeight},
    };
    SetBkMode(s.dc(), OPAQUE);  // the text cell shows where the line went
    SetBkColor(s.dc(), kBlue);
    for (const Case& c : cases) {
        s.Clear(kWhite);
        RECT r = box;
        const int result = DrawTextW(s.dc(), text.c_str(), -1, &r, c.format);
        EXPECT_EQ(s.Ink(), (Box{c.left, c.top, c.left + w, c.top + tm.tmHeight})) << c.format;
        // With vertical placement the result is the offset of the text's bottom from the top.
        EXPECT_EQ(result, (c.format & (DT_VCENTER | DT_BOTTOM)) ? c.top - 10 + tm.tmHeight : tm.tmHeight);
    }
}

TEST_F(DrawTextTest, EndEllipsisCutsTheTextToTheRectangle) {
    const char16_t* text = u"A very long subject that cannot fit";
    RECT r{0, 0, 80, 20};
    DrawTextW(s.dc(), text, -1, &r, DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS);
    EXPECT_LE(s.Ink()[2], 80);
    EXPECT_GT(s.Ink()[2], 80 - Width(u"...") - Width(u"W"));
    // Without the ellipsis and without clipping the text runs on.
    s.Clear(kWhite);
    DrawTextW(s.dc(), text, -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(s.Ink()[2], 80);
    // Clipped, it stops at the edge.
    s.Clear(kWhite);
    DrawTextW(s.dc(), text, -1, &r, DT_SINGLELINE);
    EXPECT_LE(s.Ink()[2], 80);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheMarkedCharacter) {
    RECT r{0, 0, 200, 40};
    DrawTextW(s.dc(), u"&Edit", -1, &r, DT_SINGLELINE);
    const int below = s.Ink()[3];
    s.Clear(kWhite);
    DrawTextW(s.dc(), u"Edit", -1, &r, DT_SINGLELINE);
    EXPECT_GT(below, s.Ink()[3]);
    s.Clear(kWhite);
    DrawTextW(s.dc(), u"&Edit", -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(s.Ink()[2] - s.Ink()[0] > Width(u"Edit"), true);
}

TEST(Text, FontsAreFreedLikeEveryObject) {
    const std::size_t before = platform::testing::LiveGdiObjectCount();
    for (int i = 0; i < 5; ++i) DeleteObject(MakeFont(-10 - i));
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
}

}  // namespace

namespace {

// A picture of the faces and shapes for people to look at.
TEST(Text, SampleScreenshot) {
    Surface32 s(240, 160);
    struct Sample {
        LONG height, weight;
        BYTE italic, underline;
        const char16_t* text;
    };
    const Sample samples[] = {
        {-12, FW_NORMAL, 0, 0, u"Tahoma 12: Meeting at 10:30"},
        {-15, FW_SEMIBOLD, 0, 0, u"Bold 15: Wednesday"},
        {-15, FW_NORMAL, 1, 0, u"Italic 15: notes & tasks"},
        {-18, FW_NORMAL, 0, 1, u"Underlined 18: [Ann]"},
        {-24, FW_NORMAL, 0, 0, u"Vestral Agenda"},
    };
    SetBkMode(s.dc(), TRANSPARENT);
    int y = 2;
    for (const Sample& sample : samples) {
        Selected font(s.dc(), MakeFont(sample.height, sample.weight, sample.italic, sample.underline));
        Draw(s.dc(), 4, y, sample.text);
        TEXTMETRICW tm{};
        GetTextMetricsW(s.dc(), &tm);
        y += tm.tmHeight + 2;
    }
    Selected brush(s.dc(), CreateSolidBrush(RGB(255, 200, 120)));
    Ellipse(s.dc(), 180, 100, 230, 150);
    RoundRect(s.dc(), 120, 110, 170, 150, 12, 12);
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "gdi_text_samples.png";
    ASSERT_TRUE(platform::testing::SaveDcAsPng(s.dc(), file));
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
