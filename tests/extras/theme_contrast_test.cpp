// Every built-in theme keeps its texts readable: a text never takes a colour too close to what it
// is drawn on, here the selected row of the "Select Theme" list, where the selection colour and the
// text colour of a theme may both be light.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <string>

#include "core/theme_record.h"
#include "extras/theme_dlg.h"
#include "frame/main_window.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"

namespace {

// The fill of an area is its most common pixel; the result is the greatest contrast of any pixel
// against it, so a text that shows at all lifts it above 1.
double TextContrastIn(const RECT& area) {
    std::map<COLORREF, int> counts;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) ++counts[platform::testing::ReadScreenPixel(x, y)];
    COLORREF fill = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) std::tie(fill, most) = std::tie(colour, count);
    double best = 1.0;
    for (const auto& [colour, count] : counts) best = std::max(best, ContrastRatio(colour, fill));
    return best;
}

class ThemeContrast : public ::testing::Test {
protected:
    ThemeContrast() {
        EXPECT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        g_Main.instance = GetModuleHandleW(nullptr);
        AddBuiltinThemes();
    }
    ~ThemeContrast() override { g_Theme = ThemeRec(); }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
};

TEST_F(ThemeContrast, SelectedThemeRowReadsInEveryBuiltinTheme) {
    ASSERT_EQ(g_Themes.Size(), kBuiltinThemeCount);
    for (int theme = 0; theme < kBuiltinThemeCount; ++theme) {
        const ThemeRec chosen = g_Themes[theme];
        SCOPED_TRACE(std::string(chosen.String(kThemeName).begin(), chosen.String(kThemeName).end()));
        ThemeRecCopy(g_Theme, chosen);
        double contrast = 0;
        platform::testing::ActInsideDialog([&contrast](HWND dialog) {
            const HWND list = GetDlgItem(dialog, IDC_THEME_LIST);
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            item.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
            platform::testing::PumpUntilIdle();
            RECT row{};
            row.left = LVIR_BOUNDS;
            SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
            MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&row), 2);
            // Inside the selection's frame: only its fill and the row's text.
            constexpr int kInset = 4;
            contrast = TextContrastIn(RECT{row.left + kInset, row.top + kInset, row.right - kInset, row.bottom - kInset});
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        ThemeDlg(nullptr);
        EXPECT_GE(contrast, kReadableContrast);
    }
}

TEST(ReadableText, KeepsAReadableColourAndTakesAnUnreadableOneJustFarEnoughTowardBlackOrWhite) {
    struct Case {
        COLORREF text;
        COLORREF background;
        COLORREF toward;  // the text itself when it reads, else the end it is taken toward
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 0x000000},  // black on white stays
        {0xECECEC, 0x282828, 0xECECEC},  // light on dark stays
        {0xECECEC, 0x98FB98, 0x000000},  // light on a light selection turns dark
        {0x282828, 0x303030, 0xFFFFFF},  // dark on dark turns light
        {0x808080, 0x808080, 0x000000},  // the background's own colour never stays
        {0x00FF80, 0xFFFFFF, 0x000000},  // a bright green on white darkens and stays green
    };
    for (const Case& c : cases) {
        const COLORREF got = ReadableTextColor(c.text, c.background);
        SCOPED_TRACE(::testing::Message() << std::hex << c.text << " on " << c.background << " gives " << got);
        EXPECT_GE(ContrastRatio(got, c.background), kReadableContrast);
        if (c.toward == c.text) {
            EXPECT_EQ(got, c.text);
            continue;
        }
        // Between the text and the end, each channel, and no further than reading needs.
        for (int shift = 0; shift < 24; shift += 8) {
            const int from = static_cast<int>((c.text >> shift) & 0xFF);
            const int to = static_cast<int>((c.toward >> shift) & 0xFF);
            const int mid = static_cast<int>((got >> shift) & 0xFF);
            EXPECT_GE(mid, std::min(from, to));
            EXPECT_LE(mid, std::max(from, to));
        }
        EXPECT_LT(ContrastRatio(got, c.background), kReadableContrast + 0.3);
    }
    EXPECT_NE(ReadableTextColor(0x00FF80, 0xFFFFFF) & 0x00FF00, 0u);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
}

}  // namespace
