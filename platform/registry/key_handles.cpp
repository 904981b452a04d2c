// Key handles, key paths and the lookups that walk them.
#include "registry/key_handles.h"

#include <algorithm>

#include "platform/text.h"

namespace platform::registry {
namespace {

const struct {
    HKEY handle;
    KeyId id;
} kPredefinedRoots[] = {
    {HKEY_CLASSES_ROOT, kClassesRootId},
    {HKEY_CURRENT_USER, kCurrentUserId},
    {HKEY_LOCAL_MACHINE, kLocalMachineId},
    {HKEY_USERS, kUsersId},
};

bool KeyExists(Session& session, KeyId id) {
    Statement stmt = session.Prepare("SELECT 1 FROM keys WHERE id = ?1", Access::Read);
    return stmt.Bind(1, id).Step();
}

}  // namespace

bool IsPredefinedRoot(HKEY key) {
    for (const auto& root : kPredefinedRoots)
        if (root.handle == key) return true;
    return false;
}

KeyId ResolveKey(Session& session, HKEY key) {
    for (const auto& root : kPredefinedRoots)
        if (root.handle == key) return root.id;
    const std::shared_ptr<OpenKey> open = LookupHandleAs<OpenKey>(key);
    if (!open || open->database != session.Path()) throw RegistryError{ERROR_INVALID_HANDLE};
    if (!KeyExists(session, open->id)) throw RegistryError{ERROR_KEY_DELETED};
    return open->id;
}

HKEY NewKeyHandle(Session& session, KeyId id) {
    return static_cast<HKEY>(RegisterHandle(std::make_shared<OpenKey>(session.Path(), id)));
}

std::vector<std::u16string> SplitKeyPath(LPCWSTR path) {
    std::vector<std::u16string> names;
    if (!path) return names;
    std::u16string_view rest(path);
    // The device accepts "\Software\..." as well as "Software\..."; programs rely on it.
    if (!rest.empty() && rest.front() == u'\\') rest.remove_prefix(1);
    if (!rest.empty() && rest.back() == u'\\') rest.remove_suffix(1);
    if (rest.empty()) return names;
    for (;;) {
        const std::size_t slash = rest.find(u'\\');
        const std::u16string_view name = rest.substr(0, slash);
        if (name.empty() || name.size() > kMaxNameChars) throw RegistryError{ERROR_INVALID_PARAMETER};
        names.emplace_back(name);
        if (slash == std::u16string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return names;
}

std::optional<KeyId> FindSubKey(Session& session, KeyId parent, const std::u16string& name) {
    Statement stmt = session.Prepare("SELECT id FROM keys WHERE parent = ?1 AND folded = ?2", Access::Read);
    stmt.Bind(1, parent).Bind(2, FoldCase(name));
    if (!stmt.Step()) return std::nullopt;
    return stmt.Int(0);
}

std::optional<KeyId> FindKeyPath(Session& session, KeyId base, const std::vector<std::u16string>& names) {
    KeyId id = base;
    for (const std::u16string& name : names) {
        const std::optional<KeyId> next = FindSubKey(session, id, name);
        if (!next) return std::nullopt;
        id = *next;
    }
    return id;
}

std::u16string ValueName(LPCWSTR name) {
    std::u16string text = name ? std::u16string(name) : std::u16string();
    if (text.size() > kMaxNameChars) throw RegistryError{ERROR_INVALID_PARAMETER};
    return text;
}

LONG CopyEnumName(const std::u16string& name, LPWSTR out, LPDWORD outChars) {
    const auto needed = static_cast<DWORD>(name.size() + 1);
    if (*outChars < needed) {
        *outChars = needed;
        return ERROR_MORE_DATA;
    }
    std::copy(name.begin(), name.end(), out);
    out[name.size()] = u'\0';
    *outChars = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

}  // namespace platform::registry
