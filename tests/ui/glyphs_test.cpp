// The image lists filled from the program's own bitmaps on every screen class, and the glyphs drawn
// from single bitmaps: check boxes, busy-status marks, tiny marks, task-due and field-kind icons,
// the spinner's hub, the platform words and the contacts' positions by OID.
#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "draw_surface.h"
#include "frame/main_window.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "resources/quorvia_resources.h"
#include "ui/draw_prims.h"
#include "ui/image_lists.h"
#include "ui/theme_colors.h"
#include "ui/view_focus.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class Glyphs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    Glyphs() { g_Main.instance = GetModuleHandleW(nullptr); }
    ~Glyphs() override {
        DestroyAllImageLists();
        g_Settings = AppSettings();
    }

    void SetScreen(int width, int height) {
        DestroyAllImageLists();
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
        CreateAllImageLists();
    }

    static int CountNot(const DrawSurface& surface, int x0, int y0, int x1, int y1, COLORREF colour) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) count += surface.Pixel(x, y) != colour;
        return count;
    }

    platform::testing::TestDevice device_;
};

TEST_F(Glyphs, EveryListHoldsThePicturesItsPaintersName) {
    struct Case {
        int width, height;
        int fieldKinds;  // -1: the list is not made on this screen
    } const cases[] = {{240, 320, 12}, {480, 640, 12}, {320, 320, 12}, {176, 220, 12}, {400, 240, 12}};
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const struct {
            HIMAGELIST list;
            int count;
        } lists[] = {
            {g_ImageLists.customSmall, kCustomIconCount}, {g_ImageLists.customLarge, kCustomIconCount},
            {g_ImageLists.statusSmall, 21},               {g_ImageLists.statusLarge, 21},
            {g_ImageLists.callHistory, 4},                {g_ImageLists.callSummary, 13},
            {g_ImageLists.fieldKinds, c.fieldKinds},      {g_ImageLists.weather, 13},
        };
        for (const auto& l : lists) {
            ASSERT_NE(l.list, nullptr) << c.width << "x" << c.height;
            EXPECT_EQ(ImageList_GetImageCount(l.list), l.count) << c.width << "x" << c.height;
        }
        for (HBITMAP glyph : {g_ImageLists.dropButtons, g_ImageLists.stateGlyphs, g_ImageLists.checkGlyphs,
                              g_ImageLists.taskDue, g_ImageLists.contactPicture, g_ImageLists.contactPictureAlt})
            EXPECT_NE(glyph, nullptr) << c.width << "x" << c.height;
        HIMAGELIST own = CreateSmallIconImageList();
        EXPECT_EQ(ImageList_GetImageCount(own), 4);
        ImageList_Destroy(own);
    }
}

TEST_F(Glyphs, StatusAndCustomIconsReallyDraw) {
    SetScreen(240, 320);
    DrawSurface surface(40, 20);
    EXPECT_EQ(DrawStatusIcon10(surface.dc(), 0, 0, true, IconSize::Small, false), 10);
    EXPECT_GT(CountNot(surface, 0, 0, 8, 8, kWhite), 0);
    DrawCustomIcon(surface.dc(), 20, 0, 0, true);
    EXPECT_GT(CountNot(surface, 20, 0, 32, 12, kWhite), 0);
    // Magenta is left out: nothing of the key colour reaches the surface.
    EXPECT_EQ(CountNot(surface, 0, 0, 40, 20, kMagentaKey), 40 * 20);
    // The tiny custom icon on QVGA comes from the 8x8 small list and stays inside its cell.
    DrawSurface tiny(20, 20);
    DrawTinyCustomIcon(tiny.dc(), 4, 4, 0, true);
    EXPECT_GT(CountNot(tiny, 4, 4, 12, 12, kWhite), 0);
    EXPECT_EQ(CountNot(tiny, 0, 0, 20, 20, kWhite), CountNot(tiny, 4, 4, 12, 12, kWhite));
}

