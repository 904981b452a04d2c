// CreateProcessW and ShellExecuteExW. No other program runs on the stand-in device: a start is checked
// as the device would check it (the program or document must be in the device's file system) and then
// recorded for the test API; the process handle given back counts as a program that has ended. The
// device's help viewer is the one program it has: it opens its window on the calling thread.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "kernel/device_path.h"
#include "kernel/sync_wait.h"
#include "platform/process.h"
#include "platform/system.h"
#include "platform/testing_user.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "shell/help_viewer.h"

namespace platform {
namespace {

constexpr std::u16string_view kProgramFolder = u"\\Windows\\";
constexpr std::u16string_view kProgramExtension = u".exe";
constexpr std::u16string_view kShellVerbOpen = u"open";
// ShellExecuteExW's hInstApp on success: any value above 32.
constexpr ULONG_PTR kShellSuccess = 33;
constexpr DWORD kFirstProcessId = 0x1000;

std::atomic<DWORD> nextProcessId{kFirstProcessId};

struct EndedProcess : Waitable {
    bool IsSignaled(DWORD) override { return true; }
};

struct Started {
    std::mutex lock;
    std::vector<testing::StartedProgram> programs;
    bool refuse = false;  // the test API's stand-in for a program that will not start
};

Started& Record() {
    static Started started;
    return started;
}

bool StartsRefused() {
    Started& s = Record();
    const std::lock_guard guard(s.lock);
    return s.refuse;
}

void Remember(std::u16string program, std::u16string commandLine, std::u16string verb) {
    Started& s = Record();
    const std::lock_guard guard(s.lock);
    s.programs.push_back({std::move(program), std::move(commandLine), std::move(verb)});
}

bool HasFolder(std::u16string_view path) { return path.find_first_of(u"\\/") != std::u16string_view::npos; }

std::u16string_view LastComponent(std::u16string_view path) {
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view tail) {
    return text.size() >= tail.size() && EqualNoCase(text.substr(text.size() - tail.size()), tail);
}

// The device path of a program name: a bare name lives in \Windows, ".exe" is implied.
std::u16string ProgramPath(std::u16string_view name) {
    std::u16string path = HasFolder(name) ? std::u16string(name) : std::u16string(kProgramFolder) + std::u16string(name);
    if (LastComponent(path).find(u'.') == std::u16string_view::npos) path += kProgramExtension;
    if (path.front() != u'\\' && path.front() != u'/') path.insert(path.begin(), u'\\');
    return path;
}

bool DeviceFileExists(std::u16string_view devicePath) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ResolveDevicePath(devicePath), ec);
}

// "http://...", "mailto:..." (two or more letters before the colon, so "C:" is no scheme).
bool IsAddress(std::u16string_view file) {
    const auto colon = file.find(u':');
    if (colon == std::u16string_view::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char16_t c = file[i];
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && !(i > 0 && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'.' || c == u'-'))) return false;
    }
    return true;
}

HANDLE EndedProcessHandle() { return RegisterHandle(std::make_shared<EndedProcess>()); }

}  // namespace
}  // namespace platform

BOOL CreateProcessW(LPCWSTR imageName, LPCWSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                    DWORD, LPVOID, LPWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION out) {
    using namespace platform;
    if (!imageName || !*imageName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::u16string program = ProgramPath(imageName);
    // The help viewer is the device's own: it opens its window here, as a program of its own would.
    const bool helpViewer = EqualNoCase(program, kHelpProgram);
    if (!helpViewer && !DeviceFileExists(program)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    Remember(program, commandLine ? commandLine : u"", u"");
    if (helpViewer) StartHelpViewer(commandLine ? commandLine : u"");
    if (out) {
        out->hProcess = EndedProcessHandle();
        out->hThread = EndedProcessHandle();
        out->dwProcessId = nextProcessId++;
        out->dwThreadId = nextProcessId++;
    }
    return TRUE;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

BOOL ShellExecuteExW(LPSHELLEXECUTEINFOW info) {
    using namespace platform;
    if (!info || (info->cbSize != sizeof(SHELLEXECUTEINFOW) && info->cbSize != SHELLEXECUTEINFO_DEVICE_SIZE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->hProcess = nullptr;
    const std::u16string_view file = info->lpFile ? info->lpFile : u"";
    const std::u16string parameters = info->lpParameters ? info->lpParameters : u"";
    const std::u16string verb = info->lpVerb && *info->lpVerb ? info->lpVerb : std::u16string(kShellVerbOpen);
    std::u16string target;
    if (IsAddress(file)) {
        target = std::u16string(file);
    } else if (!file.empty()) {
        // Programs are looked for as CreateProcessW does; documents where they are named.
        target = EndsWithNoCase(file, kProgramExtension) ? ProgramPath(file)
                 : HasFolder(file) || !info->lpDirectory
                     ? std::u16string(file)
                     : std::u16string(info->lpDirectory) + u"\\" + std::u16string(file);
        if (!DeviceFileExists(target)) target.clear();
    }
    if (target.empty()) {
        info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(SE_ERR_FNF));
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (StartsRefused()) {
        info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(SE_ERR_ACCESSDENIED));
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    Remember(target, parameters, verb);
    info->hInstApp = reinterpret_cast<HINSTANCE>(kShellSuccess);
    if (info->fMask & SEE_MASK_NOCLOSEPROCESS) info->hProcess = EndedProcessHandle();
    return TRUE;
}

namespace platform::testing {

std::vector<StartedProgram> StartedPrograms() {
    Started& s = Record();
    const std::lock_guard guard(s.lock);
    return s.programs;
}

void RefuseProgramStarts(bool refuse) {
    Started& s = Record();
    const std::lock_guard guard(s.lock);
    s.refuse = refuse;
}

void ClearStartedPrograms() {
    Started& s = Record();
    const std::lock_guard guard(s.lock);
    s.programs.clear();
    s.refuse = false;
}

}  // namespace platform::testing
