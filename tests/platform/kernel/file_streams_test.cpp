// _wfopen streams: the runtime's calls work on them, modes behave as the runtime's, "w" replaces
// the file at fclose and "a" appends; bad modes and missing files fail with errno.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

class FileStreams : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryW(u"\\My Documents", nullptr));
        ASSERT_TRUE(CreateDirectoryW(u"\\Program Files", nullptr));
        ASSERT_TRUE(CreateDirectoryW(u"\\Program Files\\Quorvia", nullptr));
    }
    TestDevice device;
};

TEST_F(FileStreams, WrittenTextReadsBackThroughTheRuntimeCalls) {
    FILE* out = _wfopen(u"\\My Documents\\notes.dat", u"w");
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(std::fprintf(out, "%d\n", -42), 4);
    EXPECT_GE(std::fputs("Meeting\n", out), 0);
    EXPECT_EQ(std::fwrite("Last", 1, 4, out), 4u);
    EXPECT_EQ(std::ftell(out), 16);
    ASSERT_EQ(std::fclose(out), 0);

    FILE* in = _wfopen(u"\\MY DOCUMENTS\\Notes.dat", u"r");
    ASSERT_NE(in, nullptr);
    char line[64];
    ASSERT_NE(std::fgets(line, sizeof line, in), nullptr);
    EXPECT_STREQ(line, "-42\n");
    ASSERT_NE(std::fgets(line, sizeof line, in), nullptr);
    EXPECT_STREQ(line, "Meeting\n");
    ASSERT_NE(std::fgets(line, sizeof line, in), nullptr);
    EXPECT_STREQ(line, "Last");
    EXPECT_EQ(std::fgets(line, sizeof line, in), nullptr);
    EXPECT_TRUE(std::feof(in));
    EXPECT_EQ(std::fseek(in, 4, SEEK_SET), 0);
    char word[8] = {};
    EXPECT_EQ(std::fread(word, 1, 7, in), 7u);
    EXPECT_STREQ(word, "Meeting");
    EXPECT_EQ(std::fseek(in, -4, SEEK_END), 0);
    EXPECT_EQ(std::ftell(in), 12);
    EXPECT_EQ(std::fclose(in), 0);
}

TEST_F(FileStreams, BytesAreStoredAsWrittenInEveryMode) {
    const std::string bytes("a\r\nb\n\0\x1a\xff", 9);
    for (const char16_t* mode : {u"wb", u"w", u"wt"}) {
        FILE* out = _wfopen(u"\\raw.bin", mode);
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), out), bytes.size());
        ASSERT_EQ(std::fclose(out), 0);
        EXPECT_EQ(device.ReadFile(u"\\raw.bin"), bytes);
        FILE* in = _wfopen(u"\\raw.bin", mode[1] == u'b' ? u"rb" : u"rt");
        std::string back(32, '\0');
        back.resize(std::fread(back.data(), 1, back.size(), in));
        EXPECT_EQ(back, bytes);
        std::fclose(in);
    }
}

TEST_F(FileStreams, WriteModeReplacesTheFileOnlyAtClose) {
    device.WriteFile(u"\\Program Files\\Quorvia\\catinfo.dat", "old contents\n");
    FILE* out = _wfopen(u"\\Program Files\\Quorvia\\catinfo.dat", u"w");
    ASSERT_NE(out, nullptr);
    std::fputs("new\n", out);
    std::fflush(out);
    EXPECT_EQ(device.ReadFile(u"\\Program Files\\Quorvia\\catinfo.dat"), "old contents\n");
    FILE* reader = _wfopen(u"\\Program Files\\Quorvia\\catinfo.dat", u"r");
    ASSERT_NE(reader, nullptr);
    char line[32];
    EXPECT_STREQ(std::fgets(line, sizeof line, reader), "old contents\n");
    std::fclose(reader);
    ASSERT_EQ(std::fclose(out), 0);
    EXPECT_EQ(device.ReadFile(u"\\Program Files\\Quorvia\\catinfo.dat"), "new\n");
}

TEST_F(FileStreams, AppendingKeepsTheContentAndCreatesAMissingFile) {
    for (const char* entry : {"first", "second"}) {
        FILE* log = _wfopen(u"\\Program Files\\Quorvia\\quorvialog.txt", u"a");
        ASSERT_NE(log, nullptr);
        std::fseek(log, 0, SEEK_SET);  // appending writes at the end wherever the pointer is
        std::fprintf(log, "%s\n", entry);
        ASSERT_EQ(std::fclose(log), 0);
    }
    EXPECT_EQ(device.ReadFile(u"\\Program Files\\Quorvia\\quorvialog.txt"), "first\nsecond\n");

    FILE* both = _wfopen(u"\\Program Files\\Quorvia\\quorvialog.txt", u"a+");
    ASSERT_NE(both, nullptr);
    std::fputs("third\n", both);
    std::fseek(both, 0, SEEK_SET);
    char line[16];
    EXPECT_STREQ(std::fgets(line, sizeof line, both), "first\n");
    std::fclose(both);
    EXPECT_EQ(device.ReadFile(u"\\Program Files\\Quorvia\\quorvialog.txt"), "first\nsecond\nthird\n");
}

