// Starting the device's programs: recorded when the device has them, refused as on the device when not.
#include "platform/process.h"
#include "platform/text.h"
#include "window_fixture.h"

namespace {

using platform::testing::StartedPrograms;

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::testing::ClearStartedPrograms();
        device_.WriteFile(u"\\Windows\\peghelp.exe", "");
        device_.WriteFile(u"\\Windows\\iexplore.exe", "");
        device_.WriteFile(u"\\Windows\\tmail.exe", "");
        device_.WriteFile(u"\\My Documents\\Notes\\a.txt", "note");
    }
    SHELLEXECUTEINFOW Info(const WCHAR* file, const WCHAR* parameters) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = SHELLEXECUTEINFO_DEVICE_SIZE;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = file;
        info.lpParameters = parameters;
        info.nShow = SW_SHOW;
        return info;
    }
    platform::testing::TestDevice device_;
};

TEST_F(ProcessTest, CreateProcessFindsABareNameInTheWindowsFolder) {
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(u"peghelp.exe", u"file:VestralAgenda.htm#Main_Contents", nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, nullptr, &pi));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), WAIT_OBJECT_0);  // it counts as already ended
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_TRUE(CloseHandle(pi.hThread));
    ASSERT_EQ(StartedPrograms().size(), 1u);
    EXPECT_EQ(StartedPrograms()[0].program, u"\\Windows\\peghelp.exe");
    EXPECT_EQ(StartedPrograms()[0].commandLine, u"file:VestralAgenda.htm#Main_Contents");
    // The help viewer is the device's own program: its window is up.
    const HWND viewer = platform::testing::ShownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    platform::testing::PumpMessages();
    EXPECT_EQ(platform::testing::ShownHelpViewer(), nullptr);
}

TEST_F(ProcessTest, ProgramsAndDocumentsTheDeviceLacksAreRefused) {
    SetLastError(0);
    EXPECT_FALSE(CreateProcessW(u"\\Windows\\nothere.exe", u"", nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    for (const WCHAR* file : {u"nothere.exe", u"\\My Documents\\missing.txt", u""}) {
        SHELLEXECUTEINFOW info = Info(file, u"");
        EXPECT_FALSE(ShellExecuteExW(&info));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(info.hInstApp), static_cast<ULONG_PTR>(SE_ERR_FNF));
        EXPECT_EQ(info.hProcess, nullptr);
    }
    SHELLEXECUTEINFOW bad = Info(u"tmail.exe", u"");
    bad.cbSize = 12;
    EXPECT_FALSE(ShellExecuteExW(&bad));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(StartedPrograms().empty());
}

TEST_F(ProcessTest, ShellExecuteStartsProgramsOpensDocumentsAndHandsOnAddresses) {
    struct Case {
        const WCHAR* file;
        const WCHAR* parameters;
        std::u16string program;
    };
    const Case cases[] = {
        {u"\\windows\\iexplore.exe", u"http://example.org/", u"\\windows\\iexplore.exe"},
        {u"tmail.exe", u"mailto:someone@example.org", u"\\Windows\\tmail.exe"},
        {u"\\my documents\\notes\\A.TXT", u"", u"\\my documents\\notes\\A.TXT"},
        {u"mailto:someone@example.org", u"", u"mailto:someone@example.org"},
    };
    for (const Case& c : cases) {
        SHELLEXECUTEINFOW info = Info(c.file, c.parameters);
        ASSERT_TRUE(ShellExecuteExW(&info)) << platform::ToUtf8(c.file);
        EXPECT_GT(reinterpret_cast<ULONG_PTR>(info.hInstApp), 32u);
        ASSERT_NE(info.hProcess, nullptr);
        CloseHandle(info.hProcess);
    }
    const auto started = StartedPrograms();
    ASSERT_EQ(started.size(), std::size(cases));
    for (std::size_t i = 0; i < started.size(); ++i) {
        EXPECT_EQ(started[i].program, cases[i].program);
        EXPECT_EQ(started[i].commandLine, cases[i].parameters);
        EXPECT_EQ(started[i].verb, u"open");
    }
}

}  // namespace
