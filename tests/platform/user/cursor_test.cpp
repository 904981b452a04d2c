// The system's cursors and the wait indicator the screen reads.
#include <gtest/gtest.h>

#include "platform/user.h"
#include "user/cursor.h"

namespace {

TEST(Cursor, WaitCursorShowsUntilAnotherIsSet) {
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(arrow, nullptr);
    EXPECT_NE(wait, arrow);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), wait);

    const HCURSOR before = SetCursor(wait);
    EXPECT_TRUE(platform::WaitCursorShown());
    EXPECT_EQ(GetCursor(), wait);
    EXPECT_EQ(SetCursor(arrow), wait);
    EXPECT_FALSE(platform::WaitCursorShown());
    SetCursor(before);

    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
    EXPECT_EQ(LoadCursorW(reinterpret_cast<HINSTANCE>(0x10000), IDC_WAIT), nullptr);
}

}  // namespace
