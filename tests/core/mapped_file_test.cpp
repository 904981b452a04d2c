// Read-only mappings of whole files: the view, failures that leave nothing open, and reopening.
#include <gtest/gtest.h>

#include <string>

#include "core/mapped_file.h"
#include "kernel/handles.h"
#include "platform/testing.h"

namespace {

std::string View(const MappedFile& mf) {
    return std::string(reinterpret_cast<const char*>(mf.viewStart), static_cast<std::size_t>(mf.viewEnd - mf.viewStart));
}

TEST(MappedFile, MapsTheWholeFile) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\My Documents\\picture.png", "picture bytes");
    const std::size_t handles = platform::LiveHandleCount();
    {
        MappedFile mf;
        ASSERT_TRUE(MappedFileInit(mf, u"\\My Documents\\picture.png"));
        EXPECT_TRUE(mf.IsOpen());
        EXPECT_EQ(View(mf), "picture bytes");
        EXPECT_TRUE(MappedFileClose(mf));
        EXPECT_FALSE(mf.IsOpen());
        EXPECT_EQ(mf.viewStart, nullptr);
        EXPECT_FALSE(MappedFileClose(mf));
        ASSERT_TRUE(MappedFileOpen(mf, u"\\My Documents\\picture.png"));
    }  // closed by the record going away
    EXPECT_EQ(platform::LiveHandleCount(), handles);
}

TEST(MappedFile, MissingFileLeavesTheRecordClosed) {
    platform::testing::TestDevice device;
    const std::size_t handles = platform::LiveHandleCount();
    MappedFile mf;
    EXPECT_FALSE(MappedFileInit(mf, u"\\My Documents\\missing.png"));
    EXPECT_FALSE(mf.IsOpen());
    EXPECT_EQ(mf.viewStart, nullptr);
    EXPECT_EQ(platform::LiveHandleCount(), handles);
}

TEST(MappedFile, OpeningAnOpenRecordClosesThePreviousMapping) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\My Documents\\a.bin", "first");
    device.WriteFile(u"\\My Documents\\b.bin", "second file");
    const std::size_t handles = platform::LiveHandleCount();
    MappedFile mf;
    ASSERT_TRUE(MappedFileOpen(mf, u"\\My Documents\\a.bin"));
    const std::size_t handlesWithOne = platform::LiveHandleCount();
    ASSERT_TRUE(MappedFileOpen(mf, u"\\My Documents\\b.bin"));
    EXPECT_EQ(View(mf), "second file");
    EXPECT_EQ(platform::LiveHandleCount(), handlesWithOne);
    EXPECT_FALSE(MappedFileOpen(mf, u"\\My Documents\\gone.bin"));
    EXPECT_FALSE(mf.IsOpen());
    EXPECT_EQ(platform::LiveHandleCount(), handles);
}

}  // namespace
