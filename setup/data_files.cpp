// The data files an uninstall removes; other files of the program (spinner, weather, logs, notes
// and wallets) stay where they are.
#include "data_files.h"

#include <string>

#include "keep_info.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

constexpr const WCHAR* kDataFiles[] = {u"linkinfo.dat", u"catinfo.dat",    u"textinfo.dat",
                                       u"appttmp.dat",  u"zqicons.dat",    u"zqctsview.dat",
                                       u"tasktmp.dat",  u"savedviews.dat", u"loctext.dat"};

std::u16string InFolder(LPCWSTR folder, const std::u16string& name) { return std::u16string(folder) + u"\\" + name; }

}  // namespace

void DeleteThemeFiles(LPCWSTR installDir) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(InFolder(installDir, u"*.zqth").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileW(InFolder(installDir, found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void DeleteDataFiles(LPCWSTR installDir) {
    for (const WCHAR* name : kDataFiles) DeleteFileW(InFolder(installDir, name).c_str());
    DeleteThemeFiles(installDir);
    RegDeleteKeyW(HKEY_CURRENT_USER, kProgramKeyPath);
}
