// The launcher wheel: its positions and spreading, hit tests, turning by key, drag and tap, the
// battery glyph, and a picture of the view.
#include "extras/theme.h"
#include "tests/extras/spinner_fixture.h"

#include "core/theme.h"
#include "core/theme_words.h"
#include "extras/extra_commands.h"
#include "platform/gdi.h"
#include "platform/testing_gdi.h"
#include "ui/draw_prims.h"
#include "ui/theme_pictures.h"

namespace {

using spintest::SpinnerTest;

RECT SlotRect(int position, bool extended) { return SpinnerSlotRect(GetSpinnerGeometry(), position, extended); }
POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class WheelTest : public SpinnerTest {
protected:
    // Entries named "0".."n-1" spread over the wheel.
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'0' + i));
            g_Spinner.entries.Append(Entry(name.c_str(), kSpinView, 0, -1));
        }
        AssignSpinnerPositions(g_Spinner.entries);
        g_Spinner.loaded = true;
        ViewId = kViewSpinner;
    }
    static std::u16string FrontName() {
        const int index = FindSpinnerItemAtPos(0);
        return index >= 0 ? g_Spinner.entries[index].name : u"";
    }
};

TEST_F(WheelTest, EntriesSpreadOverTheWheelByCount) {
    const std::vector<std::vector<LONG>> expected = {
        {0}, {0, 4}, {0, 3, 6}, {0, 2, 4, 6}, {0, 1, 2, 4, 6}, {0, 1, 2, 4, 6, 7}, {0, 1, 2, 3, 4, 6, 7},
        {0, 1, 2, 3, 4, 5, 6, 7}};
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        g_Spinner.entries.RemoveAll();
        Fill(static_cast<int>(n));
        EXPECT_EQ(Positions(), expected[n - 1]) << n << " entries";
    }
}

TEST_F(WheelTest, PositionsOfTheTable) {
    SpinnerGeometry g;
    g.cx = 120;
    g.cy = 150;
    g.bottom = 290;
    g.margin = 40;
    struct Case {
        int position;
        POINT corner;
    };
    const Case cases[] = {{0, {104, 45}},  {1, {156, 81}}, {2, {180, 134}}, {3, {156, 191}},
                          {4, {104, 214}}, {5, {49, 191}}, {6, {28, 134}},  {7, {49, 81}}};
    for (const Case& c : cases) {
        const POINT corner = GetSpinnerSlotPos(g, c.position);
        EXPECT_EQ(corner.x, c.corner.x) << c.position;
        EXPECT_EQ(corner.y, c.corner.y) << c.position;
    }
    EXPECT_EQ(GetSpinnerTopMargin(), 40);  // portrait QVGA
}

TEST_F(WheelTest, PressHitsTheExtendedMainPositionsOfEntriesOnly) {
    Fill(2);  // at 0 and 4
    const RECT front = SlotRect(0, false);
    const POINT above{Centre(front).x, front.top - 30};
    EXPECT_EQ(SpinnerPressHit(above.x, above.y), 1);
    EXPECT_EQ(g_Wheel.pressed, 0);
    const POINT empty = Centre(SlotRect(2, false));
    EXPECT_EQ(SpinnerPressHit(empty.x, empty.y), 0);
    EXPECT_EQ(g_Wheel.pressed, -1);
    ClearSpinnerPress();
    EXPECT_EQ(g_Wheel.pressed, -1);
}

TEST_F(WheelTest, KeysTurnUntilAnEntryIsInFront) {
    Fill(2);
    SpinnerKeyDown(VK_RIGHT);
    // One press skips the gaps: four positions forward.
    EXPECT_EQ(Positions(), (std::vector<LONG>{4, 0}));
    SpinnerKeyDown(VK_UP);
    EXPECT_EQ(Positions(), (std::vector<LONG>{0, 4}));

    g_Spinner.entries.RemoveAll();
    Fill(1);
    SpinnerKeyDown(VK_LEFT);
    EXPECT_EQ(Positions(), (std::vector<LONG>{0}));
}

