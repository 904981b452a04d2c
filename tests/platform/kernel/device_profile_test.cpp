// The device profile read from device.conf: values that cannot be used are named on standard error
// with their line and the default used instead, and the profile keeps that default.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/device.h"
#include "platform/testing.h"
#include "platform/text.h"

namespace {

struct BadValue {
    const char* line;
    const char* used;  // what the warning says is used instead
    bool (*kept)(const platform::DeviceProfile&);
};

bool DefaultScreen(const platform::DeviceProfile& p) { return p.screenWidth == 240 && p.screenHeight == 320; }
bool DefaultDpi(const platform::DeviceProfile& p) { return p.dpi == 96; }
bool DefaultOs(const platform::DeviceProfile& p) { return p.osMajor == 5 && p.osMinor == 2; }
bool NoKeypad(const platform::DeviceProfile& p) { return !p.keypad; }
bool Utf8(const platform::DeviceProfile& p) { return p.ansiCodePage == 65001; }
bool DefaultDate(const platform::DeviceProfile& p) { return p.shortDate == u"M/d/yyyy"; }

const BadValue kBadValues[] = {
    {"screen = 0x0", "using 240x320", DefaultScreen},
    {"screen = 240", "using 240x320", DefaultScreen},
    {"screen = abcxdef", "using 240x320", DefaultScreen},
    {"screen = 99999x320", "using 240x320", DefaultScreen},
    {"screen = 240x320x7", "using 240x320", DefaultScreen},
    {"screen = -240x320", "using 240x320", DefaultScreen},
    {"dpi = 9999", "using the screen's default", DefaultDpi},
    {"dpi = 0", "using the screen's default", DefaultDpi},
    {"dpi = 96dpi", "using the screen's default", DefaultDpi},
    {"os = abc", "using 5.2", DefaultOs},
    {"os = 5.x", "using 5.2", DefaultOs},
    {"os = 0.0", "using 5.2", DefaultOs},
    {"os = 5.2000", "using 5.2", DefaultOs},
    {"keypad = maybe", "using 0", NoKeypad},
    {"codepage = 437", "using 65001", Utf8},
    {"codepage = utf8", "using 65001", Utf8},
    {"shortdate = hello", "using M/d/yyyy", DefaultDate},
    {"shortdate = d/M", "using M/d/yyyy", DefaultDate},
    {"shortdate =", "using M/d/yyyy", DefaultDate},
};

std::string ReadWith(const platform::testing::TestDevice& device, const std::string& conf) {
    std::ofstream(device.Root() / "device.conf") << conf;
    testing::internal::CaptureStderr();
    platform::ReloadProfile();
    return testing::internal::GetCapturedStderr();
}

TEST(DeviceProfile, UnusableValuesAreNamedWithTheirLineAndTheDefaultUsed) {
    platform::testing::TestDevice device;
    for (const BadValue& bad : kBadValues) {
        SCOPED_TRACE(bad.line);
        // The bad value on line 3, after a comment and a good line.
        const std::string said = ReadWith(device, std::string("# profile\noem = Test Device\n") + bad.line + "\n");
        const std::string key = std::string(bad.line).substr(0, std::string(bad.line).find(' '));
        EXPECT_NE(said.find("device.conf line 3"), std::string::npos) << said;
        EXPECT_NE(said.find(key + " = "), std::string::npos) << said;
        EXPECT_NE(said.find(bad.used), std::string::npos) << said;
        EXPECT_TRUE(bad.kept(platform::Profile()));
        EXPECT_EQ(platform::Profile().oemInfo, u"Test Device");
    }
}

TEST(DeviceProfile, GoodValuesAreTakenWithoutAWord) {
    platform::testing::TestDevice device;
    const std::string said =
        ReadWith(device, "screen = 480x640\ndpi = 192\nos = 6.1\nkeypad = yes\ncodepage = 1252\nshortdate = dd.MM.yyyy\n");
    EXPECT_EQ(said, "");
    const platform::DeviceProfile& p = platform::Profile();
    EXPECT_EQ(p.screenWidth, 480);
    EXPECT_EQ(p.screenHeight, 640);
    EXPECT_EQ(p.dpi, 192);
    EXPECT_EQ(p.osMajor, 6u);
    EXPECT_EQ(p.osMinor, 1u);
    EXPECT_TRUE(p.keypad);
    EXPECT_EQ(p.ansiCodePage, 1252u);
    EXPECT_EQ(p.shortDate, u"dd.MM.yyyy");
}

TEST(DeviceProfile, ALineWithoutAValueIsNamed) {
    platform::testing::TestDevice device;
    const std::string said = ReadWith(device, "screen 480x640\n");
    EXPECT_NE(said.find("device.conf line 1"), std::string::npos) << said;
    EXPECT_TRUE(DefaultScreen(platform::Profile()));
}

}  // namespace
