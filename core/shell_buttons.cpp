// The shell's launch keys of the Calendar, Tasks and Contacts buttons. The keys belong to the shell:
// they are only opened, never created, and their texts are read back with a bound, since another
// program may have written anything there.
#include "core/shell_buttons.h"

#include <vector>

#include "core/frame_state.h"
#include "core/os_version.h"
#include "core/reg_key.h"
#include "core/settings_key.h"
#include "core/show_message.h"
#include "platform/system.h"
#include "platform/time.h"
#include "platform/user.h"

namespace {

enum class RegRoot { LocalMachine, CurrentUser };

struct ShellButton {
    RegRoot root;
    const WCHAR* key;
    const WCHAR* value;
    const WCHAR* launchSwitch;  // follows the quoted executable path
    const WCHAR* givenBack;     // the built-in application's launch text
};

constexpr ShellButton kCalendarButton{RegRoot::LocalMachine, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u"1",
                                      u"/SCHEDULE", u":MSPOUTLOOK calendar"};
constexpr ShellButton kTasksButton{RegRoot::LocalMachine, u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"1",
                                   u"/TASKS", u":MSPOUTLOOK tasks"};
constexpr ShellButton kContactsButton{RegRoot::LocalMachine, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS", u"1",
                                      u"/CONTACTS", u":MSPOUTLOOK contacts"};
// Hardware button 4 is bound to the calendar on one keyboard model only.
constexpr ShellButton kHwKey4Button{RegRoot::CurrentUser, u"\\ControlPanel\\Keybd", u"APP4_Path", u"/SCHEDULE",
                                    u":MSPOUTLOOK calendar"};

struct BuiltInWindow {
    int kind;
    const WCHAR* className;
};
constexpr BuiltInWindow kBuiltInWindows[] = {
    {kBuiltInTasks, u"Tasks Application"},
    {kBuiltInCalendar, u"Calendar"},
    {kBuiltInContacts, u"MSContactsUI"},
};

// A launch text names the program when it holds one of these.
constexpr const WCHAR* kProgramMarks[] = {u"Quorvia", u"quorvia", u"VestralAgenda"};

constexpr const WCHAR* kRegisterFailedText = u"Error: Registry - Unable to Register";
constexpr const WCHAR* kInstallLocationValue = u"INSTALLLOCATION";
constexpr WPARAM kSettingChangeShellKeys = 242;
constexpr DWORD kExePathChars = 260;
constexpr DWORD kFolderPathChars = 1000;
constexpr DWORD kSecondLookDelayMs = 250;
constexpr DWORD kChildPollMs = 20;
constexpr int kChildPolls = 150;

enum class WriteResult { Written, NoKey, Failed };

HKEY RootKey(RegRoot root) { return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::u16string ModulePath(DWORD maxChars) {
    std::vector<WCHAR> buffer(maxChars + 1, 0);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), maxChars);
    return std::u16string(buffer.data(), length < maxChars ? length : maxChars);
}

std::u16string LaunchText(const ShellButton& button) {
    return u"\"" + ModulePath(kExePathChars) + u"\" " + button.launchSwitch;
}

WriteResult WriteButtonText(const ShellButton& button, const std::u16string& text) {
    RegKey key;
    if (key.Open(RootKey(button.root), button.key) != ERROR_SUCCESS) return WriteResult::NoKey;
    return key.WriteText(button.value, text) == ERROR_SUCCESS ? WriteResult::Written : WriteResult::Failed;
}

bool ReadButtonText(const ShellButton& button, std::u16string& text) {
    RegKey key;
    if (key.Open(RootKey(button.root), button.key) != ERROR_SUCCESS) return false;
    return key.ReadText(button.value, kLaunchTextMaxBytes, text);
}

bool NamesProgram(const std::u16string& text) {
    for (const WCHAR* mark : kProgramMarks) {
        if (text.find(mark) != std::u16string::npos) return true;
    }
    return false;
}

LONG ButtonNamesProgram(const ShellButton& button) {
    std::u16string text;
    return ReadButtonText(button, text) && NamesProgram(text) ? 1 : 0;
}

void AnnounceSettingChange() {
    if (IsOsMajor5OrLater()) SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingChangeShellKeys, 0);
}

void ReportRegisterFailed() { ShowMessage(g_Frame.mainWnd, kRegisterFailedText, MB_ICONEXCLAMATION); }

