#include "ui/shell_actions.h"

#include <memory>

#include "core/phone_lib.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/main_state.h"

namespace {

constexpr const WCHAR* kBrowser = u"\\windows\\iexplore.exe";
constexpr const WCHAR* kMailProgram = u"tmail.exe";
constexpr int kMailChars = 256;

BOOL Launch(const WCHAR* file, const std::u16string& parameters, int show) {
    // On the heap and zeroed, as the shell expects the whole record.
    auto info = std::make_unique<SHELLEXECUTEINFOW>();
    *info = SHELLEXECUTEINFOW{};
    info->cbSize = SHELLEXECUTEINFO_DEVICE_SIZE;
    info->fMask = SEE_MASK_NOCLOSEPROCESS;
    info->lpFile = file;
    info->lpParameters = parameters.c_str();
    info->nShow = show;
    const BOOL result = ShellExecuteExW(info.get());
    if (info->hProcess) CloseHandle(info->hProcess);
    return result;
}

}  // namespace

BOOL OpenUrlInBrowser(const std::u16string& address) { return Launch(kBrowser, address, SW_HIDE); }

void ComposeMail(const std::u16string& address) {
    // The address is cut to fit one buffer, as the mail program has always been handed it.
    const std::u16string cut = address.substr(0, kMailChars - 1);
    std::u16string parameters = platform::FormatW(u"mailto:%s", cut.c_str());
    if (parameters.size() > kMailChars - 1) parameters.resize(kMailChars - 1);
    Launch(kMailProgram, parameters, SW_SHOW);
}

BOOL OpenFileWithShell(const std::u16string& path) { return Launch(path.c_str(), u"", SW_SHOW); }

int DialPhoneNumber(const std::u16string& number) {
    if (g_Main.phoneLibMissing) return 0;
    return DialNumber(number.c_str());
}
