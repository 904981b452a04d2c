// SPI_GETOEMINFO gives the profile's OEM text, whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/system.h"
#include "platform/testing.h"
#include "platform/user.h"

namespace {

TEST(OemInfo, CopiesTheProfileTextWithItsTerminator) {
    platform::DeviceProfile profile;
    profile.oemInfo = u"MotoQ9c";
    platform::testing::TestDevice device(profile);

    WCHAR text[20];
    std::fill(std::begin(text), std::end(text), u'#');
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, sizeof(text), text, 0));
    EXPECT_EQ(std::u16string(text), u"MotoQ9c");

    // Seven characters and the terminator need 16 bytes.
    WCHAR small[7];
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETOEMINFO, sizeof(small), small, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETOEMINFO, 100, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
