// The program's own resources, read back through the platform's calls as the program reads them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/system.h"
#include "resources/bitmap_resource.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "resources/softkey_bar.h"

namespace {

class QuorviaResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
};

std::u16string Str(UINT id) {
    WCHAR buffer[256];
    const int n = LoadStringW(nullptr, id, buffer, 256);
    return std::u16string(buffer, static_cast<std::size_t>(n));
}

TEST_F(QuorviaResources, StringsReadAsTheyStand) {
    struct Case {
        UINT id;
        const char16_t* text;
    };
    const Case cases[] = {
        {IDS_PRODUCT_TITLE, u"Vestral Agenda"},
        {IDS_MEETING_CANCEL_SENT, u"Cancel of Meeting Request has been sent."},
        {IDS_POWER_DOWN_NOTE, u"Note:  A power down might be required for all settings to take effect."},
        {IDS_LOAD_EXCEPTION_FMT, u"Database Load Exception in '%s'. Please Report to Hollyfen."},
        {IDS_CUSTOM_RECUR_END_BEFORE_START, u"Custom Recurrence End Date is Before Start Date. "},
        {IDS_ZOOM_FMT, u"Zoom(%d%%)"},
        {IDS_PRESS_HASH_FOR_ALL, u"Press '#' for All."},
        {IDS_SEARCH_ENTRY, u"..::Search"},
        {IDS_SELECT_TIME, u"Select Time:"},
    };
    for (const Case& c : cases) EXPECT_EQ(Str(c.id), c.text) << c.id;
}

// WinMain's instance, GetModuleHandleW(nullptr) and the null module are all the program.
TEST_F(QuorviaResources, ProgramInstanceAndNullModuleAreTheSame) {
    WCHAR buffer[32];
    EXPECT_EQ(LoadStringW(GetModuleHandleW(nullptr), IDS_PRODUCT_TITLE, buffer, 32), 14);
    EXPECT_EQ(LoadStringW(nullptr, IDS_PRODUCT_TITLE, buffer, 32), 14);
    const HRSRC viaInstance = FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROMPT_TEXT), RT_DIALOG);
    EXPECT_NE(viaInstance, nullptr);
    EXPECT_EQ(viaInstance, FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_PROMPT_TEXT), RT_DIALOG));
    EXPECT_GT(SizeofResource(nullptr, viaInstance), 0u);
}

TEST_F(QuorviaResources, MonthBarIsTheStoredThirtyTwoBytes) {
    const HRSRC bar = FindResourceW(nullptr, MAKEINTRESOURCEW(IDM_MONTH_BAR), RT_RCDATA);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, bar), 32u);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(nullptr, bar)));
    const std::array<WORD, 16> expected = {20000, 2, 0xFFFE, 20001, 4, 0x10, 357, 0, 0xFFFF,
                                           0xFFFE, 20002, 4, 0x18, 104, 0, 1};
    EXPECT_EQ((std::vector<WORD>(words, words + 16)), (std::vector<WORD>(expected.begin(), expected.end())));
}

// Every bar names its menu, each pop-up index exists there, and each button's text loads.
TEST_F(QuorviaResources, BarsAgreeWithTheirMenusAndStrings) {
    for (const WORD id : {IDM_MONTH_BAR, IDM_DONE_CANCEL_BAR}) {
        const auto bar = platform::LoadSoftKeyBar(nullptr, MAKEINTRESOURCEW(id));
        ASSERT_TRUE(bar.has_value()) << id;
        EXPECT_EQ(bar->menuId, id);
        const auto menu = platform::LoadMenuTemplate(nullptr, MAKEINTRESOURCEW(bar->menuId));
        ASSERT_TRUE(menu.has_value()) << id;
        for (const auto& button : bar->buttons) {
            EXPECT_FALSE(Str(button.stringId).empty()) << id << " button " << button.command;
            if (button.subMenu == platform::kSoftKeyNoSubMenu) continue;
            ASSERT_LT(button.subMenu, menu->size()) << id;
            EXPECT_TRUE((*menu)[button.subMenu].IsPopup()) << id;
        }
    }
}

