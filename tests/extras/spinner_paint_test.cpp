// What the launcher wheel draws: each entry's picture by its kind, the centre picture by the theme,
// the date and time glyphs and the battery glyph by the device's power reading, on a QVGA and a VGA
// screen.
#include "extras/theme.h"
#include "tests/extras/spinner_fixture.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "core/poom_session.h"
#include "core/theme.h"
#include "core/theme_words.h"
#include "extras/extra_commands.h"
#include "frame/menu_bars.h"
#include "lists/cts_picture.h"
#include "platform/gdi.h"
#include "platform/poom.h"
#include "platform/testing_draw.h"
#include "resources/resource.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"

namespace {

using spintest::SpinnerTest;

class SpinnerPaintTest : public SpinnerTest {
protected:
    SpinnerPaintTest() {
        ViewId = kViewSpinner;
        FitToWorkArea();
    }
    // The main window below the shell's bar, as the program places it.
    static void FitToWorkArea() {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        MoveWindow(g_Frame.mainWnd, work.left, work.top, work.right - work.left, work.bottom - work.top, FALSE);
    }

    void Paint() {
        HDC dc = GetDC(g_Frame.mainWnd);
        DrawSpinnerStrip(dc);
        ReleaseDC(g_Frame.mainWnd, dc);
    }
    static COLORREF ClientPixel(int x, int y) {
        HDC dc = GetDC(g_Frame.mainWnd);
        const COLORREF pixel = GetPixel(dc, x, y) & 0xFFFFFF;
        ReleaseDC(g_Frame.mainWnd, dc);
        return pixel;
    }
    static void Add(SpinEntry entry, LONG position) {
        entry.position = position;
        g_Spinner.entries.Append(entry);
        g_Spinner.loaded = true;
    }
    static SpinEntry Of(LONG kind, LONG icon, const char16_t* target = u"", LONG item = -1) {
        SpinEntry entry;
        entry.name = u"x";
        entry.kind = kind;
        entry.icon = icon;
        entry.target = target;
        entry.item = item;
        return entry;
    }
    // A rectangle of the main window's client area on the screen.
    static RECT OnScreen(RECT rect) {
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        ClientToScreen(g_Frame.mainWnd, &corners[0]);
        ClientToScreen(g_Frame.mainWnd, &corners[1]);
        return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    // The pictures the screen shows wholly inside a wheel position's picture square.
    std::vector<platform::testing::DrawnPicture> AtSlot(int position) const {
        return record_.ScreenPicturesIn(OnScreen(SpinnerSlotRect(GetSpinnerGeometry(), position, false)));
    }
    std::vector<platform::testing::DrawnPicture> BatteryCorner() const {
        return record_.ScreenPicturesIn(OnScreen(RECT{0, 0, 48, 32}));
    }
    static bool Has(const std::vector<platform::testing::DrawnPicture>& pictures, int resourceId, int index) {
        return std::any_of(pictures.begin(), pictures.end(), [&](const platform::testing::DrawnPicture& p) {
            return p.resourceId == resourceId && p.index == index;
        });
    }
    // A host folder of power supplies as the device reports them.
    void PowerSupplies(const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>& supplies) {
        const std::filesystem::path root = device_.Root() / "power_supply";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        for (const auto& [name, files] : supplies) {
            std::filesystem::create_directories(root / name);
            for (const auto& [file, text] : files) std::ofstream(root / name / file) << text << "\n";
        }
        platform::DeviceProfile profile = platform::Profile();
        profile.values["power_supply"] = root.string();
        device_.SetProfile(profile);
    }

    platform::testing::TestScreen screen_;
    platform::testing::DrawRecord record_;
};

TEST_F(SpinnerPaintTest, EachEntryShowsThePictureOfItsKind) {
    // The shell's large file icons: 2 a text file, 3 a picture.
    constexpr int kTextIcon = 2;
    constexpr int kPictureIcon = 3;
    struct Case {
        const char* name;
        SpinEntry entry;
        int resourceId;
        int front;   // the picture's index at the front
        int dimmed;  // and away from it
    };
    const Case cases[] = {
        {"view", Of(kSpinView, SpinnerViewIcon(6)), IDB_SPIN_ICONS, 14, 15},
        {"saved task list", Of(kSpinSavedView, SpinnerSavedViewIcon(5)), IDB_SPIN_ICONS, 36, 37},
        {"web address", Of(kSpinWebAddress, kSpinWebIcon, u"http://example.org"), IDB_SPIN_ICONS, 22, 23},
        {"contact without a picture", Of(kSpinContact, -1, u"", 4711), IDB_SPIN_ICONS, 26, 27},
        {"text file", Of(kSpinFile, -1, u"\\My Documents\\list.txt"), 0, kTextIcon, kTextIcon},
        {"picture file", Of(kSpinFile, -1, u"\\My Documents\\beach.jpg"), 0, kPictureIcon, kPictureIcon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Spinner.entries.RemoveAll();
        FreeSpinnerPictures();
        Add(c.entry, 0);
        Add(c.entry, 4);
        record_.Clear();
        Paint();
        EXPECT_TRUE(Has(AtSlot(0), c.resourceId, c.front));
        EXPECT_TRUE(Has(AtSlot(4), c.resourceId, c.dimmed));
        // The dimmed picture of a file is made once and kept for the next paint.
        if (c.entry.kind == kSpinFile) {
            EXPECT_EQ(g_Spinner.entries[1].pictureSlot, 0);
        }
    }
    // A plain view and a file never share a picture.
    EXPECT_NE(SpinnerViewIcon(0), SpinnerViewIcon(6));
}

TEST_F(SpinnerPaintTest, ContactEntryShowsTheContactsOwnPicture) {
    std::ifstream in(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    StartPoomSession(nullptr);
    LONG oid = -1;
    {
        PoomPtr<IDispatch> made;
        ASSERT_EQ(GetPoomApp()->CreateItem(olContactItem, made.Out()), S_OK);
        const PoomPtr<IItem> item = QueryPoom<IItem>(made.Get(), IID_IItem);
        ASSERT_TRUE(item);
        PoomPtr<IStream> stream;
        ASSERT_EQ(item->OpenProperty(PIMPR_PICTURE, GENERIC_READ | GENERIC_WRITE, stream.Out()), S_OK);
        ULONG written = 0;
        stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
        stream.Reset();
        ASSERT_EQ(item->Save(), S_OK);
        CEOID madeOid = 0;
        item->get_Oid(&madeOid);
        oid = static_cast<LONG>(madeOid);
    }
    Add(Of(kSpinContact, -1, u"", oid), 0);
    Add(Of(kSpinContact, -1, u"", oid), 4);
    Paint();
    // Framed like the contact list's pictures, at the front and away from it, and no stand-in.
    const SpinnerGeometry g = GetSpinnerGeometry();
    for (const int position : {0, 4}) {
        SCOPED_TRACE(position);
        const POINT at = GetSpinnerSlotPos(g, position);
        EXPECT_EQ(ClientPixel(at.x, at.y), kPictureFrameColour);
        EXPECT_FALSE(Has(AtSlot(position), IDB_SPIN_ICONS, 26 + (position == 0 ? 0 : 1)));
    }
    // The dimmed one is made once and kept.
    EXPECT_EQ(g_Spinner.entries[1].pictureSlot, 0);
    FreeSpinnerPictures();
    EndPoomSession();
}

TEST_F(SpinnerPaintTest, CentrePictureFollowsTheThemeStyle) {
    constexpr int kCentreWord = 53;
    const int pictures[] = {IDB_SPIN_BOXES, IDB_SPIN_BALL, IDB_SPIN_COMPASS};
    for (LONG style = 0; style < 3; ++style) {
        SCOPED_TRACE(style);
        SetThemeWord(kCentreWord, style);
        record_.Clear();
        Paint();
        for (LONG other = 0; other < 3; ++other) EXPECT_EQ(record_.ScreenShowsPicture(pictures[other]), other == style);
    }
    // "Center Z" is the program's own PNG; the centre then differs from the compass's.
    SetThemeWord(kCentreWord, 2);
    Paint();
    const SpinnerGeometry g = GetSpinnerGeometry();
    const COLORREF compass = ClientPixel(g.cx - 12, g.cy);
    SetThemeWord(kCentreWord, 3);
    record_.Clear();
    Paint();
    for (const int picture : pictures) EXPECT_FALSE(record_.ScreenShowsPicture(picture));
    EXPECT_NE(ClientPixel(g.cx - 12, g.cy), compass);
}

// The launch animation's first frames shrink the centre picture about the wheel's middle; the
// compass gives way to the ball, the program's own picture shrinks as well, and later frames show
// no centre.
TEST_F(SpinnerPaintTest, LaunchAnimationShrinksTheCentrePicture) {
    namespace pt = platform::testing;
    constexpr int kCentreWord = 53;
    constexpr int kDecoded = 0;  // the PNG is decoded from the resource's bytes
    Add(Of(kSpinView, 0), 0);
    const SpinnerGeometry g = GetSpinnerGeometry();
    const RECT middle = OnScreen(RECT{g.cx - 1, g.cy - 1, g.cx + 1, g.cy + 1});
    // The centre picture on the screen: the picture of that source over the wheel's middle.
    const auto centreOf = [&](int source) -> std::optional<RECT> {
        for (const pt::DrawnPicture& p : record_.ScreenPictures()) {
            RECT both{};
            if (p.resourceId == source && IntersectRect(&both, &p.rect, &middle) && EqualRect(&both, &middle))
                return p.rect;
        }
        return std::nullopt;
    };
    struct Case {
        LONG style;
        LONG stillStyle;  // the still wheel's style that shows the same picture
        int shown;
    };
    const Case cases[] = {{0, 0, IDB_SPIN_BOXES}, {2, 1, IDB_SPIN_BALL}, {3, 3, kDecoded}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        SetThemeWord(kCentreWord, c.stillStyle);
        record_.Clear();
        Paint();
        const std::optional<RECT> whole = centreOf(c.shown);
        ASSERT_TRUE(whole) << "the still wheel's centre";
        const int side = whole->right - whole->left;
        SetThemeWord(kCentreWord, c.style);
        g_Wheel.animMode = 1;
        const int sides[] = {side * 3 / 4, side / 2, side / 4, 0, 0};
        for (int frame = 1; frame <= 5; ++frame) {
            SCOPED_TRACE(frame);
            g_Wheel.animFrame = frame;
            record_.Clear();
            HDC dc = GetDC(g_Frame.mainWnd);
            PaintSpinnerView(dc);
            ReleaseDC(g_Frame.mainWnd, dc);
            EXPECT_FALSE(record_.ScreenShowsPicture(IDB_SPIN_COMPASS));
            const std::optional<RECT> shrunk = centreOf(c.shown);
            if (sides[frame - 1] == 0) {
                EXPECT_FALSE(shrunk);
                continue;
            }
            ASSERT_TRUE(shrunk);
            EXPECT_NEAR(shrunk->right - shrunk->left, sides[frame - 1], 1);
        }
        g_Wheel.animMode = 0;
        g_Wheel.animFrame = 0;
    }
}

TEST_F(SpinnerPaintTest, DateAndTimeStandBesideTheirGlyphs) {
    Paint();
    RECT view{};
    GetViewClientRect(g_Frame.mainWnd, view);
    view = OnScreen(view);
    const RECT band{view.left, view.bottom - 24, view.right, view.bottom};
    std::vector<RECT> glyphs;
    for (const auto& p : record_.ScreenPicturesIn(band))
        if (p.resourceId == IDB_SPIN_DATE_TIME) glyphs.push_back(p.rect);
    ASSERT_EQ(glyphs.size(), 2u);
    std::sort(glyphs.begin(), glyphs.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    EXPECT_EQ(glyphs[0].left, view.left + 3);
    EXPECT_EQ(glyphs[1].right, view.right - 3);
    const auto texts = record_.ScreenTextsIn(band);
    ASSERT_EQ(texts.size(), 2u);
    const auto& date = texts[0].rect.left < texts[1].rect.left ? texts[0] : texts[1];
    const auto& time = texts[0].rect.left < texts[1].rect.left ? texts[1] : texts[0];
    EXPECT_GE(date.rect.left, glyphs[0].right);
    EXPECT_LE(time.rect.right, glyphs[1].left);
    EXPECT_NE(time.text.find(u':'), std::u16string::npos);
}

TEST_F(SpinnerPaintTest, BatteryGlyphAndPercentageFollowThePowerReading) {
    using Files = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, Files>> supplies;
        int glyph;  // -1: no battery shown
        const char16_t* text;
    };
    const Case cases[] = {
        {"full on battery", {{"BAT0", {{"type", "Battery"}, {"capacity", "100"}, {"status", "Discharging"}}},
                             {"AC", {{"type", "Mains"}, {"online", "0"}}}}, 0, u"100%"},
        {"low on battery", {{"BAT0", {{"type", "Battery"}, {"capacity", "12"}, {"status", "Discharging"}}}}, 5, u"12%"},
        {"on the charger", {{"BAT0", {{"type", "Battery"}, {"capacity", "60"}, {"status", "Charging"}}},
                            {"AC", {{"type", "Mains"}, {"online", "1"}}}}, 8, u"60%"},
        {"no reading", {{"BAT0", {{"type", "Battery"}, {"status", "Discharging"}}}}, 6, nullptr},
        {"no battery", {{"AC", {{"type", "Mains"}, {"online", "1"}}}}, -1, nullptr},
    };
    // The default theme asks for the glyphs drawn for a dark background.
    ASSERT_NE(GetThemeWord(55), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PowerSupplies(c.supplies);
        record_.Clear();
        Paint();
        const auto corner = BatteryCorner();
        const bool shown = std::any_of(corner.begin(), corner.end(),
                                       [](const auto& p) { return p.resourceId == IDB_BATTERY_DARK; });
        EXPECT_EQ(shown, c.glyph >= 0);
        if (c.glyph >= 0) {
            EXPECT_TRUE(Has(corner, IDB_BATTERY_DARK, c.glyph));
        }
        EXPECT_EQ(record_.ScreenShows(u"%"), c.text != nullptr);
        if (c.text) {
            EXPECT_TRUE(record_.ScreenShows(c.text));
        }
    }
    // A host without power supplies at all shows no battery either.
    platform::DeviceProfile profile = platform::Profile();
    profile.values["power_supply"] = (device_.Root() / "nothing here").string();
    device_.SetProfile(profile);
    record_.Clear();
    Paint();
    EXPECT_FALSE(record_.ScreenShowsPicture(IDB_BATTERY_DARK));
    // A light theme takes the glyphs drawn for a light background once the list is made again.
    PowerSupplies({{"BAT0", {{"type", "Battery"}, {"capacity", "80"}, {"status", "Discharging"}}}});
    SetThemeWord(55, 0);
    CreateSpinnerImageList();
    record_.Clear();
    Paint();
    EXPECT_TRUE(Has(BatteryCorner(), IDB_BATTERY_LIGHT, 1));
}

TEST_F(SpinnerPaintTest, WheelOnQvgaAndVgaScreens) {
    struct Case {
        int width, height;
        int icons;
        const char* file;
    };
    const Case cases[] = {{240, 320, IDB_SPIN_ICONS, "spinner_wheel_240x320.png"},
                          {480, 640, IDB_SPIN_ICONS_VGA, "spinner_wheel_480x640.png"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        device_.SetProfile(spintest::Screen(c.width, c.height));
        PowerSupplies({{"BAT0", {{"type", "Battery"}, {"capacity", "76"}, {"status", "Discharging"}}}});
        platform::testing::TestScreen screen;
        FitToWorkArea();
        // The soft-key bar is made again for the new screen.
        if (g_MenuBars.spinner) DestroyWindow(g_MenuBars.spinner);
        g_MenuBars.spinner = nullptr;
        g_Spinner = SpinnerItems();
        DetectPlatformVersion();  // the screen's font sizes
        CreateThemeFonts();
        ShowSpinnerView();
        record_.Clear();
        Paint();
        EXPECT_TRUE(Has(AtSlot(0), c.icons, 0));  // "Calendar" at the front, undimmed
        // Its name in the view font, which grows with the screen.
        const auto names = record_.ScreenTextsContaining(u"Calendar");
        ASSERT_FALSE(names.empty());
        HDC dc = GetDC(g_Frame.mainWnd);
        const HGDIOBJ old = SelectObject(dc, g_Main.themeFonts[kFontNormal]);
        SIZE extent{};
        GetTextExtentPoint32W(dc, u"Calendar", 8, &extent);
        SelectObject(dc, old);
        ReleaseDC(g_Frame.mainWnd, dc);
        EXPECT_EQ(names.back().rect.bottom - names.back().rect.top, extent.cy);
        EXPECT_EQ(names.back().rect.right - names.back().rect.left, extent.cx);
        EXPECT_TRUE(Has(AtSlot(1), c.icons, 15));  // "Contacts" next, dimmed
        EXPECT_TRUE(record_.ScreenShowsPicture(c.width >= 480 ? IDB_SPIN_DATE_TIME_VGA : IDB_SPIN_DATE_TIME));
        EXPECT_TRUE(record_.ScreenShows(u"76%"));
        EXPECT_TRUE(platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / c.file));
    }
}

}  // namespace
