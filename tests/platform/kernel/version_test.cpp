// The OS version from the profile and the program's module path and handle.
#include <gtest/gtest.h>

#include <string>

#include "platform/system.h"
#include "platform/testing.h"

namespace {

TEST(Version, ComesFromTheProfileAfterTheSizeCheck) {
    platform::DeviceProfile profile;
    profile.osMajor = 6;
    profile.osMinor = 1;
    platform::testing::TestDevice device(profile);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(info.dwMajorVersion, 6u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_EQ(info.dwBuildNumber, profile.osBuild);
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_CE));

    info.dwOSVersionInfoSize = 0;
    SetLastError(0);
    EXPECT_FALSE(GetVersionExW(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Module, PathOfTheProgramAndItsTruncation) {
    const std::u16string path = u"\\Program Files\\Quorvia\\Quorvia.exe";
    WCHAR out[260];
    EXPECT_EQ(GetModuleFileNameW(nullptr, out, 260), path.size());
    EXPECT_EQ(std::u16string(out), path);
    EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), out, 260), path.size());

    WCHAR small[8];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(nullptr, small, 8), 8u);
    EXPECT_EQ(std::u16string(small), path.substr(0, 7));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    // Exactly the length leaves no room for the terminator: cut as well.
    WCHAR exact[64];
    EXPECT_EQ(GetModuleFileNameW(nullptr, exact, static_cast<DWORD>(path.size())), path.size());
    EXPECT_EQ(std::u16string(exact), path.substr(0, path.size() - 1));
    EXPECT_EQ(GetModuleFileNameW(nullptr, exact, 0), 0u);
}

TEST(Module, TheProgramsHandleIsFixedAndOthersAreUnknown) {
    const HMODULE self = GetModuleHandleW(nullptr);
    EXPECT_NE(self, nullptr);
    EXPECT_EQ(GetModuleHandleW(u"quorvia.EXE"), self);
    EXPECT_EQ(GetModuleHandleW(u"other.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    WCHAR out[16];
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x1234)), out, 16), 0u);
}

}  // namespace
