// The item glyphs the calendar draws by icon number, from the program's own image lists, and the
// pick of an item's custom icon: stored and written at once, or kept pending for a new item.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/program_folder.h"
#include "draw_surface.h"
#include "editors/appt_form.h"
#include "editors/pick_item_icon.h"
#include "frame/main_window.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "resources/quorvia_resources.h"
#include "ui/dialog_conventions.h"
#include "ui/icon_picker.h"
#include "ui/item_paint.h"
#include "ui/view_commands.h"

namespace {

namespace pt = platform::testing;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ItemGlyphs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    ItemGlyphs() {
        g_Main.instance = GetModuleHandleW(nullptr);
        g_CustomIconIndex.RemoveAll();
        g_ApptEditFlags = ApptEditFlags{};
        pt::ClearDialogs();
    }
    ~ItemGlyphs() override {
        DestroyAllImageLists();
        g_CustomIconIndex.RemoveAll();
        g_ApptEditFlags = ApptEditFlags{};
        PickedIcon = kNoIcon;
        pt::ClearDialogs();
    }
    void SetScreen(int width, int height) {
        DestroyAllImageLists();
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
        CreateAllImageLists();
    }
    static int Inked(const DrawSurface& surface, int size) {
        int count = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) count += surface.Pixel(x, y) != kWhite;
        return count;
    }
    std::string IconsFile() const {
        std::string text = device_.ReadFile(ProgramFolderFile(u"zqicons.dat"));
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }
    pt::TestDevice device_;
};

TEST_F(ItemGlyphs, EveryPainterInksWhereItDraws) {
    struct Case {
        const char* what;
        std::function<void(HDC)> paint;
    };
    const Case cases[] = {
        {"alarm", [](HDC dc) { DrawStatusIcon(dc, 0, 0, kIconAlarm, true, false, false); }},
        {"birthday", [](HDC dc) { DrawStatusIcon(dc, 0, 0, kIconBirthday, true, false, false); }},
        {"field open", [](HDC dc) { DrawStatusIcon(dc, 0, 0, kIconFieldOpen, true, false, false); }},
        {"high importance", [](HDC dc) { DrawStatusIcon(dc, 0, 0, kIconHighImportance, true, true, false); }},
        {"large anniversary", [](HDC dc) { DrawLargeStatusIcon(dc, 0, 0, kIconAnniversary); }},
        {"large list icon", [](HDC dc) { DrawLargeListIcon(dc, 0, 0, 1); }},
        {"small item image", [](HDC dc) { DrawItemImage(dc, ItemImageList::Small, 1, 0, 0); }},
        {"medium item image", [](HDC dc) { DrawItemImage(dc, ItemImageList::Medium, 1, 0, 0); }},
        {"large item image", [](HDC dc) { DrawItemImage(dc, ItemImageList::Large, 1, 0, 0); }},
        {"field icon", [](HDC dc) { DrawFieldIcon(dc, 0, 0, 0); }},
    };
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
        SetScreen(width, height);
        for (const Case& c : cases) {
            DrawSurface surface(40, 40);
            c.paint(surface.dc());
            EXPECT_GT(Inked(surface, 40), 0) << c.what << " on " << width;
        }
    }
}

TEST_F(ItemGlyphs, StatusAdvancesAndMeasuringDrawsNothing) {
    struct Case {
        int icon;
        bool big, vgaSmall;
        int qvga, vga;
    };
    constexpr Case kCases[] = {
        {kIconAlarm, false, false, 10, 14}, {kIconAlarm, true, false, 14, 27},  {kIconAlarm, false, true, 10, 10},
        {kIconBirthday, false, false, 12, 16}, {kIconBirthday, true, false, 16, 29},
        {kIconProject, false, true, 10, 14},  // the project icon ignores tiny for its advance
        {kIconFieldClose, false, false, 10, 14},
    };
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
        SetScreen(width, height);
        for (const Case& c : kCases) {
            DrawSurface surface(40, 40);
            const int advance = DrawStatusIcon(surface.dc(), 0, 0, c.icon, false, c.big, c.vgaSmall);
            EXPECT_EQ(advance, width == 480 ? c.vga : c.qvga) << c.icon << " on " << width;
            EXPECT_EQ(Inked(surface, 40), 0) << c.icon;
            EXPECT_EQ(DrawStatusIcon(surface.dc(), 0, 0, c.icon, true, c.big, c.vgaSmall), advance);
        }
    }
}

TEST_F(ItemGlyphs, PickStoresReplacesOrKeepsPending) {
    struct Case {
        const char* what;
        LONG oid;
        bool accept;
        const char* wantFile;  // nullptr: the file is not written
        LONG wantPending, wantFlag;
    };
    const Case cases[] = {
        {"cancel", 7, false, nullptr, -1, 0},
        {"new item: pending only", kNoId, true, nullptr, 5, 1},
        {"replaces the old pair", 7, true, "1\n7\n5\n", -1, 0},
    };
    for (const Case& c : cases) {
        g_CustomIconIndex.RemoveAll();
        IdIndexInsert(7, 3, g_CustomIconIndex);
        g_ApptEditFlags = ApptEditFlags{};
        device_.WriteFile(ProgramFolderFile(u"zqicons.dat"), "untouched");
        LONG seeded = -2;
        pt::ActInsideDialog([&](HWND dialog) {
            seeded = PickedIcon;
            PickedIcon = 5;
            SendMessageW(dialog, WM_COMMAND, c.accept ? kDlgAccept : kDlgCancel, 0);
        });
        PickItemCustomIcon(nullptr, c.oid);
        EXPECT_EQ(seeded, c.oid == kNoId ? kNoIcon : 3) << c.what;
        EXPECT_EQ(IconsFile(), c.wantFile ? c.wantFile : "untouched") << c.what;
        EXPECT_EQ(g_ApptEditFlags.pickedIcon, c.wantPending) << c.what;
        EXPECT_EQ(g_ApptEditFlags.iconPicked, c.wantFlag) << c.what;
        EXPECT_EQ(IdIndexGet(7, g_CustomIconIndex), c.accept && c.oid == 7 ? 5 : 3) << c.what;
    }
}

}  // namespace
