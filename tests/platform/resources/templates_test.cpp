// Walking dialog templates, menu templates, soft-key bars and bitmaps in place.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/resources.h"
#include "platform/system.h"
#include "res_fixture.h"
#include "resources/bitmap_resource.h"
#include "resources/dialog_template.h"
#include "resources/menu_template.h"
#include "resources/softkey_bar.h"

namespace {

using restest::Module;

std::span<const BYTE> Data(HINSTANCE m, LPCWSTR name, LPCWSTR type) {
    const HRSRC found = FindResourceW(m, name, type);
    if (!found) return {};
    return {static_cast<const BYTE*>(LoadResource(m, found)), SizeofResource(m, found)};
}

TEST(DialogTemplate, ExtendedFormGivesHeaderFontAndItems) {
    Module fixture(restest::FakeModule(40), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const auto view = platform::LoadDialogTemplate(fixture.Handle(), MAKEINTRESOURCEW(300));
    ASSERT_TRUE(view.has_value());
    EXPECT_TRUE(view->extended);
    EXPECT_EQ(view->style, 0x80C00040u);
    EXPECT_EQ(view->exStyle, 0x8u);
    EXPECT_EQ((std::array{view->x, view->y, view->cx, view->cy}), (std::array<SHORT, 4>{10, 20, 120, 60}));
    EXPECT_TRUE(view->menu.IsEmpty());
    EXPECT_TRUE(view->windowClass.IsEmpty());
    EXPECT_EQ(view->title, u"Extended");
    ASSERT_TRUE(view->hasFont);
    EXPECT_EQ(view->pointSize, 9);
    EXPECT_EQ(view->weight, 700);
    EXPECT_TRUE(view->italic);
    EXPECT_EQ(view->charSet, 1);
    EXPECT_EQ(view->faceName, u"Tahoma");

    ASSERT_EQ(view->items.size(), 3u);
    const auto& label = view->items[0];
    EXPECT_EQ(label.id, 1001u);
    EXPECT_EQ(label.helpId, 77u);
    EXPECT_EQ(label.exStyle, 4u);
    EXPECT_EQ(label.windowClass.text, u"Static");
    EXPECT_EQ(label.title.text, u"Label");
    const auto& picture = view->items[1];
    EXPECT_EQ(picture.id, 610u);
    ASSERT_TRUE(picture.title.isOrdinal);  // a bitmap named by its id
    EXPECT_EQ(picture.title.ordinal, 158);
    EXPECT_EQ(picture.style & 0x000Eu, 0x000Eu);
    const auto& list = view->items[2];
    EXPECT_EQ(list.windowClass.text, u"SysListView32");
    EXPECT_EQ((std::array{list.x, list.y}), (std::array<SHORT, 2>{-2, -3}));
    EXPECT_TRUE(list.title.IsEmpty());
    for (const auto& item : view->items) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(item.record) % 4, 0u) << "items start on 4-byte boundaries";
        EXPECT_TRUE(item.creationData.empty());
    }
}

// A standard-form template built by hand: no font, a menu by ordinal, a class by name, and an item
// with creation data, whose size word counts itself.
std::vector<BYTE> HandMadeDialog() {
    std::vector<BYTE> t;
    restest::PutDword(t, 0x80000000);  // style, no DS_SETFONT
    restest::PutDword(t, 0);
    restest::PutWord(t, 2);  // items
    for (const WORD v : {1, 2, 30, 40}) restest::PutWord(t, v);
    restest::PutWord(t, 0xFFFF), restest::PutWord(t, 77);  // menu 77
    restest::PutText(t, u"MyClass");
    restest::PutText(t, u"Title");
    restest::PadTo4(t);
    // Item 1: a button with 4 bytes of creation data after its size word.
    restest::PutDword(t, 0x50000000), restest::PutDword(t, 0);
    for (const WORD v : {1, 2, 3, 4}) restest::PutWord(t, v);
    restest::PutWord(t, 11);
    restest::PutWord(t, 0xFFFF), restest::PutWord(t, 0x0080);
    restest::PutText(t, u"OK");
    restest::PutWord(t, 6);  // 2 for the size word + 4 of data
    restest::PutWord(t, 0xAAAA), restest::PutWord(t, 0xBBBB);
    restest::PadTo4(t);
    // Item 2: an edit with no data.
    restest::PutDword(t, 0x50000000), restest::PutDword(t, 0);
    for (const WORD v : {5, 6, 7, 8}) restest::PutWord(t, v);
    restest::PutWord(t, 12);
    restest::PutWord(t, 0xFFFF), restest::PutWord(t, 0x0081);
    restest::PutWord(t, 0);
    restest::PutWord(t, 0);
    return t;
}

