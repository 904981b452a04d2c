// Fitting a text to a width with "...", the date-view test and the pumps that drop input.
#include <gtest/gtest.h>

#include <string>

#include "core/frame_state.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/user.h"
#include "ui/main_routines.h"

namespace {

int Width(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

TEST(MainRoutines, FitTextEllipsis) {
    platform::testing::TestDevice device;
    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    const std::u16string text = u"Dentist appointment";
    const int full = Width(dc, text);
    // A text that fits comes back as itself, not as a copy.
    EXPECT_EQ(&FitTextEllipsis(dc, text, full + 1, 0), &text);
    // Far too narrow: the first character and "...".
    EXPECT_EQ(FitTextEllipsis(dc, text, 1, 0), u"D...");
    const std::u16string empty;
    EXPECT_EQ(&FitTextEllipsis(dc, empty, 0, 0), &empty);
    // In between: the longest head that leaves room for "..." and the extra width.
    const int width = Width(dc, u"Dentist") + Width(dc, u"...") + 1;
    EXPECT_EQ(FitTextEllipsis(dc, text, width, 0), u"Dentist...");
    EXPECT_EQ(FitTextEllipsis(dc, text, width + 10, 10), u"Dentist...");
    DeleteDC(dc);
}

TEST(MainRoutines, DateViewsAndSelectionReset) {
    for (const LONG view : {0, 1, 2, 3, 4, 11}) EXPECT_EQ(IsDateView(view), 1) << view;
    for (const LONG view : {5, 6, 7, 8, 9, 10, 12, 18, -1}) EXPECT_EQ(IsDateView(view), 0) << view;
    g_CurItem = CurItem{42, 3, 4, kItemTask};
    ResetSelection();
    EXPECT_EQ(g_CurItem.oid, -1);
    EXPECT_EQ(g_CurItem.listIndex, -1);
    EXPECT_EQ(g_CurItem.rowIndex, -1);
    EXPECT_EQ(g_CurItem.kind, kItemNone);
}

}  // namespace
