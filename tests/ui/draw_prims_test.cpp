// Colour arithmetic and the line, frame, fade and box routines, checked on the pixels they leave.
#include <gtest/gtest.h>

#include "draw_surface.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"
#include "ui/draw_prims.h"
#include "ui/theme_colors.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(ColorMath, LightenDarkenClampEachChannelOnItsOwn) {
    struct Case {
        COLORREF colour;
        int amount;
        COLORREF lighter;
        COLORREF darker;
    } const cases[] = {
        {RGB(240, 240, 240), 64, RGB(255, 255, 255), RGB(176, 176, 176)},
        {RGB(16, 16, 16), 64, RGB(80, 80, 80), RGB(0, 0, 0)},
        {RGB(250, 100, 10), 20, RGB(255, 120, 30), RGB(230, 80, 0)},
        {RGB(1, 2, 3), 0, RGB(1, 2, 3), RGB(1, 2, 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LightenColor(c.colour, c.amount), c.lighter) << std::hex << c.colour;
        EXPECT_EQ(DarkenColor(c.colour, c.amount), c.darker) << std::hex << c.colour;
    }
}

TEST(ColorMath, LightAndDarkTestsAreStrict) {
    struct Case {
        COLORREF colour;
        bool light;
        bool dark;
    } const cases[] = {
        {RGB(201, 201, 201), true, false}, {RGB(200, 255, 255), false, false}, {RGB(255, 255, 255), true, false},
        {RGB(127, 127, 127), false, true}, {RGB(128, 0, 0), false, false},     {RGB(0, 0, 0), false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLightColor(c.colour), c.light) << std::hex << c.colour;
        EXPECT_EQ(IsDarkColor(c.colour), c.dark) << std::hex << c.colour;
    }
}

TEST(ColorMath, GreyForBackgroundFollowsTheReferenceColour) {
    ThemeWords theme{{kThemeBackground, 0x000000}, {kThemeSelColor, 0xFFFFFF}};
    EXPECT_EQ(GetGreyForBackground(false), 0xD7D7D7u);
    EXPECT_EQ(GetGreyForBackground(true), 0x646455u);
    theme.Set(kThemeBackground, 0xFFFFFF);
    EXPECT_EQ(GetGreyForBackground(false), 0x646455u);
    EXPECT_TRUE(IsDigitChar(u'0') && IsDigitChar(u'9'));
    EXPECT_FALSE(IsDigitChar(u'a') || IsDigitChar(u'/') || IsDigitChar(u':'));
}

TEST(DrawPrims, ClosedFrameIncludesTheBottomRightPixelOpenFrameLeavesTheCorners) {
    platform::testing::TestDevice device;
    const RECT rect{0, 0, 10, 5};
    {
        DrawSurface surface(20, 10);
        DrawFrameRect(surface.dc(), rect, kRed, Corners::Closed, LineStyle::Solid, 0);
        for (const POINT p : {POINT{0, 0}, POINT{10, 0}, POINT{0, 5}, POINT{10, 5}, POINT{5, 0}, POINT{10, 3}}) {
            EXPECT_EQ(surface.Pixel(p.x, p.y), kRed) << p.x << "," << p.y;
        }
        EXPECT_EQ(surface.Pixel(11, 5), kWhite);
        EXPECT_EQ(surface.Pixel(5, 2), kWhite);
    }
    {
        DrawSurface surface(20, 10);
        DrawFrameRect(surface.dc(), rect, kRed, Corners::Open, LineStyle::Solid, 0);
        for (const POINT p : {POINT{0, 0}, POINT{10, 0}, POINT{0, 5}, POINT{10, 5}}) {
            EXPECT_EQ(surface.Pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
        }
        EXPECT_EQ(surface.Pixel(1, 0), kRed);
        EXPECT_EQ(surface.Pixel(10, 4), kRed);
    }
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), 0u);
}

TEST(DrawPrims, FadeLineOverAnOddWidthSharesTheMiddlePixel) {
    platform::testing::TestDevice device;
    const COLORREF a = RGB(0, 0, 0);
    const COLORREF b = RGB(200, 100, 40);
    // w = 7, d = 4: the left run is x 0..4 ending on colour B, the solid part from 4 on.
    DrawSurface left(20, 3);
    DrawFadeLine(left.dc(), POINT{0, 1}, POINT{7, 1}, a, b, FadeEnd::Left);
    EXPECT_EQ(left.Pixel(0, 1), a);
    EXPECT_EQ(left.Pixel(2, 1), RGB(100, 50, 20));
    EXPECT_EQ(left.Pixel(4, 1), b);
    EXPECT_EQ(left.Pixel(6, 1), b);
    EXPECT_EQ(left.Pixel(7, 1), kWhite);

    // Fading at the right: solid 0..3, the run x 4..7 goes from B toward A in steps of d.
    DrawSurface right(20, 3);
    DrawFadeLine(right.dc(), POINT{0, 1}, POINT{7, 1}, a, b, FadeEnd::Right);
    EXPECT_EQ(right.Pixel(0, 1), b);
    EXPECT_EQ(right.Pixel(4, 1), b);
    EXPECT_EQ(right.Pixel(7, 1), RGB(50, 25, 10));
    EXPECT_EQ(right.Pixel(8, 1), kWhite);
}