TEST_F(WheelTest, StepWithNoEntryThatCanReachTheFrontEnds) {
    // An empty wheel, and entries a damaged file left without a position, would keep it turning.
    SpinnerKeyDown(VK_RIGHT);
    EXPECT_TRUE(g_Spinner.entries.IsEmpty());
    g_Spinner.entries.Append(Entry(u"A", kSpinView, 0, -1));
    g_Spinner.entries.Append(Entry(u"B", kSpinView, 1, -1));
    SpinnerKeyDown(VK_LEFT);
    EXPECT_EQ(Positions(), (std::vector<LONG>{-1, -1}));
}

TEST_F(WheelTest, DraggingFollowsThePen) {
    Fill(8);
    struct Case {
        const char* name;
        int from;
        int to;
        const char16_t* front;  // the entry in front afterwards
    };
    const Case cases[] = {
        {"7 to 0 turns one step forward", 7, 0, u"7"},
        {"0 to 6 turns two steps back", 0, 6, u"2"},
        {"2 to 6 turns nothing", 2, 6, u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Spinner.entries.RemoveAll();
        Fill(8);
        const POINT from = Centre(SlotRect(c.from, false));
        const POINT to = Centre(SlotRect(c.to, false));
        ASSERT_EQ(SpinnerPressHit(from.x, from.y), 1);
        SpinnerPenDrag(to.x, to.y);
        EXPECT_EQ(FrontName(), c.front);
        EXPECT_EQ(g_Wheel.pressed, c.to);
        ClearSpinnerPress();
    }
}

TEST_F(WheelTest, TapTurnsTheEntryToTheFrontAndLaunchesIt) {
    Fill(8);
    g_Spinner.entries[5].name = u"Week";
    g_Spinner.entries[5].view = kViewWeek;
    const POINT at = Centre(SlotRect(5, false));
    SpinnerTap(at.x, at.y);
    EXPECT_EQ(g_Spinner.entries[5].position, 0);
    EXPECT_EQ(ViewId, kViewWeek);
}

TEST_F(WheelTest, EnterLaunchesTheFrontEntry) {
    Fill(3);
    SpinnerKeyDown(VK_RETURN);
    EXPECT_EQ(ViewId, kViewMonth);
}

TEST_F(WheelTest, BatteryGlyphs) {
    struct Case {
        int percent;
        bool charging;
        bool external;
        int glyph;
    };
    const Case cases[] = {{255, false, false, 6}, {255, true, false, 7}, {50, false, true, 8}, {100, false, false, 0},
                          {91, false, false, 0},  {90, false, false, 1}, {71, false, false, 1}, {70, false, false, 2},
                          {51, false, false, 2},  {50, false, false, 3}, {31, false, false, 3}, {30, false, false, 4},
                          {15, false, false, 4},  {14, false, false, 5}, {0, false, false, 5}};
    for (const Case& c : cases) EXPECT_EQ(SpinnerBatteryGlyph(c.percent, c.charging, c.external), c.glyph) << c.percent;
}

TEST_F(WheelTest, StartViewShowsTheDefaultsAndPaintsTheFrontBox) {
    platform::testing::TestScreen screen;
    ShowSpinnerView();
    EXPECT_EQ(ViewId, kViewSpinner);
    ASSERT_EQ(g_Spinner.entries.Size(), 8);
    HDC dc = GetDC(g_Frame.mainWnd);
    DrawSpinnerStrip(dc);
    const SpinnerGeometry g = GetSpinnerGeometry();
    // Inside the front box, right of the front picture: white.
    EXPECT_EQ(GetPixel(dc, g.cx - 17, g.margin + 4) & 0xFFFFFF, 0xFFFFFFu);
    // The background away from everything is the darkened theme colour, not white.
    EXPECT_NE(GetPixel(dc, 2, g.cy) & 0xFFFFFF, 0xFFFFFFu);
    ReleaseDC(g_Frame.mainWnd, dc);
    EXPECT_TRUE(platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "spinner_view.png"));
}

