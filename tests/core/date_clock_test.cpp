// The date record's readings of the device clock, and the PIM volume's date properties.
#include <gtest/gtest.h>

#include "core/date_rec.h"
#include "platform/testing.h"
#include "platform/time.h"

namespace {

class FrozenClock : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::FreezeClock(SYSTEMTIME{2009, 3, 0, 17, 14, 5, 9, 123}); }
    void TearDown() override { platform::testing::ThawClock(); }
};

TEST_F(FrozenClock, NowHasWeekdayAndNoMilliseconds) {
    DateRec now;
    DateNow(now);
    EXPECT_EQ(now.wYear, 2009);
    EXPECT_EQ(now.wMonth, 3);
    EXPECT_EQ(now.wDay, 17);
    EXPECT_EQ(now.wHour, 14);
    EXPECT_EQ(now.wMinute, 5);
    EXPECT_EQ(now.wSecond, 9);
    EXPECT_EQ(now.wMilliseconds, 0);
    EXPECT_EQ(now.wDayOfWeek, 2);
}

TEST_F(FrozenClock, IsTodayComparesTheLocalDate) {
    EXPECT_TRUE(IsToday(17, 3, 2009));
    EXPECT_FALSE(IsToday(18, 3, 2009));
    EXPECT_FALSE(IsToday(17, 4, 2009));
    EXPECT_FALSE(IsToday(17, 3, 2010));
}

CEPROPVAL FileTimeProp(const SYSTEMTIME& when) {
    CEPROPVAL prop{};
    prop.propid = CEVT_FILETIME;
    SystemTimeToFileTime(&when, &prop.val.filetime);
    return prop;
}

TEST(CeProp, HasDataByTypeAndByteCount) {
    CEPROPVAL blob{};
    blob.val.blob.dwCount = 1;
    EXPECT_TRUE(CePropHasData(CEVT_BLOB, &blob));
    blob.val.blob.dwCount = 0;
    EXPECT_FALSE(CePropHasData(CEVT_BLOB, &blob));

    CEPROPVAL stream{};
    stream.val.blob.dwCount = 5;
    EXPECT_TRUE(CePropHasData(CEVT_STREAM, &stream));
    stream.val.blob.dwCount = 4;
    EXPECT_FALSE(CePropHasData(CEVT_STREAM, &stream));

    CEPROPVAL missing{};
    missing.wFlags = CEDB_PROPNOTFOUND;
    missing.val.blob.dwCount = 100;
    EXPECT_FALSE(CePropHasData(CEVT_BLOB, &missing));
    EXPECT_FALSE(CePropHasData(CEVT_BLOB, nullptr));
    CEPROPVAL number{};
    number.val.blob.dwCount = 100;
    EXPECT_FALSE(CePropHasData(CEVT_I4, &number));
}

TEST(CeProp, ToSystemTimeCopiesThePlatformFields) {
    const SYSTEMTIME when{2009, 3, 2, 17, 8, 30, 15, 250};
    CEPROPVAL prop = FileTimeProp(when);
    DateRec out;
    ASSERT_EQ(CePropToSystemTime(CEVT_FILETIME, &prop, out, true), 1);
    EXPECT_EQ(out.wYear, 2009);
    EXPECT_EQ(out.wDay, 17);
    EXPECT_EQ(out.wHour, 8);
    EXPECT_EQ(out.wSecond, 15);
    EXPECT_EQ(out.wMilliseconds, 250);

    FILETIME local{};
    FileTimeToLocalFileTime(&prop.val.filetime, &local);
    SYSTEMTIME expected{};
    FileTimeToSystemTime(&local, &expected);
    ASSERT_EQ(CePropToSystemTime(CEVT_FILETIME, &prop, out, false), 1);
    EXPECT_EQ(out.wHour, expected.wHour);
    EXPECT_EQ(out.wDay, expected.wDay);
}

TEST(CeProp, ToSystemTimeLeavesTheDateWhenMissingOrNotAFileTime) {
    CEPROPVAL prop = FileTimeProp(SYSTEMTIME{2009, 3, 2, 17, 8, 30, 15, 0});
    prop.wFlags = CEDB_PROPNOTFOUND;
    DateRec out(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(CePropToSystemTime(CEVT_FILETIME, &prop, out, true), 0);
    EXPECT_EQ(CePropToSystemTime(CEVT_FILETIME, nullptr, out, true), 0);
    prop.wFlags = 0;
    EXPECT_EQ(CePropToSystemTime(CEVT_I4, &prop, out, true), 0);
    EXPECT_TRUE(DateEqual(out, DateRec(2001, 2, 3, 4, 5, 6)));
}

}  // namespace
