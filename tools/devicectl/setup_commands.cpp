// devicectl install / remove: the device's installer. It loads the program's setup library, calls
// its hooks around copying the package's files into the installation folder (by default the program
// and its help page as the build made them), and on removal lets the library ask its question
// (answered by --yes or --no; no answer keeps the data) and deletes the files it copied.
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "devicectl/commands.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/setup.h"
#include "platform/text.h"

namespace devicectl {
namespace {

constexpr const char16_t* kDefaultInstallDir = u"\\Program Files\\Quorvia";
// Help pages go where the device's help viewer looks for them.
constexpr const char16_t* kHelpDir = u"\\Windows";
constexpr std::string_view kHelpExtension = ".htm";

// The loaded setup library and its hooks; unloaded when it goes.
class SetupLibrary {
public:
    explicit SetupLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) return;
        installInit_ = reinterpret_cast<InstallInitFn>(dlsym(handle_, "Install_Init"));
        installExit_ = reinterpret_cast<InstallExitFn>(dlsym(handle_, "Install_Exit"));
        uninstallInit_ = reinterpret_cast<UninstallInitFn>(dlsym(handle_, "Uninstall_Init"));
        uninstallExit_ = reinterpret_cast<UninstallExitFn>(dlsym(handle_, "Uninstall_Exit"));
        if (auto entry = reinterpret_cast<DllMainFn>(dlsym(handle_, "DllMain"))) entry(handle_, DLL_PROCESS_ATTACH, nullptr);
    }
    ~SetupLibrary() {
        if (handle_) dlclose(handle_);
    }
    SetupLibrary(const SetupLibrary&) = delete;
    SetupLibrary& operator=(const SetupLibrary&) = delete;

    bool Complete() const { return handle_ && installInit_ && installExit_ && uninstallInit_ && uninstallExit_; }

    InstallInitFn installInit_ = nullptr;
    InstallExitFn installExit_ = nullptr;
    UninstallInitFn uninstallInit_ = nullptr;
    UninstallExitFn uninstallExit_ = nullptr;

private:
    void* handle_ = nullptr;
};

struct SetupArgs {
    std::string hook = QV_CABHOOK_PATH;
    std::u16string dir = kDefaultInstallDir;
    std::string answer = "no";
    std::vector<std::string> files;
};

// Without file names the package is what the build made: the program and its help page.
std::vector<std::string> PackageFiles(const SetupArgs& args) {
    if (!args.files.empty()) return args.files;
    return {QV_PROGRAM_PATH, QV_HELP_PAGE_PATH};
}

bool ParseSetupArgs(const Args& args, SetupArgs& parsed, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--hook" && hasValue) parsed.hook = args[++i];
        else if (word == "--dir" && hasValue) parsed.dir = platform::FromUtf8(args[++i]);
        else if (word == "--yes") parsed.answer = "yes";
        else if (word == "--no") parsed.answer = "no";
        else if (word.rfind("--", 0) == 0) {
            err << "devicectl: unknown option " << word << "\n";
            return false;
        } else parsed.files.push_back(word);
    }
    return true;
}

// The installer's own record of what is installed: HKLM\Software\Apps\<folder name>, "Instl" 1.
std::u16string AppsKey(const std::u16string& dir) {
    return u"\\Software\\Apps\\" + dir.substr(dir.rfind(u'\\') + 1);
}

bool IsInstalled(const std::u16string& dir) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AppsKey(dir).c_str(), 0, 0, &key) != ERROR_SUCCESS) return false;
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    const LONG status = RegQueryValueExW(key, u"Instl", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && value != 0;
}

void RecordInstalled(const std::u16string& dir) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, AppsKey(dir).c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const DWORD installed = 1;
    RegSetValueExW(key, u"Instl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&installed), sizeof(installed));
    const DWORD bytes = static_cast<DWORD>((dir.size() + 1) * sizeof(WCHAR));
    RegSetValueExW(key, u"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dir.c_str()), bytes);
    RegCloseKey(key);
}

// The device paths an installation copied, kept beside its record so that a removal takes them away.
void RecordFiles(const std::u16string& dir, const std::vector<std::u16string>& copied) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, AppsKey(dir).c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    std::u16string list;
    for (const std::u16string& path : copied) list += path + u'\0';
    list += u'\0';
    RegSetValueExW(key, u"Files", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list.data()),
                   static_cast<DWORD>(list.size() * sizeof(WCHAR)));
    RegCloseKey(key);
}

std::vector<std::u16string> RecordedFiles(const std::u16string& dir) {
    std::vector<std::u16string> paths;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AppsKey(dir).c_str(), 0, 0, &key) != ERROR_SUCCESS) return paths;
    DWORD bytes = 0;
    DWORD type = 0;
    std::u16string list;
    if (RegQueryValueExW(key, u"Files", nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_MULTI_SZ) {
        list.resize(bytes / sizeof(WCHAR));
        if (RegQueryValueExW(key, u"Files", nullptr, &type, reinterpret_cast<BYTE*>(list.data()), &bytes) != ERROR_SUCCESS)
            list.clear();
    }
    RegCloseKey(key);
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = list.find(u'\0', at);
        if (end == at || end == std::u16string::npos) break;
        paths.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return paths;
}