TEST_F(FileStreams, UpdateModesReadAndWrite) {
    device.WriteFile(u"\\a.txt", "abcdef");
    FILE* f = _wfopen(u"\\a.txt", u"r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 2, SEEK_SET);
    std::fputs("XY", f);
    std::fseek(f, 0, SEEK_SET);
    char text[8] = {};
    std::fread(text, 1, 6, f);
    EXPECT_STREQ(text, "abXYef");
    std::fclose(f);
    EXPECT_EQ(device.ReadFile(u"\\a.txt"), "abXYef");

    FILE* fresh = _wfopen(u"\\a.txt", u"w+");
    ASSERT_NE(fresh, nullptr);
    std::fputs("new", fresh);
    std::rewind(fresh);
    char back[8] = {};
    EXPECT_EQ(std::fread(back, 1, sizeof back, fresh), 3u);
    EXPECT_STREQ(back, "new");
    std::fclose(fresh);
    EXPECT_EQ(device.ReadFile(u"\\a.txt"), "new");
}

TEST_F(FileStreams, FailuresSetErrnoAndTheLastError) {
    struct Case {
        const char16_t* path;
        const char16_t* mode;
        int error;
    };
    device.WriteFile(u"\\ro.txt", "x");
    ASSERT_TRUE(SetFileAttributesW(u"\\ro.txt", FILE_ATTRIBUTE_READONLY));
    const Case cases[] = {
        {u"\\missing.txt", u"r", ENOENT},  {u"\\No Folder\\a.txt", u"w", ENOENT},
        {u"\\ro.txt", u"w", EACCES},       {u"\\ro.txt", u"a", EACCES},
        {u"\\bad?.txt", u"w", EINVAL},     {u"\\a.txt", u"", EINVAL},
        {u"\\a.txt", u"x", EINVAL},        {u"\\a.txt", u"rw", EINVAL},
        {u"\\a.txt", u"w,ccs=UTF-8", EINVAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.path) + " " + platform::ToUtf8(c.mode));
        errno = 0;
        EXPECT_EQ(_wfopen(c.path, c.mode), nullptr);
        EXPECT_EQ(errno, c.error);
    }
    EXPECT_EQ(_wfopen(u"\\missing.txt", u"r"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(_wfopen(nullptr, u"r"), nullptr);
    EXPECT_EQ(_wfopen(u"\\a.txt", nullptr), nullptr);
    EXPECT_FALSE(device.FileExists(u"\\a.txt"));
}

TEST_F(FileStreams, CloseReportsAReplacementThatCouldNotBeMade) {
    ASSERT_TRUE(CreateDirectoryW(u"\\Gone", nullptr));
    FILE* out = _wfopen(u"\\Gone\\a.txt", u"w");
    ASSERT_NE(out, nullptr);
    std::fputs("lost", out);
    std::filesystem::remove_all(device.HostPath(u"\\Gone"));
    EXPECT_EQ(std::fclose(out), EOF);
}

TEST_F(FileStreams, RemoveAndRenameFollowTheFileCalls) {
    device.WriteFile(u"\\a.txt", "a");
    device.WriteFile(u"\\b.txt", "b");
    errno = 0;
    EXPECT_EQ(_wrename(u"\\A.TXT", u"\\b.txt"), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(_wrename(u"\\A.TXT", u"\\c.txt"), 0);
    EXPECT_EQ(device.ReadFile(u"\\c.txt"), "a");
    EXPECT_EQ(_wremove(u"\\C.txt"), 0);
    EXPECT_FALSE(device.FileExists(u"\\c.txt"));
    errno = 0;
    EXPECT_EQ(_wremove(u"\\c.txt"), -1);
    EXPECT_EQ(errno, ENOENT);
}

TEST_F(FileStreams, ReopenClosesTheOldStreamAndOpensTheNewFile) {
    device.WriteFile(u"\\b.txt", "second file");
    FILE* first = _wfopen(u"\\a.txt", u"w");
    ASSERT_NE(first, nullptr);
    std::fputs("first file", first);
    FILE* second = _wfreopen(u"\\b.txt", u"r", first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(device.ReadFile(u"\\a.txt"), "first file");
    char text[32] = {};
    std::fgets(text, sizeof text, second);
    EXPECT_STREQ(text, "second file");
    std::fclose(second);
}

}  // namespace
