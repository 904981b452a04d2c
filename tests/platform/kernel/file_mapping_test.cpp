// Read-only mappings: a whole file mapped as the picture loader maps it, views that outlive their
// handles, and the refusals (empty files, writing, bad handles and addresses).
#include <gtest/gtest.h>

#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

HANDLE OpenForMapping(const char16_t* path) {
    return CreateFileForMappingW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
}

class FileMapping : public ::testing::Test {
protected:
    void SetUp() override { device.WriteFile(u"\\Pictures\\cover.png", contents); }
    TestDevice device;
    const std::string contents = std::string("\x89PNG\r\n", 6) + std::string(100000, 'p') + "end";
};

TEST_F(FileMapping, WholeFileViewOutlivesItsHandles) {
    const HANDLE file = OpenForMapping(u"\\pictures\\COVER.PNG");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    ASSERT_NE(mapping, nullptr);
    const auto* view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    const DWORD size = GetFileSize(file, nullptr);
    EXPECT_EQ(size, contents.size());
    // The order the mapped-file record closes in: mapping and file first would work as well.
    EXPECT_TRUE(CloseHandle(mapping));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(std::string(view, view + size), contents);
    EXPECT_TRUE(UnmapViewOfFile(view));
    EXPECT_FALSE(UnmapViewOfFile(view));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_ADDRESS));
}

TEST_F(FileMapping, ViewKeepsTheContentsItMappedWhenTheFileIsReplaced) {
    const HANDLE file = OpenForMapping(u"\\Pictures\\cover.png");
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const auto* view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    FILE* out = _wfopen(u"\\Pictures\\cover.png", u"wb");
    ASSERT_NE(out, nullptr);
    std::fputs("other", out);
    ASSERT_EQ(std::fclose(out), 0);
    EXPECT_EQ(std::string(view, view + contents.size()), contents);
    EXPECT_TRUE(UnmapViewOfFile(view));
    CloseHandle(mapping);
    CloseHandle(file);
}

TEST_F(FileMapping, PartialViewsStartOnTheAllocationGranularity) {
    const HANDLE file = OpenForMapping(u"\\Pictures\\cover.png");
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    constexpr DWORD kGranularity = 64 * 1024;
    const auto* tail = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, kGranularity, 0));
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(std::string(tail, tail + contents.size() - kGranularity), contents.substr(kGranularity));
    EXPECT_TRUE(UnmapViewOfFile(tail));
    EXPECT_EQ(MapViewOfFile(mapping, FILE_MAP_READ, 0, 4096, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MAPPED_ALIGNMENT));
    EXPECT_EQ(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, contents.size() + 1), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(mapping);
    CloseHandle(file);
}

TEST_F(FileMapping, RefusalsCarryTheirErrors) {
    SetLastError(0);
    EXPECT_EQ(OpenForMapping(u"\\Pictures\\missing.png"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    // As documented, an empty file has nothing to map.
    device.WriteFile(u"\\Pictures\\empty.png", "");
    const HANDLE empty = OpenForMapping(u"\\Pictures\\empty.png");
    ASSERT_NE(empty, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CreateFileMappingW(empty, nullptr, PAGE_READONLY, 0, 0, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_INVALID));
    CloseHandle(empty);

    const HANDLE file = OpenForMapping(u"\\Pictures\\cover.png");
    EXPECT_EQ(CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0, 0, nullptr), nullptr);
    EXPECT_EQ(CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, static_cast<DWORD>(contents.size() + 1), nullptr),
              nullptr);
    EXPECT_EQ(CreateFileMappingW(nullptr, nullptr, PAGE_READONLY, 0, 0, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    EXPECT_EQ(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(MapViewOfFile(file, FILE_MAP_READ, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(UnmapViewOfFile(nullptr));
    CloseHandle(mapping);
    CloseHandle(file);
}

}  // namespace
