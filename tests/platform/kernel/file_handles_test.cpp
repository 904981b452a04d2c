// CreateFileW and the calls on its handles: creation rules and their error codes, reading and
// writing, the file pointer, and refusing bad handles.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

HANDLE Open(const std::u16string& path, DWORD access, DWORD creation, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation, attributes, nullptr);
}

std::string ReadAll(HANDLE h) {
    std::string out(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    EXPECT_TRUE(ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &got, nullptr));
    out.resize(got);
    return out;
}

void Write(HANDLE h, const std::string& bytes) {
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

class FileHandles : public ::testing::Test {
protected:
    void SetUp() override {
        device.WriteFile(u"\\My Documents\\a.txt", "old text");
        device.WriteFile(u"\\My Documents\\locked.txt", "locked");
        ASSERT_TRUE(SetFileAttributesW(u"\\My Documents\\locked.txt", FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\Sub", nullptr));
    }
    TestDevice device;
};

TEST_F(FileHandles, OpensWhateverTheLetterCaseOfEachComponent) {
    const HANDLE h = Open(u"\\my documents\\A.TXT", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadAll(h), "old text");
    EXPECT_TRUE(CloseHandle(h));
    // Forward slashes separate as well.
    const HANDLE slash = Open(u"/MY DOCUMENTS/a.txt", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(slash, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(slash));
}

TEST_F(FileHandles, CreationRulesGiveTheDocumentedResults) {
    struct Case {
        const char16_t* path;
        DWORD access;
        DWORD creation;
        bool opens;
        DWORD error;
    };
    const Case cases[] = {
        {u"\\My Documents\\missing.txt", GENERIC_READ, OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND},
        {u"\\Nowhere\\a.txt", GENERIC_READ, OPEN_EXISTING, false, ERROR_PATH_NOT_FOUND},
        {u"\\Nowhere\\a.txt", GENERIC_WRITE, CREATE_ALWAYS, false, ERROR_PATH_NOT_FOUND},
        {u"\\My Documents\\a.txt\\x", GENERIC_READ, OPEN_EXISTING, false, ERROR_PATH_NOT_FOUND},
        {u"\\My Documents\\a.txt", GENERIC_WRITE, CREATE_NEW, false, ERROR_FILE_EXISTS},
        {u"\\My Documents\\missing.txt", GENERIC_WRITE, TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND},
        {u"\\My Documents\\a.txt", GENERIC_READ, TRUNCATE_EXISTING, false, ERROR_INVALID_PARAMETER},
        {u"\\My Documents\\a.txt", GENERIC_READ, 0, false, ERROR_INVALID_PARAMETER},
        {u"\\My Documents\\Sub", GENERIC_READ, OPEN_EXISTING, false, ERROR_ACCESS_DENIED},
        {u"\\My Documents\\locked.txt", GENERIC_WRITE, OPEN_EXISTING, false, ERROR_ACCESS_DENIED},
        {u"\\My Documents\\locked.txt", GENERIC_WRITE, CREATE_ALWAYS, false, ERROR_ACCESS_DENIED},
        {u"\\My Documents\\what?.txt", GENERIC_WRITE, CREATE_ALWAYS, false, ERROR_INVALID_NAME},
        {u"\\My Documents\\a|b.txt", GENERIC_WRITE, CREATE_ALWAYS, false, ERROR_INVALID_NAME},
        {u"\\My Documents\\locked.txt", GENERIC_READ, OPEN_EXISTING, true, ERROR_SUCCESS},
        {u"\\My Documents\\a.txt", GENERIC_READ, OPEN_ALWAYS, true, ERROR_ALREADY_EXISTS},
        {u"\\My Documents\\a.txt", kReadWrite, CREATE_ALWAYS, true, ERROR_ALREADY_EXISTS},
        {u"\\My Documents\\new1.txt", GENERIC_WRITE, OPEN_ALWAYS, true, ERROR_SUCCESS},
        {u"\\My Documents\\new2.txt", GENERIC_WRITE, CREATE_ALWAYS, true, ERROR_SUCCESS},
        {u"\\My Documents\\new3.txt", GENERIC_WRITE, CREATE_NEW, true, ERROR_SUCCESS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.path) + " creation " + std::to_string(c.creation));
        SetLastError(12345);
        const HANDLE h = Open(c.path, c.access, c.creation);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, c.opens);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(c.error));
        if (h != INVALID_HANDLE_VALUE) {
            EXPECT_TRUE(CloseHandle(h));
        }
    }
    EXPECT_TRUE(device.FileExists(u"\\My Documents\\new1.txt"));
    EXPECT_TRUE(device.FileExists(u"\\My Documents\\new3.txt"));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\a.txt"), "");  // emptied by CREATE_ALWAYS
}

TEST_F(FileHandles, ReplacementIsSeenOnlyOnceClosed) {
    const HANDLE reader = Open(u"\\My Documents\\a.txt", GENERIC_READ, OPEN_EXISTING);
    const HANDLE writer = Open(u"\\My Documents\\a.txt", GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    Write(writer, "new text, longer");
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\a.txt"), "old text");
    ASSERT_TRUE(CloseHandle(writer));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\a.txt"), "new text, longer");
    // A reader that opened before goes on reading the file it opened.
    EXPECT_EQ(ReadAll(reader), "old text");
    EXPECT_TRUE(CloseHandle(reader));
}

TEST_F(FileHandles, ReadWriteOpenOfAnExistingFileWritesInPlace) {
    const HANDLE h = Open(u"\\My Documents\\a.txt", kReadWrite, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), 4u);
    Write(h, "TEXT");
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\a.txt"), "old TEXT");
    EXPECT_EQ(SetFilePointer(h, 3, nullptr, FILE_BEGIN), 3u);
    EXPECT_TRUE(SetEndOfFile(h));
    EXPECT_TRUE(FlushFileBuffers(h));
    EXPECT_EQ(GetFileSize(h, nullptr), 3u);
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\a.txt"), "old");
}

TEST_F(FileHandles, ReadingStopsAtTheEndAndAccessIsEnforced) {
    const HANDLE h = Open(u"\\My Documents\\a.txt", GENERIC_READ, OPEN_EXISTING);
    char buffer[32] = {};
    DWORD got = 99;
    EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(got, 8u);
    EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(got, 0u);
    DWORD written = 99;
    EXPECT_FALSE(WriteFile(h, "x", 1, &written, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(SetEndOfFile(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(h));

    const HANDLE w = Open(u"\\My Documents\\a.txt", GENERIC_WRITE, OPEN_EXISTING);
    EXPECT_FALSE(ReadFile(w, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(w));
}

TEST_F(FileHandles, FilePointerTakesTheHighWordAndRefusesToGoBeforeTheStart) {
    const HANDLE h = Open(u"\\My Documents\\a.txt", GENERIC_READ, OPEN_EXISTING);
    EXPECT_EQ(SetFilePointer(h, -2, nullptr, FILE_END), 6u);
    EXPECT_EQ(SetFilePointer(h, -10, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
    EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_CURRENT), 6u);  // unmoved

    // Low word 0xFFFFFFFF is a valid place: told apart from failure by the last error.
    LONG high = -1;
    EXPECT_EQ(SetFilePointer(h, -1, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
    high = 0;
    SetLastError(77);
    EXPECT_EQ(SetFilePointer(h, -1, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(high, 0);
    high = 1;
    EXPECT_EQ(SetFilePointer(h, 16, &high, FILE_BEGIN), 16u);
    EXPECT_EQ(high, 1);
    // Without the high word a place beyond 32 bits cannot be told, and the pointer stays.
    EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    high = 0;
    EXPECT_EQ(SetFilePointer(h, 0, &high, FILE_CURRENT), 16u);
    EXPECT_EQ(high, 1);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(FileHandles, FileTimesAreRecentAndSizeHasAHighWord) {
    constexpr ULONGLONG kUnixEpoch = 116444736000000000ull;
    const auto sinceUnixEpoch = std::chrono::system_clock::now().time_since_epoch();
    const ULONGLONG now =
        kUnixEpoch + static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::microseconds>(sinceUnixEpoch).count()) * 10;
    const HANDLE h = Open(u"\\My Documents\\fresh.txt", kReadWrite, CREATE_ALWAYS);
    Write(h, "12345");
    FILETIME created{};
    FILETIME accessed{};
    FILETIME written{};
    ASSERT_TRUE(GetFileTime(h, &created, &accessed, &written));
    const auto value = [](const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    constexpr ULONGLONG kMinute = 60ull * 10000000ull;
    EXPECT_LT(now - kMinute, value(written));
    EXPECT_LT(value(written), now + kMinute);
    EXPECT_NE(value(created), 0u);
    DWORD high = 99;
    EXPECT_EQ(GetFileSize(h, &high), 5u);
    EXPECT_EQ(high, 0u);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(FileHandles, BadHandlesAreRefusedWithoutACrash) {
    const HANDLE closed = Open(u"\\My Documents\\a.txt", GENERIC_READ, OPEN_EXISTING);
    ASSERT_TRUE(CloseHandle(closed));
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW(u"\\My Documents\\*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    const HANDLE bad[] = {nullptr, INVALID_HANDLE_VALUE, closed, search};
    for (const HANDLE h : bad) {
        char buffer[4];
        DWORD n = 0;
        LONG high = 0;
        FILETIME t{};
        SetLastError(0);
        EXPECT_FALSE(ReadFile(h, buffer, 4, &n, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_FALSE(WriteFile(h, buffer, 4, &n, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(SetFilePointer(h, 0, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
        EXPECT_EQ(GetFileSize(h, nullptr), INVALID_FILE_SIZE);
        EXPECT_FALSE(SetEndOfFile(h));
        EXPECT_FALSE(FlushFileBuffers(h));
        SetLastError(0);
        EXPECT_FALSE(GetFileTime(h, &t, &t, &t));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_TRUE(FindClose(search));
}

TEST_F(FileHandles, ReadOnlyAttributeAtCreationTakesEffectOnceClosed) {
    const HANDLE h = Open(u"\\My Documents\\frozen.txt", GENERIC_WRITE, CREATE_NEW, FILE_ATTRIBUTE_READONLY);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    Write(h, "kept");
    ASSERT_TRUE(CloseHandle(h));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\frozen.txt") & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Open(u"\\My Documents\\frozen.txt", GENERIC_WRITE, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\frozen.txt"), "kept");
}

TEST(FilePaths, DotDotNeverClimbsAboveTheDevice) {
    TestDevice device;
    const std::filesystem::path outside = device.Root() / "secret.txt";
    { std::ofstream(outside) << "host"; }
    EXPECT_EQ(GetFileAttributesW(u"\\..\\secret.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\..\\..\\..\\secret.txt"), INVALID_FILE_ATTRIBUTES);
    const HANDLE h = Open(u"\\..\\..\\secret.txt", GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    Write(h, "device");
    ASSERT_TRUE(CloseHandle(h));
    EXPECT_EQ(device.ReadFile(u"\\secret.txt"), "device");
    std::ifstream in(outside);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "host");
}

}  // namespace
