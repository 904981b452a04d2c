// Long dates by screen class, calendar title labels and the query date of the PIM store.
#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/date_text.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

class DateLabelTest : public testing::Test {
protected:
    void TearDown() override { g_Settings = AppSettings(); }
    void SetScreen(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
    }
    platform::testing::TestDevice device_;
};

TEST_F(DateLabelTest, LongDateWeekdayByScreen) {
    struct Case {
        int width, height;
        bool shortMonth, noYear;
        const char16_t* text;
    };
    constexpr Case cases[] = {
        {240, 320, false, false, u"Thu March 5, 2009"},
        {320, 240, false, false, u"Thursday March 5, 2009"},  // landscape QVGA
        {640, 480, false, false, u"Thu March 5, 2009"},       // landscape but VGA
        {240, 320, true, true, u"Thu March 5"},
    };
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        std::u16string out;
        FormatLongDate(out, DateRec(2009, 3, 5), c.shortMonth, c.noYear);
        EXPECT_EQ(out, c.text) << c.width << "x" << c.height;
    }
    SetScreen(240, 320);
    std::u16string out;
    FormatLongDate(out, DateRec(2009, 9, 1), true, false);
    EXPECT_EQ(out, u"Tue Sept 1, 2009");
}

TEST_F(DateLabelTest, WeekLabelOfThePlainTitleBar) {
    std::u16string first;
    std::u16string second = u"kept";
    FormatWeekLabel(DateRec(2009, 3, 5), first, second, true);
    EXPECT_EQ(first, u"Thu March 5, 2009");
    EXPECT_EQ(second, u"kept");  // without week numbers the second text is left alone
    g_Settings.isoWeek = 1;
    FormatWeekLabel(DateRec(2010, 1, 3), first, second, false);
    EXPECT_EQ(first, u"Sun January 3, 2010");
    EXPECT_EQ(second, u"W53");
}

TEST_F(DateLabelTest, QueryDateIsFixedOrTheLocaleShortDate) {
    std::u16string out;
    FormatDateText(out, DateRec(2009, 3, 5));
    EXPECT_EQ(out, u"3/5/2009");  // the profile's short date, M/d/yyyy
    platform::DeviceProfile profile;
    profile.shortDate = u"dd.MM.yyyy";
    device_.SetProfile(profile);
    FormatDateText(out, DateRec(2009, 3, 5));
    EXPECT_EQ(out, u"05.03.2009");
    g_Settings.regional = 1;
    FormatDateText(out, DateRec(2009, 3, 5));
    EXPECT_EQ(out, u"03/05/2009");
    g_Settings.ce5OrLater = 0;  // the fixed format needs version 5
    FormatDateText(out, DateRec(2009, 3, 5));
    EXPECT_EQ(out, u"05.03.2009");
}

TEST_F(DateLabelTest, QueryDateTheLocaleRefusesIsReported) {
    platform::testing::ClearMessageBoxes();
    DateRec bad(2009, 3, 5);
    bad.wMonth = 13;
    std::u16string out = u"stale";
    FormatDateText(out, bad);
    EXPECT_EQ(out, u"");
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Error: Invalid Parm ()");
    EXPECT_EQ(boxes[0].caption, u"");
    EXPECT_EQ(boxes[0].type & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
    platform::testing::ClearMessageBoxes();
}

}  // namespace
