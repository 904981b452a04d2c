// Whole-or-nothing writes under failure: a writer that dies before closing, a write that fails
// part way, leftovers of crashed writers, and two writers of one file at once.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "platform/device.h"
#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

constexpr const char16_t* kTarget = u"\\My Documents\\wallet.zqw";
const std::string kOldContents = "the previous wallet, whole\n";
const std::string kHalf(4096, 'h');

// Runs body in a child process and returns its exit code; the child ends with _exit, so nothing
// it opened is ever closed.
int RunInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int TemporaryFilesIn(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find("|qvtmp|") != std::string::npos) ++count;
    return count;
}

std::vector<std::u16string> FoundNames(const char16_t* pattern) {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.emplace_back(data.cFileName);
    while (FindNextFileW(search, &data));
    FindClose(search);
    return names;
}

int HalfWriteWithHandle() {
    const HANDLE h = CreateFileW(kTarget, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    return WriteFile(h, kHalf.data(), static_cast<DWORD>(kHalf.size()), &written, nullptr) ? 0 : 2;
}

int HalfWriteWithStream() {
    FILE* out = _wfopen(kTarget, u"wb");
    if (!out) return 1;
    std::fwrite(kHalf.data(), 1, kHalf.size(), out);
    return std::fflush(out) == 0 ? 0 : 2;
}

TEST(AtomicFiles, WriterThatDiesBeforeClosingLeavesThePreviousFileIntact) {
    const struct {
        const char* name;
        int (*write)();
    } writers[] = {{"CreateFileW", HalfWriteWithHandle}, {"_wfopen", HalfWriteWithStream}};
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        TestDevice device;
        device.WriteFile(kTarget, kOldContents);
        const std::filesystem::path folder = device.HostPath(u"\\My Documents");

        ASSERT_EQ(RunInChild(writer.write), 0);
        EXPECT_EQ(device.ReadFile(kTarget), kOldContents);
        EXPECT_EQ(TemporaryFilesIn(folder), 1);  // the half-written file was really there
        EXPECT_EQ(FoundNames(u"\\My Documents\\*"), std::vector<std::u16string>{u"wallet.zqw"});

        // The next write of the same file clears the leftover.
        FILE* out = _wfopen(kTarget, u"wb");
        ASSERT_NE(out, nullptr);
        std::fputs("new wallet", out);
        ASSERT_EQ(std::fclose(out), 0);
        EXPECT_EQ(device.ReadFile(kTarget), "new wallet");
        EXPECT_EQ(TemporaryFilesIn(folder), 0);
    }
}

// A file that is never written again kept its dead writer's temporary for good; starting the
// device sweeps them everywhere, and leaves those of a process that still runs.
TEST(AtomicFiles, StartingTheDeviceRemovesDeadWritersTemporaries) {
    TestDevice device;
    device.WriteFile(kTarget, kOldContents);
    device.WriteFile(u"\\Program Files\\Quorvia\\catinfo.dat", "0\n");
    ASSERT_EQ(RunInChild(HalfWriteWithHandle), 0);
    const std::filesystem::path documents = device.HostPath(u"\\My Documents");
    const std::filesystem::path program = device.HostPath(u"\\Program Files\\Quorvia");
    std::FILE* left = std::fopen((program / "catinfo.dat|qvtmp|999999999.0").c_str(), "w");
    ASSERT_NE(left, nullptr);
    std::fclose(left);
    std::FILE* live = std::fopen((program / "catinfo.dat|qvtmp|1.0").c_str(), "w");  // pid 1 always runs
    ASSERT_NE(live, nullptr);
    std::fclose(live);
    ASSERT_EQ(TemporaryFilesIn(documents), 1);

    platform::SetDeviceRoot(device.Root());
    EXPECT_EQ(TemporaryFilesIn(documents), 0);
    EXPECT_EQ(TemporaryFilesIn(program), 1);
    EXPECT_TRUE(std::filesystem::exists(program / "catinfo.dat|qvtmp|1.0"));
    EXPECT_EQ(device.ReadFile(kTarget), kOldContents);
}

TEST(AtomicFiles, WriteThatFailsPartWayNeverReplacesTheFile) {
    TestDevice device;
    device.WriteFile(kTarget, kOldContents);
    // The child may not grow any file beyond a few bytes; its stream write fails part way and
    // fclose must report that instead of putting the part in the wallet's place.
    const int result = RunInChild([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        FILE* out = _wfopen(kTarget, u"wb");
        if (!out) return 11;
        std::fwrite(kHalf.data(), 1, kHalf.size(), out);
        return std::fclose(out) == EOF ? 0 : 12;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(device.ReadFile(kTarget), kOldContents);
    EXPECT_EQ(TemporaryFilesIn(device.HostPath(u"\\My Documents")), 0);
}

TEST(AtomicFiles, TemporaryFileIsNeverFoundWhileWriting) {
    TestDevice device;
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents", nullptr));
    const HANDLE h = CreateFileW(kTarget, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(TemporaryFilesIn(device.HostPath(u"\\My Documents")), 1);
    EXPECT_TRUE(FoundNames(u"\\My Documents\\*").empty());
    EXPECT_TRUE(FoundNames(u"\\My Documents\\*qvtmp*").empty());
    EXPECT_EQ(GetFileAttributesW(kTarget), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(CloseHandle(h));
    EXPECT_EQ(FoundNames(u"\\My Documents\\*"), std::vector<std::u16string>{u"wallet.zqw"});
}

TEST(AtomicFiles, TwoWritersOfOneFileDoNotTakeEachOthersTemporaryFile) {
    TestDevice device;
    device.WriteFile(kTarget, kOldContents);
    FILE* first = _wfopen(kTarget, u"w");
    FILE* second = _wfopen(u"\\my documents\\WALLET.ZQW", u"w");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    std::fputs("first", first);
    std::fputs("second", second);
    EXPECT_EQ(std::fclose(first), 0);
    EXPECT_EQ(device.ReadFile(kTarget), "first");
    EXPECT_EQ(std::fclose(second), 0);
    EXPECT_EQ(device.ReadFile(kTarget), "second");
    EXPECT_EQ(FoundNames(u"\\My Documents\\*"), std::vector<std::u16string>{u"wallet.zqw"});
}

TEST(AtomicFiles, CopyIsWholeAndKeepsTheSourcesPermissions) {
    TestDevice device;
    device.WriteFile(kTarget, kOldContents);
    ASSERT_TRUE(SetFileAttributesW(kTarget, FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CopyFileW(kTarget, u"\\My Documents\\copy.zqw", TRUE));
    EXPECT_EQ(device.ReadFile(u"\\My Documents\\copy.zqw"), kOldContents);
    EXPECT_TRUE(GetFileAttributesW(u"\\My Documents\\copy.zqw") & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(TemporaryFilesIn(device.HostPath(u"\\My Documents")), 0);
}

}  // namespace