TEST_F(Glyphs, CheckGlyphSizesByScreen) {
    struct Case {
        int width, height;
        bool smaller, smallest;
        int advance;
    } const cases[] = {
        {240, 320, false, false, 15},   {240, 320, true, false, 13}, {240, 320, false, true, 10},
        {480, 640, false, false, 34},   {480, 640, true, false, 15}, {480, 640, false, true, 13},
        {176, 220, false, true, 13}, {320, 320, true, false, 13},
    };
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const HBITMAP strip = g_ImageLists.checkGlyphs;
        DrawSurface unchecked(40, 40);
        DrawSurface checked(40, 40);
        EXPECT_EQ(DrawCheckGlyph(unchecked.dc(), 0, 0, false, c.smaller, c.smallest), c.advance) << c.width;
        EXPECT_EQ(DrawCheckGlyph(checked.dc(), 0, 0, true, c.smaller, c.smallest), c.advance) << c.width;
        const int cell = c.advance - 2;
        // Only the checked cell carries the mark; both stay inside the cell.
        EXPECT_GT(CountNot(checked, 0, 0, cell, cell, kWhite), CountNot(unchecked, 0, 0, cell, cell, kWhite));
        EXPECT_EQ(CountNot(checked, 0, 0, 40, 40, kWhite), CountNot(checked, 0, 0, cell, cell, kWhite));
        // The shared strip is never deleted by a draw.
        BITMAP info{};
        EXPECT_NE(GetObjectW(strip, sizeof(info), &info), 0) << c.width;
    }
}

TEST_F(Glyphs, StateGlyphWithoutStatusColoursDrawsTheBusyGroup) {
    SetScreen(240, 320);
    DrawSurface busy(20, 20);
    g_Settings.statusColors = 1;
    EXPECT_EQ(DrawStateGlyph(busy.dc(), 0, 0, kStateFirstCell, false, 2, false), 11);
    g_Settings.statusColors = 0;
    for (int status : {0, 1, 3, 7}) {
        DrawSurface other(20, 20);
        DrawStateGlyph(other.dc(), 0, 0, kStateFirstCell, false, status, false);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) ASSERT_EQ(other.Pixel(x, y), busy.Pixel(x, y)) << status;
    }
    g_Settings.statusColors = 1;
    DrawSurface free(20, 20);
    DrawStateGlyph(free.dc(), 0, 0, kStateFirstCell, false, 0, false);
    EXPECT_NE(free.Pixel(5, 7), busy.Pixel(5, 7));
    // Drawn three pixels down.
    EXPECT_EQ(CountNot(busy, 0, 0, 20, 3, kWhite), 0);
    EXPECT_GT(CountNot(busy, 0, 3, 11, 11, kWhite), 0);
}

TEST_F(Glyphs, StateGlyphAdvances) {
    struct Case {
        int width, height;
        int mode;
        bool pair, smallOnVga;
        int advance;
    } const cases[] = {
        {240, 320, kStatePair, true, false, 6},   {240, 320, kStatePair, false, false, 11},
        {240, 320, kStateSecondCell, false, false, 11}, {480, 640, kStateFirstCell, false, false, 16},
        {480, 640, kStateFirstCell, false, true, 11},   {480, 640, kStatePair, true, false, 6},
    };
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        DrawSurface surface(40, 20);
        EXPECT_EQ(DrawStateGlyph(surface.dc(), 0, 0, c.mode, c.pair, 2, c.smallOnVga), c.advance) << c.width;
    }
}

TEST_F(Glyphs, SmallMarksAndTheirAdvances) {
    struct Case {
        int width, height;
        int fieldKind, taskDue;
    } const cases[] = {{240, 320, 16, 10}, {480, 640, 24, 14}, {176, 220, 10, 10}, {320, 320, 16, 10}};
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        DrawSurface surface(60, 30);
        EXPECT_EQ(DrawFieldKindIcon(surface.dc(), 0, 0, 0, true), c.fieldKind) << c.width;
        EXPECT_EQ(DrawTaskDueGlyph(surface.dc(), 30, 0), c.taskDue) << c.width;
        EXPECT_GT(CountNot(surface, 30, 0, 42, 12, kWhite), 0) << c.width;
    }
    DrawSurface marks(20, 5);
    EXPECT_EQ(DrawTinyMarkKind2(marks.dc(), 0, 0), 5);
    EXPECT_EQ(DrawTinyMarkKind1(marks.dc(), 5, 0), 5);
    EXPECT_EQ(DrawTinyTaskDueMark(marks.dc(), 10, 0), 5);
    EXPECT_NE(marks.Pixel(7, 2), marks.Pixel(12, 2));
    EXPECT_EQ(CountNot(marks, 15, 0, 20, 5, kWhite), 0);
}

