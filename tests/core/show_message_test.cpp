// The titled message box: the product title as caption, the text and flags passed on, the button returned.
#include <gtest/gtest.h>

#include "core/show_message.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

TEST(ShowMessage, CaptionIsTheProductTitleAndTheAnswerIsReturned) {
    platform::testing::TestDevice device;
    platform::testing::ClearMessageBoxes();
    platform::testing::AnswerMessageBox(IDNO);
    EXPECT_EQ(ShowMessage(nullptr, u"Delete the item?", MB_YESNO | MB_ICONQUESTION), IDNO);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, u"Vestral Agenda");
    EXPECT_EQ(shown[0].text, u"Delete the item?");
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    platform::testing::ClearMessageBoxes();
}

}  // namespace
