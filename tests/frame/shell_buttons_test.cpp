// The shell's launch keys: taking buttons over and giving them back, the hardware button of one
// keyboard model, failed writes, closing the built-in application, bounded reads of the launch
// texts and the start-up repair after the program moved.
#include <gtest/gtest.h>

#include <string>

#include "core/frame_state.h"
#include "core/shell_buttons.h"
#include "frame/settings_store.h"
#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_registry.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

constexpr const WCHAR* kCalendarKey = u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR";
constexpr const WCHAR* kTasksKey = u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS";
constexpr const WCHAR* kContactsKey = u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS";
constexpr const WCHAR* kKeybdKey = u"\\ControlPanel\\Keybd";
constexpr const WCHAR* kExe = u"\"\\Program Files\\Quorvia\\Quorvia.exe\"";

class ShellButtons : public ::testing::Test {
protected:
    // A frozen clock lets the second looks for a window pass without waiting.
    ShellButtons() {
        g_Frame = {};
        platform::testing::ClearMessageBoxes();
        platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0});
    }
    ~ShellButtons() override {
        platform::testing::ThawClock();
        platform::testing::ResetRegistryFaults();
        platform::testing::ClearMessageBoxes();
        g_Frame = {};
    }

    static void SetText(HKEY root, const WCHAR* path, const WCHAR* value, const std::u16string& text) {
        SetBytes(root, path, value, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
    }

    static void SetBytes(HKEY root, const WCHAR* path, const WCHAR* value, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExW(key, value, 0, REG_SZ, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    // The stored text, or "<none>" when the key or value is missing.
    static std::u16string Text(HKEY root, const WCHAR* path, const WCHAR* value) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return u"<none>";
        WCHAR buffer[600] = {};
        DWORD size = sizeof(buffer) - sizeof(WCHAR);
        const LONG status = RegQueryValueExW(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? std::u16string(buffer) : u"<none>";
    }

    static void MakeShellKeys() {
        SetText(HKEY_LOCAL_MACHINE, kCalendarKey, u"1", u":MSPOUTLOOK calendar");
        SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", u":MSPOUTLOOK tasks");
        SetText(HKEY_LOCAL_MACHINE, kContactsKey, u"1", u":MSPOUTLOOK contacts");
        SetText(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path", u":MSPOUTLOOK calendar");
    }

    platform::testing::TestDevice device_;
};

TEST_F(ShellButtons, LaunchTextNamesTheProgram) {
    struct Case {
        std::u16string text;
        LONG names;
    };
    const Case cases[] = {
        {std::u16string(kExe) + u" /TASKS", 1},
        {u"\"\\Storage Card\\VestralAgenda\\agenda.exe\" /TASKS", 1},
        {u"\\windows\\quorvia.exe", 1},
        {u":MSPOUTLOOK tasks", 0},
        {u"\"\\QUORVIA\\x.exe\"", 0},
    };
    for (const Case& c : cases) {
        SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", c.text);
        EXPECT_EQ(IsShellTasksKey(), c.names) << std::string(c.text.begin(), c.text.end());
    }
    EXPECT_EQ(IsShellContactsKey(), 0);  // no key at all
}

TEST_F(ShellButtons, LaunchTextWithoutTerminatorIsReadWithinItsBound) {
    const std::u16string shortText = u"\\Quorvia\\";
    SetBytes(HKEY_LOCAL_MACHINE, kTasksKey, u"1", shortText.data(), static_cast<DWORD>(shortText.size() * 2));
    EXPECT_EQ(IsShellTasksKey(), 1);

    // More than the 510 bytes a launch text may take: not read at all.
    const std::u16string longText = std::u16string(300, u'x') + u"Quorvia";
    SetBytes(HKEY_LOCAL_MACHINE, kTasksKey, u"1", longText.data(), static_cast<DWORD>(longText.size() * 2));
    EXPECT_EQ(IsShellTasksKey(), 0);
}

TEST_F(ShellButtons, TakingOverAndGivingBackWritesOnlyExistingKeys) {
    SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", u":MSPOUTLOOK tasks");
    RegisterTasksButton();
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kTasksKey, u"1"), std::u16string(kExe) + u" /TASKS");
    EXPECT_EQ(IsShellTasksKey(), 1);
    RestoreTasksButton();
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kTasksKey, u"1"), u":MSPOUTLOOK tasks");

    RegisterContactsButton();  // the shell has no contacts key: nothing is made
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kContactsKey, u"1"), u"<none>");
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ShellButtons, HardwareButtonFourOnlyOnItsKeyboardModel) {
    MakeShellKeys();
    RegisterCalendarButton();
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kCalendarKey, u"1"), std::u16string(kExe) + u" /SCHEDULE");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path"), u":MSPOUTLOOK calendar");

    g_Frame.kbdModelCode = kKbdMotoQ9H;
    RegisterCalendarButton();
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path"), std::u16string(kExe) + u" /SCHEDULE");
    EXPECT_EQ(IsHwKey4Program(), 1);

    g_Frame.kbdModelCode = kKbdModelUnknown;
    RestoreCalendarButton();  // another model leaves the hardware button as it is
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kCalendarKey, u"1"), u":MSPOUTLOOK calendar");
    EXPECT_EQ(IsHwKey4Program(), 1);

    g_Frame.kbdModelCode = kKbdMotoQ9H;
    RestoreCalendarButton();
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path"), u":MSPOUTLOOK calendar");
}