// Deletes the files an installation copied, and its folder once nothing else is left in it.
void DeleteInstalledFiles(const std::u16string& dir) {
    for (const std::u16string& path : RecordedFiles(dir)) DeleteFileW(path.c_str());
    RemoveDirectoryW(dir.c_str());
}

void CreateFolders(const std::u16string& dir) {
    for (std::size_t at = dir.find(u'\\', 1); ; at = dir.find(u'\\', at + 1)) {
        CreateDirectoryW(dir.substr(0, at).c_str(), nullptr);
        if (at == std::u16string::npos) break;
    }
}

// Copies one host file into a device folder, whole or not at all; gives the device path or "".
std::u16string CopyIntoDevice(const std::string& hostFile, const std::u16string& dir, std::ostream& err) {
    std::ifstream in(hostFile, std::ios::binary);
    if (!in) {
        err << "devicectl: cannot read " << hostFile << "\n";
        return {};
    }
    // Read in one piece: the program is large.
    in.seekg(0, std::ios::end);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())), '\0');
    in.seekg(0, std::ios::beg);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        err << "devicectl: cannot read " << hostFile << "\n";
        return {};
    }
    const std::u16string target = dir + u"\\" + platform::FromUtf8(std::filesystem::path(hostFile).filename().string());
    const HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        err << "devicectl: cannot write " << platform::ToUtf8(target) << "\n";
        return {};
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (ok && written == bytes.size()) return target;
    DeleteFileW(target.c_str());
    err << "devicectl: cannot write " << platform::ToUtf8(target) << "\n";
    return {};
}

int Install(const SetupArgs& args, std::ostream& out, std::ostream& err) {
    SetupLibrary library(args.hook);
    if (!library.Complete()) {
        err << "devicectl: " << args.hook << " is not a setup library\n";
        return 1;
    }
    const bool previously = IsInstalled(args.dir);
    if (library.installInit_(nullptr, TRUE, previously ? TRUE : FALSE, args.dir.c_str()) != codeINSTALL_INIT_CONTINUE) {
        err << "devicectl: the setup library cancelled the installation\n";
        return 1;
    }
    // An update removes the old installation first, as the installer does.
    if (previously) {
        library.uninstallInit_(nullptr, args.dir.c_str());
        DeleteInstalledFiles(args.dir);
        library.uninstallExit_(nullptr);
    }
    CreateFolders(args.dir);
    WORD failedFiles = 0;
    std::vector<std::u16string> copied;
    for (const std::string& file : PackageFiles(args)) {
        const bool help = file.size() > kHelpExtension.size() && file.ends_with(kHelpExtension);
        if (help) CreateFolders(kHelpDir);
        const std::u16string target = CopyIntoDevice(file, help ? kHelpDir : args.dir, err);
        if (target.empty()) ++failedFiles;
        else copied.push_back(target);
    }
    library.installExit_(nullptr, args.dir.c_str(), 0, failedFiles, 0, 0, 0);
    RecordInstalled(args.dir);
    RecordFiles(args.dir, copied);
    out << (previously ? "updated " : "installed ") << platform::ToUtf8(args.dir) << "\n";
    return failedFiles == 0 ? 0 : 1;
}

int Remove(const SetupArgs& args, std::ostream& out, std::ostream& err) {
    if (!IsInstalled(args.dir)) {
        err << "devicectl: nothing is installed in " << platform::ToUtf8(args.dir) << "\n";
        return 1;
    }
    // The library's own boxes have no screen here: they take this answer.
    setenv("QUORVIA_BOX_ANSWERS", args.answer.c_str(), 1);
    SetupLibrary library(args.hook);
    if (!library.Complete()) {
        err << "devicectl: " << args.hook << " is not a setup library\n";
        return 1;
    }
    if (library.uninstallInit_(nullptr, args.dir.c_str()) != codeUNINSTALL_INIT_CONTINUE) {
        err << "devicectl: the setup library cancelled the removal\n";
        return 1;
    }
    DeleteInstalledFiles(args.dir);
    library.uninstallExit_(nullptr);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, AppsKey(args.dir).c_str());
    out << "removed " << platform::ToUtf8(args.dir) << "\n";
    return 0;
}

}  // namespace

int RunSetup(const std::string& command, const Args& args, std::ostream& out, std::ostream& err) {
    SetupArgs parsed;
    if (!ParseSetupArgs(args, parsed, err)) return 2;
    if (command == "install") return Install(parsed, out, err);
    if (command == "remove") return Remove(parsed, out, err);
    return 2;
}

}  // namespace devicectl
