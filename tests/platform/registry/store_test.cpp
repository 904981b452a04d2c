// The store under the registry: values survive a reopened database and other processes, the
// registry follows the test device, a damaged file is said and kept aside, and two processes writing
// at once lose nothing.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/text.h"
#include "registry_fixture.h"

extern char** environ;

namespace {

using namespace registry_test;

constexpr const char* kWriterVariable = "QUORVIA_REGISTRY_WRITER";
constexpr const char16_t* kRaceKey = u"Software\\Race";
constexpr int kValuesPerWriter = 150;
constexpr int kWriters = 2;
constexpr auto kChildTimeLimit = std::chrono::seconds(90);

std::string ReadHostFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::u16string Numbered(const std::string& prefix, int n) { return platform::FromUtf8(prefix + std::to_string(n)); }

void WriteHostFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(RegistryTest, ValuesSurviveAReopenedDatabase) {
    {
        Key key;
        ASSERT_EQ(Create(HKEY_CURRENT_USER, u"\\Software\\Hollyfen\\Quorvia\\Settings", key), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(key.Get(), u"STARTON30", 10), ERROR_SUCCESS);
        ASSERT_EQ(SetBytes(key.Get(), u"NOTEDIR", REG_SZ, TextBytes(u"\\My Documents\\Notizen")), ERROR_SUCCESS);
        ASSERT_EQ(SetBytes(key.Get(), u"Blob", REG_BINARY, Bytes(std::string("\0\xff", 2))), ERROR_SUCCESS);
    }
    platform::testing::ReopenRegistry();
    EXPECT_TRUE(std::filesystem::exists(device_.Root() / "registry.db"));

    Key key;
    ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Hollyfen\\Quorvia\\Settings", key), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(key.Get(), u"STARTON30", 0), 10u);
    const Read text = ReadValue(key.Get(), u"NOTEDIR");
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.data, TextBytes(u"\\My Documents\\Notizen"));
    EXPECT_EQ(ReadValue(key.Get(), u"Blob").data, Bytes(std::string("\0\xff", 2)));
}

TEST_F(RegistryTest, OpenHandlesStayValidAcrossAReopen) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Kept", key), ERROR_SUCCESS);
    platform::testing::ReopenRegistry();
    EXPECT_EQ(SetDword(key.Get(), u"v", 4), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(key.Get(), u"v", 0), 4u);
}

TEST_F(RegistryTest, FollowsTheTestDevice) {
    Key outer;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Device", outer), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(outer.Get(), u"Which", 1), ERROR_SUCCESS);
    {
        platform::testing::TestDevice inner;
        Key probe;
        EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Device", probe), ERROR_FILE_NOT_FOUND);
        // A handle of the other device names nothing here.
        EXPECT_EQ(SetDword(outer.Get(), u"Which", 2), ERROR_INVALID_HANDLE);
        Key own;
        ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Device", own), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(own.Get(), u"Which", 3), ERROR_SUCCESS);
        EXPECT_TRUE(std::filesystem::exists(inner.Root() / "registry.db"));
    }
    EXPECT_EQ(ReadDword(outer.Get(), u"Which", 0), 1u);
}

// The files beside registry.db that a damaged one was kept as.
std::vector<std::filesystem::path> KeptAside(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> kept;
    for (const auto& entry : std::filesystem::directory_iterator(root))
        if (entry.path().filename().string().starts_with("registry.db.damaged-")) kept.push_back(entry.path());
    return kept;
}

TEST_F(RegistryTest, DamagedDatabaseIsSaidKeptAsideAndANewOneBegun) {
    const std::filesystem::path file = device_.Root() / "registry.db";
    {
        Key key;
        ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Hollyfen", key), ERROR_SUCCESS);
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(SetDword(key.Get(), Numbered("Value", i).c_str(), static_cast<DWORD>(i)),
                      ERROR_SUCCESS);
    }
    platform::testing::ReopenRegistry();  // the last connection folds the log into the file
    const std::string good = ReadHostFile(file);
    ASSERT_GT(good.size(), 8192u);

    struct Case {
        const char* what;
        std::string bytes;
    } const cases[] = {
        {"not a database at all", std::string(6000, 'x')},
        {"pages after the first overwritten", good.substr(0, 4096) + std::string(good.size() - 4096, '\xA5')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& old : KeptAside(device_.Root())) std::filesystem::remove(old);
        platform::testing::ReopenRegistry();  // the new registry of the case before is closed first
        WriteHostFile(file, c.bytes);
        platform::testing::ReopenRegistry();
        testing::internal::CaptureStderr();
        Key key;
        const LONG first = Open(HKEY_CURRENT_USER, u"Software\\Hollyfen", key);
        const std::string said = testing::internal::GetCapturedStderr();
        // Whatever the first call gives, the settings are not read from the damaged file.
        EXPECT_NE(first, ERROR_SUCCESS);
        EXPECT_NE(said.find("the settings could not be read"), std::string::npos) << said;
        const auto kept = KeptAside(device_.Root());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_NE(said.find(kept[0].string()), std::string::npos) << said;
        EXPECT_EQ(ReadHostFile(kept[0]), c.bytes) << "the damaged file is kept as it was";
        // The program goes on with a new, empty registry: its defaults.
        EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Hollyfen", key), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, u"x", 7), 7u);
        EXPECT_EQ(SetDword(HKEY_CURRENT_USER, u"x", 1), ERROR_SUCCESS);
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, u"x", 7), 1u);
    }
}