// The built-in application's window, which must get WM_CLOSE when its button is taken over.
int g_closes = 0;
LRESULT CALLBACK BuiltInProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        ++g_closes;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class BuiltInWindow {
public:
    explicit BuiltInWindow(const WCHAR* className) : className_(className) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = BuiltInProc;
        wc.lpszClassName = className;
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, className, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        g_closes = 0;
    }
    ~BuiltInWindow() {
        DestroyWindow(hwnd_);
        UnregisterClassW(className_, nullptr);
    }
    HWND Get() const { return hwnd_; }

private:
    const WCHAR* className_;
    HWND hwnd_;
};

TEST_F(ShellButtons, TakingOverClosesTheBuiltInApplication) {
    const BuiltInWindow tasks(u"Tasks Application");
    ASSERT_NE(tasks.Get(), nullptr);
    SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", u":MSPOUTLOOK tasks");
    RegisterTasksButton();
    EXPECT_EQ(g_closes, 1);
    RestoreTasksButton();  // giving back closes nothing
    EXPECT_EQ(g_closes, 1);
    EXPECT_EQ(CloseBuiltInPimWindow(kBuiltInTasks), 1);
    EXPECT_EQ(CloseBuiltInPimWindow(kBuiltInContacts), 0);
    EXPECT_EQ(CloseBuiltInPimWindow(7), 0);
}

TEST_F(ShellButtons, FailedWriteIsReportedAndLeavesTheApplicationOpen) {
    const BuiltInWindow tasks(u"Tasks Application");
    SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", u":MSPOUTLOOK tasks");
    platform::testing::FailRegistryWriteAfter(0);
    RegisterTasksButton();
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kTasksKey, u"1"), u":MSPOUTLOOK tasks");
    EXPECT_EQ(g_closes, 0);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Error: Registry - Unable to Register");
    EXPECT_EQ(shown[0].caption, u"Vestral Agenda");
    EXPECT_EQ(shown[0].type & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(ShellButtons, StartUpRewritesKeysThatNameAnOlderFolder) {
    MakeShellKeys();
    const std::u16string oldExe = u"\"\\Storage Card\\Quorvia\\Quorvia.exe\"";
    SetText(HKEY_LOCAL_MACHINE, kTasksKey, u"1", oldExe + u" /TASKS");
    SetText(HKEY_LOCAL_MACHINE, kCalendarKey, u"1", oldExe + u" /SCHEDULE");
    SetText(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path", oldExe + u" /SCHEDULE");
    SetText(HKEY_LOCAL_MACHINE, kContactsKey, u"1", u"\"\\Windows\\other.exe\" /CONTACTS");
    g_Frame.kbdModelCode = kKbdMotoQ9H;

    CheckShellKeys();
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettingsKey, u"INSTALLLOCATION"), u"\\Program Files\\Quorvia\\");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kTasksKey, u"1"), std::u16string(kExe) + u" /TASKS");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kCalendarKey, u"1"), std::u16string(kExe) + u" /SCHEDULE");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kKeybdKey, u"APP4_Path"), std::u16string(kExe) + u" /SCHEDULE");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kContactsKey, u"1"), u"\"\\Windows\\other.exe\" /CONTACTS");
}

TEST_F(ShellButtons, StartUpFillsTheShortcutStates) {
    MakeShellKeys();
    SetText(HKEY_LOCAL_MACHINE, kContactsKey, u"1", std::u16string(kExe) + u" /CONTACTS");
    LoadSettings();
    EXPECT_EQ(g_Settings.calendarShortcut, 0);
    EXPECT_EQ(g_Settings.taskShortcut, 0);
    EXPECT_EQ(g_Settings.contactShortcut, 1);
}

TEST_F(ShellButtons, WaitForChildWindowAcceptsOnlyThatParent) {
    const BuiltInWindow parent(u"WaitParent");
    const BuiltInWindow other(u"WaitOther");
    const HWND child = CreateWindowExW(0, u"WaitParent", u"Edit Task", WS_POPUP, 0, 0, 5, 5, parent.Get(), nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(WaitForChildWindow(parent.Get(), u"Edit Task"), 1);
    EXPECT_EQ(WaitForChildWindow(other.Get(), u"Edit Task"), 0);
    EXPECT_EQ(WaitForChildWindow(parent.Get(), u"No Such Title"), 0);
    DestroyWindow(child);
}

}  // namespace