TEST_F(Glyphs, DotFillsTheMiddleOfTheView) {
    ThemeWords theme{{kThemeBackground, static_cast<LONG>(RGB(40, 120, 200))}};
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"DotTestWindow";
    RegisterClassW(&wc);
    g_Frame.mainWnd = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr, nullptr,
                                      nullptr);
    RECT view{};
    GetClientRect(g_Frame.mainWnd, &view);
    struct Case {
        DotSize size;
        DotShade shade;
        int radius;
        COLORREF colour;
    } const cases[] = {
        {DotSize::Normal, DotShade::Normal, 110, RGB(40, 120, 200)},
        {DotSize::Large, DotShade::Dim, 140, DarkenColor(RGB(40, 120, 200), 20)},
    };
    for (const Case& c : cases) {
        DrawSurface surface(320, 320);
        DrawDot(surface.dc(), c.size, c.shade);
        const int cy = (view.top + view.bottom) / 2;
        EXPECT_EQ(surface.Pixel(120, cy), c.colour);
        EXPECT_EQ(surface.Pixel(120 + c.radius - 4, cy), c.colour);
        EXPECT_EQ(surface.Pixel(120, cy + c.radius + 4), kWhite);
    }
    DestroyWindow(g_Frame.mainWnd);
    g_Frame = {};
    UnregisterClassW(wc.lpszClassName, nullptr);
}

TEST_F(Glyphs, PlatformWordsAndStartFontSizes) {
    struct Case {
        DWORD major, minor;
        PlatformWords words;
    } const cases[] = {
        {5, 2, {1, 1, 0, 0}}, {5, 1, {0, 1, 0, 0}}, {4, 21, {0, 0, 0, 1}}, {3, 0, {0, 0, 1, 0}}, {6, 0, {1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.osMajor = c.major;
        profile.osMinor = c.minor;
        device_.SetProfile(profile);
        g_PlatformWords = {};
        DetectPlatformVersion();
        EXPECT_EQ(g_PlatformWords.version52OrLater, c.words.version52OrLater) << c.major << "." << c.minor;
        EXPECT_EQ(g_PlatformWords.major5OrLater, c.words.major5OrLater) << c.major << "." << c.minor;
        EXPECT_EQ(g_PlatformWords.major3, c.words.major3) << c.major << "." << c.minor;
        EXPECT_EQ(g_PlatformWords.major4, c.words.major4) << c.major << "." << c.minor;
    }
    struct Fonts {
        int width, height;
        LONG fontSize, smallFont;
    } const fonts[] = {{240, 320, 15, 13}, {320, 320, 18, 15}, {480, 640, 24, 22}, {176, 220, 14, 12}};
    for (const Fonts& f : fonts) {
        g_Settings = AppSettings();
        SetScreen(f.width, f.height);
        DetectPlatformVersion();
        EXPECT_EQ(g_Settings.fontSize, f.fontSize) << f.width;
        EXPECT_EQ(g_Settings.smallFontHeight, f.smallFont) << f.width;
    }
}

// A later major version with a small minor number is still "5.2 or later".
TEST_F(Glyphs, Version6CountsAsLaterThan52) {
    platform::DeviceProfile profile;
    profile.osMajor = 6;
    profile.osMinor = 1;
    device_.SetProfile(profile);
    DetectPlatformVersion();
    EXPECT_EQ(g_PlatformWords.version52OrLater, 1);
}

TEST(OidSlot, ContactPositionByOid) {
    IdIndexInsert(0x80000010, 3, g_CtsIdIndex);
    IdIndexInsert(0x80000020, 0, g_CtsIdIndex);
    EXPECT_EQ(FindOidSlot(0x80000010), 3);
    EXPECT_EQ(FindOidSlot(0x80000020), 0);
    EXPECT_EQ(FindOidSlot(0x80000030), -1);
    EXPECT_EQ(FindOidSlot(-1), -1);
    g_CtsIdIndex.RemoveAll();
}

}  // namespace
