// fgetws and fputws: wide text through the device's ANSI code page, line by line and within the
// caller's buffer.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

std::u16string ReadLine(FILE* in, int n) {
    WCHAR buffer[64] = {};
    return fgetws(buffer, n, in) ? std::u16string(buffer) : u"<null>";
}

TEST(FileWideText, LinesRoundTripInUtf8AndStopAtTheBuffer) {
    TestDevice device;
    FILE* out = _wfopen(u"\\notes.txt", u"w");
    ASSERT_NE(out, nullptr);
    EXPECT_GE(fputws(u"Grüße 😀\n", out), 0);
    EXPECT_GE(fputws(u"second", out), 0);
    ASSERT_EQ(std::fclose(out), 0);
    EXPECT_EQ(device.ReadFile(u"\\notes.txt"), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80\nsecond");

    FILE* in = _wfopen(u"\\notes.txt", u"r");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadLine(in, 64), u"Grüße 😀\n");
    // Room for three units: "sec", then the rest.
    EXPECT_EQ(ReadLine(in, 4), u"sec");
    EXPECT_EQ(ReadLine(in, 64), u"ond");
    EXPECT_EQ(ReadLine(in, 64), u"<null>");
    std::fclose(in);
}

TEST(FileWideText, PairOfSurrogatesIsNeverSplitAcrossCalls) {
    TestDevice device;
    device.WriteFile(u"\\pair.txt", "a\xF0\x9F\x98\x80");
    FILE* in = _wfopen(u"\\pair.txt", u"r");
    EXPECT_EQ(ReadLine(in, 3), u"a");
    EXPECT_EQ(ReadLine(in, 3), u"😀");
    std::fclose(in);
}

TEST(FileWideText, Windows1252PageAndBrokenBytes) {
    platform::DeviceProfile profile;
    profile.ansiCodePage = CP_1252;
    TestDevice device(profile);
    FILE* out = _wfopen(u"\\w.txt", u"w");
    EXPECT_GE(fputws(u"café €\n", out), 0);
    // A character the page cannot hold fails the call and writes nothing.
    EXPECT_LT(fputws(u"Ω", out), 0);
    std::fclose(out);
    EXPECT_EQ(device.ReadFile(u"\\w.txt"), "caf\xE9 \x80\n");
    FILE* in = _wfopen(u"\\w.txt", u"r");
    EXPECT_EQ(ReadLine(in, 64), u"café €\n");
    std::fclose(in);

    platform::DeviceProfile utf8;
    device.SetProfile(utf8);
    device.WriteFile(u"\\broken.txt", "a\xC3(b\n");
    FILE* broken = _wfopen(u"\\broken.txt", u"r");
    EXPECT_EQ(ReadLine(broken, 64), u"a\xFFFD(b\n");
    std::fclose(broken);
}

}  // namespace
