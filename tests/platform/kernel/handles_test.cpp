// The kernel handle table and the test device.
#include <gtest/gtest.h>

#include "platform/kernel.h"
#include "platform/testing.h"
#include "kernel/handles.h"

namespace {

struct Probe : platform::KernelObject {
    bool* closed;
    explicit Probe(bool* c) : closed(c) {}
    bool Close() override {
        *closed = true;
        return true;
    }
};

TEST(Handles, CloseHandleClosesOnceAndRefusesStaleHandles) {
    bool closed = false;
    const HANDLE h = platform::RegisterHandle(std::make_shared<Probe>(&closed));
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_TRUE(closed);
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(CloseHandle(nullptr));
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST(TestDevice, GivesEachTestItsOwnRootAndRestoresTheProfile) {
    const int widthBefore = platform::Profile().screenWidth;
    std::filesystem::path root;
    {
        platform::DeviceProfile vga;
        vga.screenWidth = 480;
        vga.screenHeight = 640;
        platform::testing::TestDevice device(vga);
        root = device.Root();
        EXPECT_EQ(platform::DeviceRoot(), root);
        EXPECT_EQ(platform::Profile().screenWidth, 480);
        device.WriteFile(u"\\My Documents\\Notes\\a.txt", "hello");
        EXPECT_TRUE(device.FileExists(u"\\my documents\\NOTES\\A.TXT"));
        EXPECT_EQ(device.ReadFile(u"\\MY DOCUMENTS\\notes\\a.txt"), "hello");
    }
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_EQ(platform::Profile().screenWidth, widthBefore);
}

TEST(DevicePath, DotDotNeverLeavesTheFilesFolder) {
    platform::testing::TestDevice device;
    const auto path = device.HostPath(u"\\..\\..\\etc\\passwd");
    EXPECT_EQ(path, device.Root() / "files" / "etc" / "passwd");
}

}  // namespace