TEST(DrawPrims, FadeLineOfNoWidthDoesNotDivideByZero) {
    platform::testing::TestDevice device;
    DrawSurface surface(5, 3);
    DrawFadeLine(surface.dc(), POINT{2, 1}, POINT{2, 1}, RGB(10, 20, 30), RGB(90, 90, 90), FadeEnd::Left);
    EXPECT_EQ(surface.Pixel(2, 1), RGB(10, 20, 30));
    DrawFadeLine(surface.dc(), POINT{2, 2}, POINT{2, 2}, RGB(10, 20, 30), RGB(90, 90, 90), FadeEnd::Right);
    EXPECT_EQ(surface.Pixel(2, 2), RGB(90, 90, 90));
}

TEST(DrawPrims, GradientLinesSkipTheFirstAndLastRows) {
    platform::testing::TestDevice device;
    DrawSurface surface(10, 12);
    DrawGradientLines(surface.dc(), RECT{0, 0, 10, 10}, RGB(200, 200, 200), RGB(100, 0, 0));
    EXPECT_EQ(surface.Pixel(3, 0), kWhite);
    EXPECT_EQ(surface.Pixel(3, 1), RGB(190, 180, 180));
    EXPECT_EQ(surface.Pixel(3, 8), RGB(120, 40, 40));
    EXPECT_EQ(surface.Pixel(3, 9), kWhite);
    DrawGradientLines(surface.dc(), RECT{0, 10, 10, 12}, RGB(0, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(surface.Pixel(3, 10), kWhite);
    EXPECT_EQ(surface.Pixel(3, 11), kWhite);
}

TEST(DrawPrims, ItemBoxByListBackgroundStyle) {
    platform::testing::TestDevice device;
    const COLORREF background = RGB(230, 240, 250);
    const COLORREF border = RGB(10, 20, 30);
    const COLORREF alternate = RGB(200, 210, 220);
    ThemeWords theme{{kThemeBackground, static_cast<LONG>(background)},
                     {kThemeItemBorder, static_cast<LONG>(border)},
                     {kThemeAltBackground, static_cast<LONG>(alternate)}};
    const RECT row{0, 5, 40, 15};
    struct Case {
        LONG style;
        bool primary;
        COLORREF inside;
        COLORREF edge;  // the top-left of the box (left + 2, top - 2)
    } const cases[] = {
        {kBackAltRows, true, background, border},
        {kBackAltRows, false, alternate, DarkenColor(alternate, 40)},
        {kBackRect, false, background, border},
        {kBackNone, true, kWhite, kWhite},
        {kBackDashedSep, true, kWhite, kWhite},
        {kBackSolidSep, true, kWhite, kWhite},
    };
    for (const Case& c : cases) {
        theme.Set(kThemeListBackground, c.style);
        DrawSurface surface(50, 25);
        DrawThemedItemBox(surface.dc(), row, c.primary, 0, 0, false, false);
        EXPECT_EQ(surface.Pixel(20, 10), c.inside) << c.style;
        EXPECT_EQ(surface.Pixel(2, 3), c.edge) << c.style;
    }
    theme.Set(kThemeListBackground, kBackCutCorner);
    DrawSurface panel(50, 25);
    DrawThemedItemBox(panel.dc(), row, true, 0, 0, false, false);
    EXPECT_EQ(panel.Pixel(20, 10), background);
    EXPECT_EQ(panel.Pixel(2, 4), border);
    EXPECT_EQ(panel.Pixel(37, 16), kWhite);  // the cut bottom-right corner
}

TEST(DrawPrims, ShadowTextOnlyWhenTheTextIsNotAlreadyGrey) {
    platform::testing::TestDevice device;
    const auto darkPixels = [](const DrawSurface& s) {
        int count = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) count += s.Pixel(x, y) != kWhite ? 1 : 0;
        return count;
    };
    DrawSurface plain(60, 30);
    SetBkMode(plain.dc(), TRANSPARENT);
    SetTextColor(plain.dc(), kShadowGrey);
    DrawShadowText(plain.dc(), 5, 5, u"Ab");
    DrawSurface shadowed(60, 30);
    SetBkMode(shadowed.dc(), TRANSPARENT);
    SetTextColor(shadowed.dc(), RGB(0, 0, 0));
    DrawShadowText(shadowed.dc(), 5, 5, u"Ab");
    EXPECT_GT(darkPixels(plain), 0);
    EXPECT_GT(darkPixels(shadowed), darkPixels(plain));
    EXPECT_EQ(GetTextColor(shadowed.dc()), RGB(0, 0, 0));
}

TEST(DrawPrims, LogFontIsTheProgramFace) {
    LOGFONTW font{};
    InitLogFont(font, 17, true, true);
    EXPECT_EQ(font.lfHeight, 17);
    EXPECT_EQ(font.lfWeight, 600);
    EXPECT_EQ(font.lfItalic, 1);
    EXPECT_EQ(font.lfQuality, 5);
    EXPECT_EQ(font.lfPitchAndFamily, 4);
    EXPECT_EQ(std::u16string(font.lfFaceName), u"Tahoma");
    InitLogFont(font, 12, false, false);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfItalic, 0);
}

}  // namespace