TEST_F(RegistryTest, ThreadsWritingAndReadingAtOnceLoseNothing) {
    constexpr int kThreads = 4;
    constexpr int kValuesPerThread = 40;
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Threads", key), ERROR_SUCCESS);
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            Key own;
            if (Create(HKEY_CURRENT_USER, u"Threads", own) != ERROR_SUCCESS) ++failures[t];
            for (int i = 0; i < kValuesPerThread; ++i) {
                const std::u16string name = Numbered(std::string("t").append(std::to_string(t)).append("_"), i);
                if (SetDword(own.Get(), name.c_str(), static_cast<DWORD>(i)) != ERROR_SUCCESS) ++failures[t];
                if (ReadDword(own.Get(), name.c_str(), 9999) != static_cast<DWORD>(i)) ++failures[t];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
    DWORD values = 0;
    ASSERT_EQ(RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, static_cast<DWORD>(kThreads * kValuesPerThread));
}

// Run only as a child of the test below: writes its share of values into the shared key.
TEST(RegistryWriter, DISABLED_WritesItsShare) {
    const char* writer = std::getenv(kWriterVariable);
    if (!writer) GTEST_SKIP() << "only run by TwoProcessesWritingAtOnceLoseNothing";
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, kRaceKey, key), ERROR_SUCCESS);
    // What the parent wrote before starting this process.
    ASSERT_EQ(ReadDword(key.Get(), u"Seed", 0), 42u);
    for (int i = 0; i < kValuesPerWriter; ++i) {
        const std::u16string name = Numbered(std::string("w").append(writer).append("_"), i);
        ASSERT_EQ(SetDword(key.Get(), name.c_str(), static_cast<DWORD>(i)), ERROR_SUCCESS);
        // Both writers also make the same keys, racing to create each one.
        if (i % 10 == 0) {
            Key shared;
            ASSERT_EQ(Create(key.Get(), Numbered("Shared\\K", i).c_str(), shared), ERROR_SUCCESS);
        }
    }
}

struct Child {
    pid_t pid = 0;
};

Child StartWriter(const std::filesystem::path& root, int writer) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> args = {self, "--gtest_also_run_disabled_tests",
                                     "--gtest_filter=RegistryWriter.DISABLED_WritesItsShare"};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QUORVIA_DEVICE=", 0) != 0 && entry.rfind(kWriterVariable, 0) != 0) env.push_back(entry);
    }
    env.push_back("QUORVIA_DEVICE=" + root.string());
    env.push_back(std::string(kWriterVariable) + "=" + std::to_string(writer));
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    for (auto& e : env) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    Child child;
    if (posix_spawn(&child.pid, self.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) child.pid = 0;
    return child;
}

// The child's exit status, or -1 when it had to be stopped at the time limit.
int WaitFor(const Child& child) {
    const auto deadline = std::chrono::steady_clock::now() + kChildTimeLimit;
    int status = 0;
    while (waitpid(child.pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child.pid, SIGKILL);
            waitpid(child.pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, kRaceKey, key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"Seed", 42), ERROR_SUCCESS);

    std::vector<Child> children;
    for (int w = 1; w <= kWriters; ++w) children.push_back(StartWriter(device_.Root(), w));
    for (const Child& child : children) ASSERT_NE(child.pid, 0);
    for (const Child& child : children) EXPECT_EQ(WaitFor(child), 0);

    DWORD values = 0;
    ASSERT_EQ(RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, static_cast<DWORD>(1 + kWriters * kValuesPerWriter));
    for (int w = 1; w <= kWriters; ++w)
        for (int i = 0; i < kValuesPerWriter; ++i)
            ASSERT_EQ(ReadDword(key.Get(), Numbered(std::string("w").append(std::to_string(w)).append("_"), i).c_str(), 9999), static_cast<DWORD>(i))
                << "writer " << w << " value " << i;

    Key shared;
    ASSERT_EQ(Open(key.Get(), u"Shared", shared), ERROR_SUCCESS);
    DWORD subKeys = 0;
    ASSERT_EQ(RegQueryInfoKeyW(shared.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, static_cast<DWORD>(kValuesPerWriter / 10));
}

// A process that wrote and ended leaves no log: the next start has nothing to recover or check.
TEST_F(RegistryTest, AProcessThatEndsLeavesNoLog) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, kRaceKey, key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"Seed", 42), ERROR_SUCCESS);
    platform::testing::ReopenRegistry();  // this process lets go, so the writer is the last one out
    const std::filesystem::path log = device_.Root() / "registry.db-wal";
    ASSERT_FALSE(std::filesystem::exists(log) && std::filesystem::file_size(log) > 0);

    const Child writer = StartWriter(device_.Root(), 1);
    ASSERT_NE(writer.pid, 0);
    ASSERT_EQ(WaitFor(writer), 0);
    EXPECT_FALSE(std::filesystem::exists(log) && std::filesystem::file_size(log) > 0);
    EXPECT_EQ(ReadDword(key.Get(), u"w1_149", 9999), 149u);
}

}  // namespace
