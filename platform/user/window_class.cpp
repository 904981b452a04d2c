// RegisterClassW, UnregisterClassW, GetClassInfoW and GetClassNameW.
#include "user/window_class.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/system.h"
#include "platform/text.h"
#include "user/window_table.h"

namespace platform {
namespace {

// Atoms of registered classes start here, as on the device.
constexpr ATOM kFirstClassAtom = 0xC000;

struct ClassTable {
    std::mutex lock;
    std::map<std::u16string, std::shared_ptr<WindowClass>> byFoldedName;
    ATOM nextAtom = kFirstClassAtom;
};

ClassTable& Classes() {
    static ClassTable table;
    return table;
}

}  // namespace

std::shared_ptr<WindowClass> FindWindowClass(LPCWSTR nameOrAtom) {
    if (!nameOrAtom) return nullptr;
    ClassTable& t = Classes();
    const std::lock_guard guard(t.lock);
    if (IS_INTRESOURCE(nameOrAtom)) {
        const ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
        for (const auto& [name, cls] : t.byFoldedName)
            if (cls->atom == atom) return cls;
        return nullptr;
    }
    const auto it = t.byFoldedName.find(FoldCase(nameOrAtom));
    return it == t.byFoldedName.end() ? nullptr : it->second;
}

}  // namespace platform

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
    using namespace platform;
    if (!wndClass || !wndClass->lpfnWndProc || !wndClass->lpszClassName || IS_INTRESOURCE(wndClass->lpszClassName) ||
        !*wndClass->lpszClassName || wndClass->cbClsExtra < 0 || wndClass->cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ClassTable& t = Classes();
    const std::lock_guard guard(t.lock);
    const std::u16string key = FoldCase(wndClass->lpszClassName);
    if (t.byFoldedName.count(key)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto cls = std::make_shared<WindowClass>();
    cls->name = wndClass->lpszClassName;
    cls->atom = t.nextAtom++;
    cls->info = *wndClass;
    if (wndClass->lpszMenuName && !IS_INTRESOURCE(wndClass->lpszMenuName)) cls->menuName = wndClass->lpszMenuName;
    cls->info.lpszClassName = nullptr;
    if (!cls->menuName.empty()) cls->info.lpszMenuName = nullptr;
    t.byFoldedName.emplace(key, cls);
    return cls->atom;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    using namespace platform;
    const auto cls = FindWindowClass(className);
    if (!cls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (AnyWindowOfClass(cls.get())) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    ClassTable& t = Classes();
    const std::lock_guard guard(t.lock);
    t.byFoldedName.erase(FoldCase(cls->name));
    return TRUE;
}

BOOL GetClassInfoW(HINSTANCE, LPCWSTR className, LPWNDCLASSW out) {
    using namespace platform;
    const auto cls = FindWindowClass(className);
    if (!cls || !out) {
        SetLastError(cls ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *out = cls->info;
    // The names point into the class record, which lives as long as the class is registered.
    out->lpszClassName = cls->name.c_str();
    if (!cls->menuName.empty()) out->lpszMenuName = cls->menuName.c_str();
    return TRUE;
}
