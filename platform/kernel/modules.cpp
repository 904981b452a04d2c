// Loading libraries by name: the device offers only the platform's built-in libraries, each present
// while its file is on the device. A module handle counts its loads.
#include "platform/modules.h"

#include <mutex>
#include <string>

#include "phone/phone_library.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

struct BuiltinLibrary {
    const char16_t* name;
    bool (*present)();
    FARPROC (*find)(std::u16string_view);
    int loads;
};

std::mutex g_modulesLock;
BuiltinLibrary g_libraries[] = {
    {u"phone.dll", platform::phone::LibraryPresent, platform::phone::FindExport, 0},
};

// The file name after the last backslash; a name without an extension gets ".dll".
std::u16string LibraryName(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'\\');
    std::u16string name(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
    if (name.find(u'.') == std::u16string::npos) name += u".dll";
    return name;
}

BuiltinLibrary* LibraryOf(HMODULE module) {
    for (BuiltinLibrary& library : g_libraries) {
        if (reinterpret_cast<HMODULE>(&library) == module) return &library;
    }
    return nullptr;
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR name) {
    if (name) {
        const std::u16string wanted = LibraryName(name);
        for (BuiltinLibrary& library : g_libraries) {
            if (!platform::EqualNoCase(wanted, library.name) || !library.present()) continue;
            const std::lock_guard<std::mutex> hold(g_modulesLock);
            ++library.loads;
            return reinterpret_cast<HMODULE>(&library);
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

FARPROC GetProcAddressW(HMODULE module, LPCWSTR name) {
    BuiltinLibrary* library = LibraryOf(module);
    FARPROC address = nullptr;
    if (library && name) {
        const std::lock_guard<std::mutex> hold(g_modulesLock);
        if (library->loads > 0) address = library->find(name);
    }
    if (!address) SetLastError(ERROR_PROC_NOT_FOUND);
    return address;
}

BOOL FreeLibrary(HMODULE module) {
    BuiltinLibrary* library = LibraryOf(module);
    const std::lock_guard<std::mutex> hold(g_modulesLock);
    if (!library || library->loads == 0) return FALSE;
    --library->loads;
    return TRUE;
}
