// Finding files: FindFirstFileW takes a snapshot of a folder's entries whose names match the
// pattern's last component ('*' and '?', letter case ignored) and hands them out one at a time.
#include <algorithm>
#include <cerrno>
#include <vector>

#include "kernel/atomic_file.h"
#include "kernel/device_path.h"
#include "kernel/file_common.h"
#include "kernel/file_find.h"
#include "kernel/handles.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

struct FindObject : KernelObject {
    std::vector<WIN32_FIND_DATAW> found;
    std::size_t next = 0;
};

bool MatchFolded(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::u16string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::u16string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

bool HasWildcards(std::u16string_view pattern) { return pattern.find_first_of(u"*?") != std::u16string_view::npos; }

// A name the device cannot hold (a temporary file, a host name that is not UTF-8 or holds a
// forbidden character) is not the device's to list.
bool Listable(const std::string& hostName, std::u16string& deviceName) {
    deviceName = FromUtf8(hostName);
    if (ToUtf8(deviceName) != hostName || IsTemporaryName(hostName)) return false;
    return IsValidDeviceName(deviceName) && deviceName.size() < MAX_PATH;
}

WIN32_FIND_DATAW FindDataOf(const FileFacts& facts, const std::string& hostName, const std::u16string& deviceName) {
    WIN32_FIND_DATAW data{};
    data.dwFileAttributes = AttributesOf(facts, hostName);
    data.ftCreationTime = facts.creation;
    data.ftLastAccessTime = facts.lastAccess;
    data.ftLastWriteTime = facts.lastWrite;
    data.nFileSizeHigh = static_cast<DWORD>(facts.size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(facts.size & 0xFFFFFFFFu);
    std::copy(deviceName.begin(), deviceName.end(), data.cFileName);
    return data;
}

}  // namespace

bool MatchesFindPattern(std::u16string_view pattern, std::u16string_view name) {
    const std::u16string p = FoldCase(pattern);
    const std::u16string n = FoldCase(name);
    if (MatchFolded(p, n)) return true;
    // The device's old rules: "x.*" also finds "x" without an extension, and "x." finds only
    // names without one ("*.*" therefore finds everything).
    if (p.size() >= 2 && p.ends_with(u".*")) return MatchFolded(std::u16string_view(p).substr(0, p.size() - 2), n);
    if (!p.empty() && p.back() == u'.' && n.find(u'.') == std::u16string::npos)
        return MatchFolded(std::u16string_view(p).substr(0, p.size() - 1), n);
    return false;
}

}  // namespace platform

HANDLE FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW found) {
    using namespace platform;
    if (!pattern || !found) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (!IsValidDevicePath(pattern, Wildcards::AllowedInLastComponent)) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_HANDLE_VALUE;
    }
    const std::u16string_view whole(pattern);
    const std::u16string_view last = LastComponent(whole);
    const std::size_t lastAt = whole.rfind(last);
    const bool endsInSeparator = !whole.empty() && (whole.back() == u'\\' || whole.back() == u'/');
    const std::filesystem::path folder = ResolveDevicePath(whole.substr(0, last.empty() ? whole.size() : lastAt));
    if (!IsDirectory(folder)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (last.empty() || endsInSeparator) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }

    auto search = std::make_shared<FindObject>();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string hostName = entry.path().filename().string();
        std::u16string deviceName;
        FileFacts facts;
        if (!Listable(hostName, deviceName) || !MatchesFindPattern(last, deviceName)) continue;
        if (!StatPath(entry.path(), facts)) continue;  // gone meanwhile, or a dangling link
        search->found.push_back(FindDataOf(facts, hostName, deviceName));
    }
    if (search->found.empty()) {
        // An empty match of a pattern is "no more files" on the device; a plain name is "not found".
        SetLastError(HasWildcards(last) ? ERROR_NO_MORE_FILES : ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(search->found.begin(), search->found.end(), [](const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
        return CompareNoCase(a.cFileName, b.cFileName) < 0;
    });
    *found = search->found[0];
    search->next = 1;
    SetLastError(ERROR_SUCCESS);
    return RegisterHandle(std::move(search));
}

BOOL FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW found) {
    const auto search = platform::LookupHandleAs<platform::FindObject>(find);
    if (!search) return platform::Fail(ERROR_INVALID_HANDLE);
    if (!found) return platform::Fail(ERROR_INVALID_PARAMETER);
    if (search->next >= search->found.size()) return platform::Fail(ERROR_NO_MORE_FILES);
    *found = search->found[search->next++];
    return TRUE;
}

BOOL FindClose(HANDLE find) {
    if (!platform::LookupHandleAs<platform::FindObject>(find)) return platform::Fail(ERROR_INVALID_HANDLE);
    return CloseHandle(find);
}