TEST_F(WheelTest, ThemeBackgroundPictureReplacesTheRings) {
    const std::u16string path = u"\\My Documents\\spin back.bmp";
    std::filesystem::create_directories(device_.HostPath(u"\\My Documents"));
    std::filesystem::copy_file(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp", device_.HostPath(path));
    ShowSpinnerView();
    const COLORREF back = DarkenColor(static_cast<COLORREF>(GetThemeWord(10)), 40);
    struct Case {
        const char* name;
        std::u16string file;
        COLORREF corner;  // the pixel at (1, 1)
    };
    const Case cases[] = {{"picture", path, RGB(255, 0, 255)}, {"unreadable file", u"\\nowhere.bmp", back}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Theme.String(49) = c.file;
        FreeBackPictures();
        HDC dc = GetDC(g_Frame.mainWnd);
        DrawSpinnerStrip(dc);
        EXPECT_EQ(GetPixel(dc, 1, 1) & 0xFFFFFF, c.corner & 0xFFFFFF);
        ReleaseDC(g_Frame.mainWnd, dc);
    }
}

// The launch animation spreads the wheel over the same picture, in every frame to the last.
TEST_F(WheelTest, LaunchAnimationKeepsTheBackgroundPicture) {
    const std::u16string path = u"\\My Documents\\spin back.bmp";
    std::filesystem::create_directories(device_.HostPath(u"\\My Documents"));
    std::filesystem::copy_file(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp", device_.HostPath(path));
    Fill(2);
    ShowSpinnerView();
    const COLORREF back = static_cast<COLORREF>(GetThemeWord(10));
    struct Case {
        const char* name;
        std::u16string file;
        COLORREF ringFrames;  // the pixel at (1, 1) in frames 1 and 2
        COLORREF laterFrames;
    };
    const Case cases[] = {{"picture", path, RGB(255, 0, 255), RGB(255, 0, 255)},
                          {"no picture", u"", DarkenColor(back, 20), back}};
    g_Wheel.animMode = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Theme.String(49) = c.file;
        FreeBackPictures();
        for (int frame = 1; frame <= 6; ++frame) {
            SCOPED_TRACE(frame);
            g_Wheel.animFrame = frame;
            HDC dc = GetDC(g_Frame.mainWnd);
            PaintSpinnerView(dc);
            EXPECT_EQ(GetPixel(dc, 1, 1) & 0xFFFFFF, (frame <= 2 ? c.ringFrames : c.laterFrames) & 0xFFFFFF);
            ReleaseDC(g_Frame.mainWnd, dc);
        }
    }
    g_Wheel.animMode = 0;
    g_Wheel.animFrame = 0;
}

// Each of the six launch frames stands its 50 ms, however fast it paints.
TEST_F(WheelTest, LaunchAnimationHoldsEachFrame) {
    Fill(2);
    ShowSpinnerView();
    platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 12, 0, 0, 0});
    const DWORD start = GetTickCount();
    AnimateSpinner(1, kViewSpinner);
    const DWORD elapsed = GetTickCount() - start;
    platform::testing::ThawClock();
    EXPECT_EQ(elapsed, 6u * 50u);
    EXPECT_EQ(ViewId, kViewSpinner);
    EXPECT_EQ(g_Wheel.animMode, 0);
}

TEST_F(WheelTest, ContactsSwitchTurnsTheContactsEntryToTheFront) {
    g_Main.contactsSpinner = 1;
    ShowSpinnerView();
    EXPECT_EQ(FrontName(), u"Contacts");
    EXPECT_EQ(g_Main.contactsSpinner, 0);
}

}  // namespace
