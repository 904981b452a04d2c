// The selection of a row by selection style, the header band's backgrounds, and measuring bars.
#include <gtest/gtest.h>

#include <filesystem>

#include "draw_surface.h"
#include "core/app_settings.h"
#include "core/cat_record.h"
#include "frame/main_window.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"
#include "ui/image_lists.h"
#include "ui/theme_colors.h"
#include "ui/themed_bars.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSel = RGB(40, 80, 160);
constexpr COLORREF kFrame = RGB(200, 20, 20);
constexpr COLORREF kTitle = RGB(0, 100, 0);
constexpr COLORREF kTitle2 = RGB(100, 200, 100);

TEST(ThemedSelection, FillBySelectionStyle) {
    platform::testing::TestDevice device;
    ThemeWords theme{{kThemeSelColor, static_cast<LONG>(kSel)}};
    const RECT row{0, 0, 40, 20};
    struct Case {
        LONG style;
        COLORREF centre;
        COLORREF lowerHalf;
        COLORREF frameCorner;  // (1, 1)
    } const cases[] = {
        {kSelFlat, kSel, kSel, kSel},
        {kSelFrameOnly, kWhite, kWhite, kSel},
        {kSelTwoTone, kSel, DarkenColor(kSel, 8), kSel},
        {9, kWhite, kWhite, kWhite},
    };
    for (const Case& c : cases) {
        theme.Set(kThemeSelStyle, c.style);
        DrawSurface surface(50, 30);
        FillThemeSelRect(surface.dc(), row, false);
        EXPECT_EQ(surface.Pixel(20, 5), c.centre) << c.style;
        EXPECT_EQ(surface.Pixel(20, 15), c.lowerHalf) << c.style;
        EXPECT_EQ(surface.Pixel(1, 1), c.frameCorner) << c.style;
    }
}

TEST(ThemedSelection, WhiteSelectionGivesOnlyAFocusRectangle) {
    platform::testing::TestDevice device;
    ThemeWords theme{{kThemeSelColor, static_cast<LONG>(kWhite)}, {kThemeSelFrameColor, static_cast<LONG>(kFrame)}};
    DrawSurface surface(50, 30);
    DrawSelectionFrame(surface.dc(), RECT{0, 0, 40, 20}, false, false);
    EXPECT_EQ(surface.Pixel(20, 10), kWhite);
    EXPECT_NE(surface.Pixel(0, 0), kFrame);
    EXPECT_NE(surface.Pixel(0, 0) == kWhite && surface.Pixel(1, 0) == kWhite, true);

    theme.Set(kThemeSelColor, kSel);
    DrawSurface framed(50, 30);
    DrawSelectionFrame(framed.dc(), RECT{0, 0, 40, 20}, false, false);
    EXPECT_EQ(framed.Pixel(20, 10), kSel);
    EXPECT_EQ(framed.Pixel(0, 0), kFrame);
    EXPECT_EQ(framed.Pixel(39, 19), kFrame);  // the frame moved in by one at the right and bottom
}

TEST(ThemedBackground, UnderlineOnlyForThinBarsAndFlatFillOtherwise) {
    platform::testing::TestDevice device;
    ThemeWords theme{{kThemeTitlePrimary, static_cast<LONG>(kTitle)},
                     {kThemeTitleSecondary, static_cast<LONG>(kTitle2)},
                     {kThemeTitleBarStyle, 3}};
    {
        DrawSurface surface(60, 20);
        RECT band{0, 0, 50, 10};
        DrawThemedBackground(surface.dc(), band, false, false, false, false);
        EXPECT_EQ(surface.Pixel(20, 5), kWhite);
        EXPECT_EQ(surface.Pixel(0, 0), kWhite);
        EXPECT_EQ(surface.Pixel(20, 10), kTitle2);
        EXPECT_EQ(surface.Pixel(2, 10), kWhite);
    }
    theme.Set(kThemeTitleBarStyle, 0);
    DrawSurface surface(60, 20);
    RECT band{0, 0, 50, 10};
    DrawThemedBackground(surface.dc(), band, false, false, false, true);
    EXPECT_EQ(surface.Pixel(20, 5), kTitle);
    EXPECT_EQ(surface.Pixel(0, 0), DarkenColor(kTitle, 60));
    EXPECT_EQ(band.left, 1);
    EXPECT_EQ(band.top, 1);
    EXPECT_EQ(band.bottom, 9);
}

TEST(ThemedBackground, GlossLeavesItsLastThreeRowsToTheGradientBeneath) {
    platform::testing::TestDevice device;
    ThemeWords theme{{kThemeTitlePrimary, static_cast<LONG>(kTitle)},
                     {kThemeTitleSecondary, static_cast<LONG>(kTitle2)},
                     {kThemeTitleGradient, 1},
                     {kThemeGradientStyle, 4}};
    DrawSurface surface(60, 30);
    RECT band{0, 0, 40, 20};
    DrawThemedBackground(surface.dc(), band, true, false, true, false);
    // Gloss band rows 1..10 (gh 10): rows 1..7 glossed, rows 8..10 show the vertical gradient.
    EXPECT_EQ(surface.Pixel(1, 1), RGB(255 - 3 * (255 - 100) / 10, 255 - 3 * (255 - 200) / 10, 255 - 3 * (255 - 100) / 10));
    EXPECT_EQ(surface.Pixel(0, 9), kTitle);
    EXPECT_EQ(surface.Pixel(0, 15), kTitle);
}