TEST(DialogTemplate, StandardFormStepsOverCreationDataCountingItsSizeWord) {
    const auto bytes = restest::Align(HandMadeDialog());
    const auto view = platform::ParseDialogTemplate(std::span<const BYTE>(bytes.bytes(), bytes.size));
    ASSERT_TRUE(view.has_value());
    EXPECT_FALSE(view->extended);
    EXPECT_FALSE(view->hasFont);
    EXPECT_TRUE(view->menu.isOrdinal);
    EXPECT_EQ(view->menu.ordinal, 77);
    EXPECT_EQ(view->windowClass.text, u"MyClass");
    EXPECT_EQ(view->title, u"Title");
    ASSERT_EQ(view->items.size(), 2u);
    EXPECT_EQ(view->items[0].windowClass.ordinal, platform::kDialogClassButton);
    ASSERT_EQ(view->items[0].creationData.size(), 4u);
    EXPECT_EQ(view->items[0].creationData[0], 0xAA);
    EXPECT_EQ(view->items[1].id, 12u);
    EXPECT_EQ(view->items[1].windowClass.ordinal, platform::kDialogClassEdit);
    EXPECT_EQ(view->items[1].x, 5);
    // The record is the stored DLGITEMTEMPLATE.
    const auto* record = reinterpret_cast<const DLGITEMTEMPLATE*>(view->items[1].record);
    EXPECT_EQ(record->id, 12);
    EXPECT_EQ(record->cy, 8);
}