// The month view's "Menu" pop-up as the menus table lays it out ("-" a separator).
TEST_F(QuorviaResources, MonthMenuHoldsTheTableEntries) {
    const auto menu = platform::LoadMenuTemplate(nullptr, MAKEINTRESOURCEW(IDM_MONTH_BAR));
    ASSERT_TRUE(menu.has_value());
    ASSERT_EQ(menu->size(), 2u);
    ASSERT_TRUE((*menu)[VIEW_BAR_POPUP_VIEWS].IsPopup());

    struct Entry {
        const char16_t* text;
        WORD id;
    };
    const auto texts = [](const std::vector<platform::MenuTemplateItem>& items) {
        std::vector<std::pair<std::u16string, WORD>> out;
        for (const auto& item : items) out.emplace_back(item.IsSeparator() ? u"-" : std::u16string(item.text), item.id);
        return out;
    };
    const auto expect = [](std::initializer_list<Entry> entries) {
        std::vector<std::pair<std::u16string, WORD>> out;
        for (const Entry& e : entries) out.emplace_back(e.text, e.id);
        return out;
    };
    const auto& main = (*menu)[VIEW_BAR_POPUP_MENU].items;
    EXPECT_EQ(texts(main), expect({{u"New Appt.", 20003}, {u"New Task", 40080}, {u"-", 0}, {u"More", 0},
                                   {u"-", 0}, {u"..::Search", 40016}, {u"-", 0}, {u"Options", 40005},
                                   {u"-", 0}, {u"Filter", 40007}, {u"-", 0}, {u"Exit", 20004}}));
    ASSERT_TRUE(main[3].IsPopup());
    EXPECT_EQ(texts(main[3].items),
              expect({{u"Appt. From Template", 40079}, {u"Task From Template", 40118}, {u"-", 0},
                      {u"Go to Date", 40014}, {u"Today", 40210}, {u"-", 0}, {u"Clean Up Schedule", 40211},
                      {u"-", 0}, {u"Saved Views", 40121}, {u"-", 0}, {u"Save View", 40146}}));
}

TEST_F(QuorviaResources, PromptDialogHasItsControls) {
    const auto dialog = platform::LoadDialogTemplate(nullptr, MAKEINTRESOURCEW(IDD_PROMPT_TEXT));
    ASSERT_TRUE(dialog.has_value());
    EXPECT_FALSE(dialog->extended);
    ASSERT_TRUE(dialog->hasFont);
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->faceName, u"Tahoma");
    ASSERT_EQ(dialog->items.size(), 3u);

    const auto& label = dialog->items[0];
    EXPECT_EQ(label.id, static_cast<DWORD>(IDC_PROMPT_LABEL));
    EXPECT_EQ(label.windowClass.ordinal, platform::kDialogClassStatic);
    EXPECT_EQ(label.title.text, u"Enter Text:");
    const auto& edit = dialog->items[1];
    EXPECT_EQ(edit.id, static_cast<DWORD>(IDC_PROMPT_EDIT));
    EXPECT_EQ(edit.windowClass.ordinal, platform::kDialogClassEdit);
    // Only the input-panel item is unnamed (id 0xFFFF), and it is hidden.
    const auto& panel = dialog->items[2];
    EXPECT_EQ(panel.id, 0xFFFFu);
    EXPECT_EQ(panel.windowClass.text, u"SIPPREF");
    EXPECT_EQ(panel.style & 0x10000000u, 0u);
}

TEST_F(QuorviaResources, ScrollArrowsAreTwoGlyphsOnMagenta) {
    const auto dib = platform::FindBitmapDib(nullptr, MAKEINTRESOURCEW(IDB_SCROLL_ARROWS));
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->width, 18);
    EXPECT_EQ(dib->height, 5);
    EXPECT_EQ(dib->bitCount, 24);
    // Rows are stored bottom-up as blue, green, red.
    const auto pixel = [&](int x, int yFromTop) {
        const BYTE* p = dib->bits.data() + static_cast<std::size_t>(4 - yFromTop) * dib->stride + x * 3;
        return std::array<BYTE, 3>{p[2], p[1], p[0]};
    };
    const std::array<BYTE, 3> magenta = {255, 0, 255};
    EXPECT_EQ(pixel(0, 4), magenta);   // the "more below" arrow narrows to its tip
    EXPECT_NE(pixel(4, 4), magenta);
    EXPECT_NE(pixel(0, 0), magenta);
    EXPECT_EQ(pixel(9, 0), magenta);   // the "more above" arrow starts at its tip
    EXPECT_NE(pixel(13, 0), magenta);
    EXPECT_NE(pixel(17, 4), magenta);
}

TEST_F(QuorviaResources, SpinnerHubsArePngsOfTwoSizes) {
    struct Case {
        WORD id;
        DWORD side;
    };
    for (const Case c : {Case{IDR_SPIN_HUB, 40}, Case{IDR_SPIN_HUB_VGA, 80}}) {
        const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(c.id), u"PNG");
        ASSERT_NE(found, nullptr) << c.id;
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_GT(SizeofResource(nullptr, found), 24u);
        const std::array<BYTE, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        EXPECT_TRUE(std::equal(signature.begin(), signature.end(), bytes)) << c.id;
        const DWORD width = DWORD{bytes[16]} << 24 | DWORD{bytes[17]} << 16 | DWORD{bytes[18]} << 8 | bytes[19];
        EXPECT_EQ(width, c.side) << c.id;
    }
}

}  // namespace