// Writes the text and announces it; false after a failed write, which has been reported.
bool SetButtonText(const ShellButton& button, const std::u16string& text) {
    if (WriteButtonText(button, text) == WriteResult::Failed) {
        ReportRegisterFailed();
        return false;
    }
    AnnounceSettingChange();
    return true;
}

void TakeOverButton(const ShellButton& button, int builtInKind) {
    if (SetButtonText(button, LaunchText(button))) CloseBuiltInPimWindow(builtInKind);
}

void GiveBackButton(const ShellButton& button) { SetButtonText(button, button.givenBack); }

bool HwKey4InUse() { return g_Frame.kbdModelCode == kKbdMotoQ9H; }

// Re-registers a button that names the program but not the folder it now runs from.
void RepairButton(const ShellButton& button, const std::u16string& folder, void (*reRegister)()) {
    if (!ButtonNamesProgram(button)) return;
    std::u16string text;
    if (!ReadButtonText(button, text)) return;
    if (text.find(folder) == std::u16string::npos) reRegister();
}

}  // namespace

void RegisterCalendarButton() {
    SetCalendarButtonPath();
    TakeOverButton(kCalendarButton, kBuiltInCalendar);
}

void RegisterTasksButton() { TakeOverButton(kTasksButton, kBuiltInTasks); }

void RegisterContactsButton() { TakeOverButton(kContactsButton, kBuiltInContacts); }

void RestoreCalendarButton() {
    ResetCalendarButtonPath();
    GiveBackButton(kCalendarButton);
}

void RestoreTasksButton() { GiveBackButton(kTasksButton); }

void RestoreContactsButton() { GiveBackButton(kContactsButton); }

void SetCalendarButtonPath() {
    if (!HwKey4InUse()) return;
    TakeOverButton(kHwKey4Button, kBuiltInCalendar);
}

void ResetCalendarButtonPath() {
    if (!HwKey4InUse()) return;
    GiveBackButton(kHwKey4Button);
}

LONG IsShellCalendarKey() { return ButtonNamesProgram(kCalendarButton); }
LONG IsShellTasksKey() { return ButtonNamesProgram(kTasksButton); }
LONG IsShellContactsKey() { return ButtonNamesProgram(kContactsButton); }
LONG IsHwKey4Program() { return ButtonNamesProgram(kHwKey4Button); }

int CloseBuiltInPimWindow(int kind) {
    const WCHAR* className = nullptr;
    for (const BuiltInWindow& window : kBuiltInWindows) {
        if (window.kind == kind) className = window.className;
    }
    if (className == nullptr) return 0;
    Sleep(0);
    HWND window = FindWindowW(className, nullptr);
    if (window == nullptr) {
        Sleep(kSecondLookDelayMs);
        window = FindWindowW(className, nullptr);
    }
    if (window == nullptr) return 0;
    SendMessageW(window, WM_CLOSE, 0, 0);
    return 1;
}

std::u16string ProgramFolder() {
    std::u16string path = ModulePath(kFolderPathChars);
    const std::size_t slash = path.rfind(u'\\');
    path.resize(slash == std::u16string::npos ? 0 : slash + 1);
    return path;
}

void CheckShellKeys() {
    const std::u16string folder = ProgramFolder();
    SaveInstallLocation(folder);
    RepairShellCalendarKey(folder);
    RepairShellTasksKey(folder);
    RepairShellContactsKey(folder);
}

void SaveInstallLocation(const std::u16string& folder) {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) key.WriteText(kInstallLocationValue, folder);
}

void RepairHwKey4(const std::u16string& folder) {
    if (!HwKey4InUse()) return;
    RepairButton(kHwKey4Button, folder, SetCalendarButtonPath);
}

void RepairShellCalendarKey(const std::u16string& folder) {
    RepairHwKey4(folder);
    RepairButton(kCalendarButton, folder, RegisterCalendarButton);
}

void RepairShellTasksKey(const std::u16string& folder) { RepairButton(kTasksButton, folder, RegisterTasksButton); }

void RepairShellContactsKey(const std::u16string& folder) {
    RepairButton(kContactsButton, folder, RegisterContactsButton);
}

int WaitForChildWindow(HWND parent, const std::u16string& title) {
    for (int poll = 0; poll <= kChildPolls; ++poll) {
        Sleep(kChildPollMs);
        const HWND window = FindWindowW(nullptr, title.c_str());
        if (window != nullptr && GetParent(window) == parent) {
            Sleep(kChildPollMs);
            return 1;
        }
    }
    return 0;
}
