// Calls on files and folders by name: delete, move, copy, folders and attributes, each with the
// error codes callers rely on.
#include <gtest/gtest.h>

#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

class FileOps : public ::testing::Test {
protected:
    void SetUp() override {
        device.WriteFile(u"\\My Documents\\a.txt", "a");
        device.WriteFile(u"\\My Documents\\b.txt", "b");
        device.WriteFile(u"\\My Documents\\Notes\\n.txt", "n");
        device.WriteFile(u"\\My Documents\\ro.txt", "ro");
        ASSERT_TRUE(SetFileAttributesW(u"\\My Documents\\ro.txt", FILE_ATTRIBUTE_READONLY));
    }

    void ExpectFailure(BOOL result, DWORD error) {
        EXPECT_FALSE(result);
        EXPECT_EQ(GetLastError(), error);
    }

    TestDevice device;
};

TEST_F(FileOps, DeleteRefusesWhatItMayNotRemove) {
    ExpectFailure(DeleteFileW(u"\\My Documents\\missing.txt"), ERROR_FILE_NOT_FOUND);
    ExpectFailure(DeleteFileW(u"\\Nowhere\\a.txt"), ERROR_PATH_NOT_FOUND);
    ExpectFailure(DeleteFileW(u"\\My Documents\\Notes"), ERROR_ACCESS_DENIED);
    ExpectFailure(DeleteFileW(u"\\My Documents\\ro.txt"), ERROR_ACCESS_DENIED);
    ExpectFailure(DeleteFileW(u"\\My Documents\\*.txt"), ERROR_INVALID_NAME);
    EXPECT_TRUE(device.FileExists(u"\\My Documents\\ro.txt"));
    EXPECT_TRUE(DeleteFileW(u"\\MY DOCUMENTS\\A.TXT"));
    EXPECT_FALSE(device.FileExists(u"\\My Documents\\a.txt"));
}

TEST_F(FileOps, MoveNeverReplacesAnExistingFile) {
    ExpectFailure(MoveFileW(u"\\My Documents\\a.txt", u"\\My Documents\\B.TXT"), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\b.txt"), "b");
    ExpectFailure(MoveFileW(u"\\My Documents\\missing.txt", u"\\My Documents\\c.txt"), ERROR_FILE_NOT_FOUND);
    ExpectFailure(MoveFileW(u"\\My Documents\\a.txt", u"\\Nowhere\\a.txt"), ERROR_PATH_NOT_FOUND);
    // A rename to a name with '?' is attempted and fails here.
    ExpectFailure(MoveFileW(u"\\My Documents\\a.txt", u"\\My Documents\\what?.txt"), ERROR_INVALID_NAME);
    EXPECT_TRUE(MoveFileW(u"\\My Documents\\a.txt", u"\\My Documents\\Notes\\moved.txt"));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\Notes\\moved.txt"), "a");
    EXPECT_FALSE(device.FileExists(u"\\My Documents\\a.txt"));
}

TEST_F(FileOps, MoveTakesFoldersAndChangesLetterCase) {
    ASSERT_TRUE(MoveFileW(u"\\My Documents\\notes", u"\\My Documents\\Archive"));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\Archive\\n.txt"), "n");
    ASSERT_TRUE(MoveFileW(u"\\My Documents\\b.txt", u"\\My Documents\\B.TXT"));
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW(u"\\My Documents\\b.txt", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::u16string(data.cFileName), u"B.TXT");
    FindClose(search);
    ExpectFailure(MoveFileW(u"\\", u"\\Top"), ERROR_ACCESS_DENIED);
}

TEST_F(FileOps, CopyHonoursFailIfExists) {
    ExpectFailure(CopyFileW(u"\\My Documents\\a.txt", u"\\My Documents\\b.txt", TRUE), ERROR_FILE_EXISTS);
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\b.txt"), "b");
    EXPECT_TRUE(CopyFileW(u"\\My Documents\\a.txt", u"\\My Documents\\b.txt", FALSE));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\b.txt"), "a");
    ExpectFailure(CopyFileW(u"\\My Documents\\a.txt", u"\\My Documents\\ro.txt", FALSE), ERROR_ACCESS_DENIED);
    ExpectFailure(CopyFileW(u"\\My Documents\\Notes", u"\\My Documents\\c.txt", FALSE), ERROR_ACCESS_DENIED);
    ExpectFailure(CopyFileW(u"\\My Documents\\missing", u"\\My Documents\\c.txt", FALSE), ERROR_FILE_NOT_FOUND);
    ExpectFailure(CopyFileW(u"\\My Documents\\a.txt", u"\\Nowhere\\c.txt", FALSE), ERROR_PATH_NOT_FOUND);
}

TEST_F(FileOps, FoldersAreMadeUnderExistingParentsAndRemovedOnlyWhenEmpty) {
    ExpectFailure(CreateDirectoryW(u"\\My Documents\\NOTES", nullptr), ERROR_ALREADY_EXISTS);
    ExpectFailure(CreateDirectoryW(u"\\Nowhere\\Deeper", nullptr), ERROR_PATH_NOT_FOUND);
    ExpectFailure(CreateDirectoryW(u"\\My Documents\\a:b", nullptr), ERROR_INVALID_NAME);
    EXPECT_TRUE(CreateDirectoryW(u"\\My Documents\\Empty", nullptr));
    EXPECT_EQ(GetFileAttributesW(u"\\my documents\\empty"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

    ExpectFailure(RemoveDirectoryW(u"\\My Documents\\Notes"), ERROR_DIR_NOT_EMPTY);
    ExpectFailure(RemoveDirectoryW(u"\\My Documents\\a.txt"), ERROR_DIRECTORY);
    ExpectFailure(RemoveDirectoryW(u"\\My Documents\\Missing"), ERROR_FILE_NOT_FOUND);
    ExpectFailure(RemoveDirectoryW(u"\\"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(RemoveDirectoryW(u"\\My Documents\\EMPTY"));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Empty"), INVALID_FILE_ATTRIBUTES);

    // A crashed writer's leftover does not keep a folder that looks empty.
    device.WriteFile(u"\\My Documents\\Left\\x", "");
    const std::filesystem::path folder = device.HostPath(u"\\My Documents\\Left");
    std::filesystem::rename(folder / "x", folder / "x|qvtmp|999999999.0");
    EXPECT_TRUE(RemoveDirectoryW(u"\\My Documents\\Left"));
}

TEST_F(FileOps, AttributesReportFoldersAndTheReadOnlyMark) {
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\ro.txt"),
              static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributesW(u"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(SetFileAttributesW(u"\\My Documents\\ro.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\ro.txt") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(DeleteFileW(u"\\My Documents\\ro.txt"));

    SetLastError(0);
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\missing"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesW(u"\\Nowhere\\missing"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    ExpectFailure(SetFileAttributesW(u"\\My Documents\\missing", FILE_ATTRIBUTE_READONLY), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesW(nullptr), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
