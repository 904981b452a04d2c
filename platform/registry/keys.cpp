// The key calls: create, open, close, flush, delete, enumerate and describe keys.
#include <algorithm>
#include <cstring>

#include "platform/registry.h"
#include "platform/text.h"
#include "registry/key_handles.h"

using namespace platform::registry;

namespace {

// Keys have no class and no recorded write time.
void ClearClassAndTime(LPWSTR lpClass, LPDWORD lpcchClass, PFILETIME lastWrite) {
    if (lpClass && lpcchClass && *lpcchClass > 0) lpClass[0] = u'\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lastWrite) *lastWrite = FILETIME{};
}

void DeleteTree(Session& session, KeyId top) {
    session
        .Prepare("WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL "
                 "SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
                 "DELETE FROM vals WHERE key IN tree",
                 Access::Write)
        .Bind(1, top)
        .Run();
    session
        .Prepare("WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL "
                 "SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
                 "DELETE FROM keys WHERE id IN tree",
                 Access::Write)
        .Bind(1, top)
        .Run();
}

KeyId InsertKey(Session& session, KeyId parent, const std::u16string& name) {
    Statement stmt = session.Prepare(
        "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3) RETURNING id", Access::Write);
    stmt.Bind(1, parent).Bind(2, name).Bind(3, platform::FoldCase(name));
    if (!stmt.Step()) throw RegistryError{ERROR_CANTWRITE};
    const KeyId id = stmt.Int(0);
    stmt.Run();
    return id;
}

}  // namespace

LONG RegCreateKeyExW(HKEY key, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY result,
                     LPDWORD disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    return RegistryCall([&](Session& session) -> LONG {
        const std::vector<std::u16string> names = SplitKeyPath(lpSubKey);
        Transaction transaction(session, names.empty() ? Access::Read : Access::Write);
        KeyId id = ResolveKey(session, key);
        bool created = false;
        for (const std::u16string& name : names) {
            if (const std::optional<KeyId> existing = FindSubKey(session, id, name)) {
                id = *existing;
                continue;
            }
            // Making the missing keys of one path is one write.
            if (!created) CountWrite();
            created = true;
            id = InsertKey(session, id, name);
        }
        transaction.Commit();
        *result = NewKeyHandle(session, id);
        if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    });
}

LONG RegOpenKeyExW(HKEY key, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    return RegistryCall([&](Session& session) -> LONG {
        const std::vector<std::u16string> names = SplitKeyPath(lpSubKey);
        Transaction transaction(session, Access::Read);
        const std::optional<KeyId> id = FindKeyPath(session, ResolveKey(session, key), names);
        if (!id) return ERROR_FILE_NOT_FOUND;
        transaction.Commit();
        *result = NewKeyHandle(session, *id);
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key) {
    // Needs no database: a handle can be closed even when registry.db cannot be opened.
    if (IsPredefinedRoot(key)) return ERROR_SUCCESS;
    // Only key handles: a file or event handle passed here stays open.
    if (!platform::LookupHandleAs<OpenKey>(key)) return ERROR_INVALID_HANDLE;
    return platform::ReleaseHandle(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegFlushKey(HKEY key) {
    // Every change is committed durably before its call returns; only the handle is checked.
    return RegistryCall([&](Session& session) -> LONG {
        Transaction transaction(session, Access::Read);
        ResolveKey(session, key);
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR lpSubKey) {
    if (!lpSubKey) return ERROR_INVALID_PARAMETER;
    return RegistryCall([&](Session& session) -> LONG {
        const std::vector<std::u16string> names = SplitKeyPath(lpSubKey);
        if (names.empty()) return ERROR_INVALID_PARAMETER;
        Transaction transaction(session, Access::Write);
        const std::optional<KeyId> target = FindKeyPath(session, ResolveKey(session, key), names);
        if (!target) return ERROR_FILE_NOT_FOUND;
        CountWrite();
        DeleteTree(session, *target);
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR lpName, LPDWORD lpcchName, LPDWORD, LPWSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    if (!lpName || !lpcchName) return ERROR_INVALID_PARAMETER;
    return RegistryCall([&](Session& session) -> LONG {
        std::u16string name;
        {
            Transaction transaction(session, Access::Read);
            const KeyId id = ResolveKey(session, key);
            {
                Statement stmt = session.Prepare(
                    "SELECT name FROM keys WHERE parent = ?1 ORDER BY folded, id LIMIT 1 OFFSET ?2", Access::Read);
                stmt.Bind(1, id).Bind(2, static_cast<std::int64_t>(index));
                if (!stmt.Step()) return ERROR_NO_MORE_ITEMS;
                name = stmt.Text(0);
            }
            transaction.Commit();
        }
        const LONG status = CopyEnumName(name, lpName, lpcchName);
        if (status == ERROR_SUCCESS) ClearClassAndTime(lpClass, lpcchClass, lpftLastWriteTime);
        return status;
    });
}

LONG RegQueryInfoKeyW(HKEY key, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
                      LPDWORD lpcchMaxSubKeyLen, LPDWORD lpcchMaxClassLen, LPDWORD lpcValues,
                      LPDWORD lpcchMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                      PFILETIME lpftLastWriteTime) {
    return RegistryCall([&](Session& session) -> LONG {
        DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValue = 0;
        Transaction transaction(session, Access::Read);
        const KeyId id = ResolveKey(session, key);
        {
            Statement stmt = session.Prepare("SELECT name FROM keys WHERE parent = ?1", Access::Read);
            stmt.Bind(1, id);
            for (; stmt.Step(); ++subKeys) maxSubKey = std::max(maxSubKey, static_cast<DWORD>(stmt.Text(0).size()));
        }
        {
            Statement stmt = session.Prepare("SELECT name, length(data) FROM vals WHERE key = ?1", Access::Read);
            stmt.Bind(1, id);
            for (; stmt.Step(); ++values) {
                maxValueName = std::max(maxValueName, static_cast<DWORD>(stmt.Text(0).size()));
                maxValue = std::max(maxValue, static_cast<DWORD>(stmt.Int(1)));
            }
        }
        transaction.Commit();
        ClearClassAndTime(lpClass, lpcchClass, lpftLastWriteTime);
        if (lpcSubKeys) *lpcSubKeys = subKeys;
        if (lpcchMaxSubKeyLen) *lpcchMaxSubKeyLen = maxSubKey;
        if (lpcchMaxClassLen) *lpcchMaxClassLen = 0;
        if (lpcValues) *lpcValues = values;
        if (lpcchMaxValueNameLen) *lpcchMaxValueNameLen = maxValueName;
        if (lpcbMaxValueLen) *lpcbMaxValueLen = maxValue;
        if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
        return ERROR_SUCCESS;
    });
}
