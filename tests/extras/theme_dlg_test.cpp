// The "Select Theme" dialog: the built-in themes listed once, applied by OK or Enter, "Default"
// keeping the current name, and a screenshot of the dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/app_settings.h"
#include "core/theme_record.h"
#include "extras/theme_dlg.h"
#include "frame/main_window.h"
#include "platform/commctrl.h"
#include "platform/device.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"

namespace {

constexpr int kBlackNight = 2;
constexpr int kBackgroundWord = 10;

class SelectTheme : public ::testing::Test {
protected:
    SelectTheme() {
        EXPECT_TRUE(RegisterQuorviaResources());
        InitCommonControls();  // the list view class of the dialog
        g_Main.instance = GetModuleHandleW(nullptr);
        g_Theme = ThemeRec();
        g_Theme.String(kThemeName) = u"Mine";
    }
    ~SelectTheme() override { g_Theme = ThemeRec(); }

    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_THEME_LIST); }
    static void Select(HWND dialog, int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        const int target = row >= 0 ? row : static_cast<int>(SendMessageW(List(dialog), LVM_GETNEXTITEM,
                                                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
        SendMessageW(List(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&item));
    }
    // Opens the dialog, selects `row` (-1: nothing) and ends it by `command` or, with 0, by Enter;
    // with `refused` the command is expected to keep the dialog open, which is then cancelled.
    bool Choose(int row, WPARAM command, int* rows = nullptr, bool refused = false) {
        platform::testing::ActInsideDialog([&](HWND dialog) {
            if (rows) *rows = static_cast<int>(SendMessageW(List(dialog), LVM_GETITEMCOUNT, 0, 0));
            Select(dialog, row);
            if (command != 0) {
                SendMessageW(dialog, WM_COMMAND, command, 0);
            } else {
                SendMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0);
            }
            if (refused) SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        return ThemeDlg(nullptr);
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
};

TEST_F(SelectTheme, BuiltinsAreListedOnceInOrder) {
    int rows = 0;
    Choose(0, IDM_DLG_CANCEL, &rows);
    Choose(0, IDM_DLG_CANCEL, &rows);
    EXPECT_EQ(rows, kBuiltinThemeCount);
    ASSERT_EQ(g_Themes.Size(), kBuiltinThemeCount);
    EXPECT_EQ(g_Themes[0].String(kThemeName), u"Default");
    EXPECT_EQ(g_Themes[8].String(kThemeName), u"Black Phone");
    // "Default" holds exactly the defaults.
    ThemeRec defaults;
    EXPECT_EQ(g_Themes[0].words, defaults.words);
    for (const ThemeRec& theme : g_Themes)
        for (int word = kThemeName + 1; word < kThemeFirstString + kThemeStringCount; ++word)
            EXPECT_TRUE(theme.String(word).empty());
}

TEST_F(SelectTheme, ChoosingAppliesTheThemeAndDefaultKeepsTheName) {
    g_Theme.String(kThemeBackgroundPicture) = u"\\My Documents\\back.png";
    EXPECT_TRUE(Choose(kBlackNight, IDM_DLG_DONE));
    EXPECT_EQ(g_Theme.String(kThemeName), u"Black Night");
    EXPECT_EQ(g_Theme.words[kBackgroundWord], 0x282828);
    EXPECT_TRUE(g_Theme.String(kThemeBackgroundPicture).empty());

    EXPECT_TRUE(Choose(0, 0));  // Enter
    EXPECT_EQ(g_Theme.String(kThemeName), u"Black Night");
    EXPECT_EQ(g_Theme.words, ThemeRec().words);
}

TEST_F(SelectTheme, NothingSelected) {
    // OK with no selection keeps the dialog open; the test then cancels it.
    EXPECT_FALSE(Choose(-1, IDM_DLG_DONE, nullptr, true));
    EXPECT_EQ(g_Theme.String(kThemeName), u"Mine");
    // Enter with no selection closes with OK and leaves the theme unchanged.
    EXPECT_TRUE(Choose(-1, 0));
    EXPECT_EQ(g_Theme.String(kThemeName), u"Mine");
    EXPECT_EQ(g_Theme.words, ThemeRec().words);
}

TEST_F(SelectTheme, EveryRowShowsThePalettePicture) {
    platform::testing::DrawRecord record;
    int palettes = 0;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        InvalidateRect(List(dialog), nullptr, TRUE);
        platform::testing::PumpUntilIdle();
        for (const auto& picture : record.ScreenPictures())
            if (picture.resourceId == IDB_FIELD_STRIP && picture.index == 36) ++palettes;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_FALSE(ThemeDlg(nullptr));
    // One per row on screen: the nine built-ins fit the list of a QVGA screen.
    EXPECT_EQ(palettes, kBuiltinThemeCount);
}

TEST_F(SelectTheme, Screenshot) {
    platform::testing::ActInsideDialog([](HWND dialog) {
        platform::testing::PumpUntilIdle();
        const std::filesystem::path folder = QV_TEST_OUTPUT_DIR;
        EXPECT_TRUE(platform::testing::SaveScreenshot(folder / "select_theme.png"));
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_FALSE(ThemeDlg(nullptr));
}

}  // namespace

namespace {

// On a VGA screen the theme rows are written in the list font of that screen class (the theme's
// list font at the size the settings give VGA), not in a font of another size.
TEST_F(SelectTheme, RowsUseTheScreenClassListFontOnVga) {
    platform::DeviceProfile profile = platform::Profile();
    profile.screenWidth = 480;
    profile.screenHeight = 640;
    device_.SetProfile(profile);
    const AppSettings kept = g_Settings;
    // The VGA row of the font tables: a 24 font and a list font of 24.
    g_Settings.fontSize = 24;
    g_Settings.smallFontHeight = 24;
    CreateThemeFonts();
    SIZE expected{};
    {
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, g_Main.themeFonts[kFontList]);
        GetTextExtentPoint32W(dc, u"Pink Fusion", 11, &expected);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    platform::testing::DrawRecord record;
    platform::testing::ActInsideDialog([](HWND dialog) {
        platform::testing::PumpUntilIdle();
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    ThemeDlg(nullptr);
    DeleteThemeFonts();
    g_Settings = kept;
    const auto rows = record.ScreenTextsContaining(u"Pink Fusion");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rect.bottom - rows[0].rect.top, expected.cy);
}

}  // namespace