TEST(DialogTemplate, EveryTruncationIsRefused) {
    Module fixture(restest::FakeModule(41), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const auto extended = Data(fixture.Handle(), MAKEINTRESOURCEW(300), RT_DIALOG);
    const auto handMade = restest::Align(HandMadeDialog());
    const std::span<const BYTE> standard(handMade.bytes(), handMade.size);
    for (const auto whole : {extended, standard}) {
        ASSERT_TRUE(platform::ParseDialogTemplate(whole).has_value());
        for (std::size_t n = 0; n < whole.size(); ++n) {
            // Only the last item's padding may be missing.
            const auto cut = platform::ParseDialogTemplate(whole.first(n));
            if (cut) {
                EXPECT_GE(n, whole.size() - 3) << "read a template cut at " << n;
            }
        }
    }
}

TEST(DialogTemplate, AddressInsideAResourceIsBoundedByIt) {
    Module fixture(restest::FakeModule(42), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const HRSRC found = FindResourceW(fixture.Handle(), MAKEINTRESOURCEW(300), RT_DIALOG);
    const auto* tmpl = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(fixture.Handle(), found)));
    const auto view = platform::ParseDialogTemplate(tmpl);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->items.size(), 3u);
    SetLastError(0);
    EXPECT_FALSE(platform::LoadDialogTemplate(fixture.Handle(), MAKEINTRESOURCEW(301)).has_value());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST(MenuTemplate, WalksNestedPopupsToTheirEndFlags) {
    Module fixture(restest::FakeModule(43), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const auto menu = platform::LoadMenuTemplate(fixture.Handle(), MAKEINTRESOURCEW(1));
    ASSERT_TRUE(menu.has_value());
    ASSERT_EQ(menu->size(), 2u);
    EXPECT_EQ((*menu)[0].text, u"First");
    EXPECT_EQ((*menu)[0].id, 101);
    const auto& outer = (*menu)[1];
    EXPECT_TRUE(outer.IsPopup());
    EXPECT_EQ(outer.text, u"Outer");
    ASSERT_EQ(outer.items.size(), 3u);
    EXPECT_EQ(outer.items[0].id, 102);
    ASSERT_EQ(outer.items[1].items.size(), 1u);
    EXPECT_EQ(outer.items[1].items[0].text, u"Deepest");
    EXPECT_EQ(outer.items[1].items[0].id, 103);
    EXPECT_TRUE(outer.items[2].IsSeparator());

    const auto whole = Data(fixture.Handle(), MAKEINTRESOURCEW(1), RT_MENU);
    // A cut right after the 4-byte header reads as a menu without items, which is stored that way.
    for (std::size_t n = 0; n < whole.size(); ++n) {
        const auto cut = platform::ParseMenuTemplate(whole.first(n));
        if (n == 4) {
            EXPECT_TRUE(cut.has_value() && cut->empty());
        } else {
            EXPECT_FALSE(cut.has_value()) << "cut at " << n;
        }
    }
}

TEST(MenuTemplate, RefusesOtherVersionsAndLevelsWithoutEnd) {
    std::vector<BYTE> versionOne;
    restest::PutWord(versionOne, 1), restest::PutWord(versionOne, 4);
    restest::PutDword(versionOne, 0);
    const auto extended = restest::Align(versionOne);
    EXPECT_FALSE(platform::ParseMenuTemplate(std::span<const BYTE>(extended.bytes(), extended.size)).has_value());
    // Two items, neither with the end flag: the walk runs out of bytes and fails.
    std::vector<BYTE> noEnd;
    restest::PutWord(noEnd, 0), restest::PutWord(noEnd, 0);
    for (int i = 0; i < 2; ++i) {
        restest::PutWord(noEnd, 0), restest::PutWord(noEnd, 5);
        restest::PutText(noEnd, u"x");
    }
    const auto aligned = restest::Align(noEnd);
    EXPECT_FALSE(platform::ParseMenuTemplate(std::span<const BYTE>(aligned.bytes(), aligned.size)).has_value());
}

TEST(SoftKeyBar, ReadsButtonsAndRefusesAShortBar) {
    std::vector<BYTE> bar;
    restest::PutWord(bar, 500), restest::PutWord(bar, 2);
    for (const WORD v : {0xFFFE, 20071, 4, 0x10, 115, 0, 0xFFFF, 0xFFFE, 20072, 4, 0x18, 116, 0, 1})
        restest::PutWord(bar, v);
    const auto aligned = restest::Align(bar);
    const std::span<const BYTE> bytes(aligned.bytes(), aligned.size);
    const auto parsed = platform::ParseSoftKeyBar(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->menuId, 500);
    ASSERT_EQ(parsed->buttons.size(), 2u);
    EXPECT_EQ(parsed->buttons[1].command, 20072);
    EXPECT_EQ(parsed->buttons[1].style, 0x18);
    EXPECT_EQ(parsed->buttons[1].stringId, 116);
    EXPECT_EQ(parsed->buttons[1].subMenu, 1);
    EXPECT_FALSE(platform::ParseSoftKeyBar(bytes.first(bytes.size() - 2)).has_value());
}

// A 2 x 2 bitmap of 24 bits: rows padded to 8 bytes.
std::vector<BYTE> SmallDib(DWORD headerSize, WORD bitCount, DWORD colorsUsed, std::size_t pixelBytes) {
    std::vector<BYTE> dib;
    restest::PutDword(dib, headerSize);
    restest::PutDword(dib, 2), restest::PutDword(dib, static_cast<DWORD>(-2));  // top-down
    restest::PutWord(dib, 1), restest::PutWord(dib, bitCount);
    for (const DWORD v : {0u, 0u, 0u, 0u, colorsUsed, 0u}) restest::PutDword(dib, v);
    dib.resize(dib.size() + colorsUsed * 4 + pixelBytes, 0x7F);
    return dib;
}

TEST(BitmapResource, FindsTheRowsAfterTheColourTable) {
    struct Case {
        const char* what;
        WORD bitCount;
        DWORD colorsUsed;
        std::size_t pixelBytes;
        bool valid;
        std::size_t bitsOffset;
    };
    const Case cases[] = {
        {"24 bits, no table", 24, 0, 16, true, 40},
        {"8 bits, a table of 3", 8, 3, 8, true, 52},
        {"rows cut short", 24, 0, 15, false, 0},
        {"table cut short", 8, 300, 0, false, 0},
        {"impossible depth", 7, 0, 16, false, 0},
    };
    for (const Case& c : cases) {
        const auto aligned = restest::Align(SmallDib(40, c.bitCount, c.colorsUsed, c.pixelBytes));
        const auto dib = platform::ParseBitmapDib(std::span<const BYTE>(aligned.bytes(), aligned.size));
        ASSERT_EQ(dib.has_value(), c.valid) << c.what;
        if (!dib) continue;
        EXPECT_EQ(dib->height, -2) << c.what;
        EXPECT_EQ(static_cast<std::size_t>(dib->bits.data() - aligned.bytes()), c.bitsOffset) << c.what;
        EXPECT_EQ(dib->bits.size(), dib->stride * 2) << c.what;
    }
}

}  // namespace