class ThemedBar : public ::testing::Test {
protected:
    ThemedBar() { CreateThemeFonts(); }
    ~ThemedBar() override { DeleteThemeFonts(); }
    platform::testing::TestDevice device_;
};

TEST_F(ThemedBar, MeasuringGivesTheDrawnHeightAndDrawsNothing) {
    ThemeWords theme{{kThemeTitlePrimary, static_cast<LONG>(kTitle)},
                     {kThemeTitleLightText, static_cast<LONG>(kWhite)},
                     {kThemeTitleSecondary, static_cast<LONG>(kTitle2)}};
    for (const LONG style : {0, 1, 2, 3}) {
        theme.Set(kThemeTitleBarStyle, style);
        DrawSurface surface(240, 40);
        ThemedBarArgs args;
        args.x = 6;
        args.y = 8;
        args.leftText = u"Monday";
        args.rightText = u"3 items";
        args.rightEdge = 240;
        args.draw = false;
        const int measured = DrawThemedBar(surface.dc(), nullptr, args);
        for (int x = 0; x < 240; x += 7) ASSERT_EQ(surface.Pixel(x, 12), kWhite) << style;
        args.draw = true;
        EXPECT_EQ(DrawThemedBar(surface.dc(), nullptr, args), measured) << style;
        EXPECT_GT(measured, 5);
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "ui";
        std::filesystem::create_directories(out);
        platform::testing::SaveDcAsPng(surface.dc(), out / ("themed_bar_style" + std::to_string(style) + ".png"));
    }
}

// The label tab makes room for a big category icon from font size 15 on a QVGA screen, and its icon
// box is the big one too: 16 pixels, not the 12 of the plain bar at that size.
TEST_F(ThemedBar, LabelTabsCategoryIconBoxIsBigWhereItsTextMakesRoom) {
    ThemeWords theme{{kThemeTitlePrimary, static_cast<LONG>(kTitle)},
                     {kThemeTitleLightText, static_cast<LONG>(kWhite)},
                     {kThemeTitleSecondary, static_cast<LONG>(kTitle2)},
                     {kThemeTitleBarStyle, 2}};
    const LONG fontSize = g_Settings.fontSize;
    g_Settings.fontSize = 15;
    CatRecord category;
    category.name = u"Travel";
    category.icon = 3;
    g_CatList.InsertAt(0, category);
    DrawSurface surface(240, 40);
    ThemedBarArgs args;
    args.x = 6;
    args.y = 8;
    args.leftText = u"Travel";
    args.rightEdge = 240;
    args.categoryIndex = 0;
    DrawThemedBar(surface.dc(), nullptr, args);
    constexpr COLORREF kBoxPen = 0x202020;
    const int top = args.y + 1;
    EXPECT_EQ(surface.Pixel(6 + 15, top + 5), kBoxPen);   // the right side of a 16-pixel box
    EXPECT_EQ(surface.Pixel(6 + 5, top + 15), kBoxPen);   // and its bottom
    EXPECT_NE(surface.Pixel(6 + 11, top + 5), kBoxPen);   // not the side of a 12-pixel one
    g_CatList.RemoveAt(0);
    g_Settings.fontSize = fontSize;
}

// On QVGA at font size 16 the plain bar's big icon box sits one pixel higher, at 15 the small box
// stays where it is.
TEST_F(ThemedBar, BarsBigIconBoxSitsOneHigherAtFontSize16) {
    ThemeWords theme{{kThemeTitlePrimary, static_cast<LONG>(kTitle)},
                     {kThemeTitleLightText, static_cast<LONG>(kWhite)},
                     {kThemeTitleSecondary, static_cast<LONG>(kTitle2)},
                     {kThemeTitleBarStyle, 0}};
    const LONG fontSize = g_Settings.fontSize;
    CatRecord category;
    category.name = u"Travel";
    category.icon = 3;
    g_CatList.InsertAt(0, category);
    constexpr COLORREF kBoxPen = 0x202020;
    struct Case {
        LONG fontSize;
        int boxTop;  // below the bar's y
        int size;
    } const cases[] = {{15, 1, 12}, {16, 0, 16}};
    for (const Case& c : cases) {
        g_Settings.fontSize = c.fontSize;
        DrawSurface surface(240, 40);
        ThemedBarArgs args;
        args.x = 6;
        args.y = 10;
        args.leftText = u"Travel";
        args.rightEdge = 240;
        args.categoryIndex = 0;
        DrawThemedBar(surface.dc(), nullptr, args);
        const int top = args.y + c.boxTop;
        EXPECT_EQ(surface.Pixel(6 + 5, top), kBoxPen) << c.fontSize;
        EXPECT_NE(surface.Pixel(6 + 5, top - 1), kBoxPen) << c.fontSize;
        EXPECT_EQ(surface.Pixel(6 + 5, top + c.size - 1), kBoxPen) << c.fontSize;
    }
    g_CatList.RemoveAt(0);
    g_Settings.fontSize = fontSize;
}

TEST(DropButton, UnknownStyleDrawsTheLastCellsAndNoStripDrawsNothing) {
    platform::testing::TestDevice device;
    DrawSurface surface(60, 30);
    EXPECT_FALSE(DrawDropButton(surface.dc(), 5, 5, true, 9));
    EXPECT_EQ(surface.Pixel(10, 10), kWhite);
}

}  // namespace
