// The value calls: read, write, delete and enumerate the named values of a key.
#include <algorithm>
#include <cstring>

#include "platform/registry.h"
#include "platform/text.h"
#include "registry/key_handles.h"

using namespace platform::registry;

namespace {

struct StoredValue {
    std::u16string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// The size rule of the reading calls: a null buffer asks the size; a buffer too small gets nothing
// and learns the size needed.
LONG CopyData(const std::vector<BYTE>& data, LPBYTE out, LPDWORD outBytes) {
    const auto size = static_cast<DWORD>(data.size());
    if (out) {
        if (*outBytes < size) {
            *outBytes = size;
            return ERROR_MORE_DATA;
        }
        if (size) std::memcpy(out, data.data(), size);
    }
    if (outBytes) *outBytes = size;
    return ERROR_SUCCESS;
}

bool ValueExists(Session& session, KeyId key, const std::u16string& name) {
    Statement stmt = session.Prepare("SELECT 1 FROM vals WHERE key = ?1 AND folded = ?2", Access::Read);
    return stmt.Bind(1, key).Bind(2, platform::FoldCase(name)).Step();
}

}  // namespace

LONG RegQueryValueExW(HKEY key, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    return RegistryCall([&](Session& session) -> LONG {
        const std::u16string name = ValueName(lpValueName);
        StoredValue value;
        {
            Transaction transaction(session, Access::Read);
            const KeyId id = ResolveKey(session, key);
            {
                Statement stmt =
                    session.Prepare("SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2", Access::Read);
                stmt.Bind(1, id).Bind(2, platform::FoldCase(name));
                if (!stmt.Step()) return ERROR_FILE_NOT_FOUND;
                value.type = static_cast<DWORD>(stmt.Int(0));
                value.data = stmt.Blob(1);
            }
            transaction.Commit();
        }
        if (lpType) *lpType = value.type;
        return CopyData(value.data, lpData, lpcbData);
    });
}

LONG RegSetValueExW(HKEY key, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    if (!lpData && cbData) return ERROR_INVALID_PARAMETER;
    return RegistryCall([&](Session& session) -> LONG {
        const std::u16string name = ValueName(lpValueName);
        Transaction transaction(session, Access::Write);
        const KeyId id = ResolveKey(session, key);
        CountWrite();
        // The same type and data again leave the file alone: even an upsert that changes nothing
        // moves the id counter and costs a write to the disk, and the program sets many values to
        // what they already are at each start.
        {
            Statement same = session.Prepare("SELECT 1 FROM vals WHERE key = ?1 AND folded = ?2 AND type = ?3 AND data = ?4",
                                             Access::Read);
            same.Bind(1, id).Bind(2, platform::FoldCase(name)).Bind(3, static_cast<std::int64_t>(dwType)).BindBlob(4, lpData, cbData);
            if (same.Step()) {
                transaction.Commit();
                return ERROR_SUCCESS;
            }
        }
        // A value written again keeps the spelling of its name and its place in the enumeration.
        session
            .Prepare("INSERT INTO vals(key, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
                     "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data",
                     Access::Write)
            .Bind(1, id)
            .Bind(2, name)
            .Bind(3, platform::FoldCase(name))
            .Bind(4, static_cast<std::int64_t>(dwType))
            .BindBlob(5, lpData, cbData)
            .Run();
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValueW(HKEY key, LPCWSTR lpValueName) {
    return RegistryCall([&](Session& session) -> LONG {
        const std::u16string name = ValueName(lpValueName);
        Transaction transaction(session, Access::Write);
        const KeyId id = ResolveKey(session, key);
        if (!ValueExists(session, id, name)) return ERROR_FILE_NOT_FOUND;
        CountWrite();
        session.Prepare("DELETE FROM vals WHERE key = ?1 AND folded = ?2", Access::Write)
            .Bind(1, id)
            .Bind(2, platform::FoldCase(name))
            .Run();
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValueW(HKEY key, DWORD index, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                   LPBYTE lpData, LPDWORD lpcbData) {
    if (!lpValueName || !lpcchValueName) return ERROR_INVALID_PARAMETER;
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    return RegistryCall([&](Session& session) -> LONG {
        StoredValue value;
        {
            Transaction transaction(session, Access::Read);
            const KeyId id = ResolveKey(session, key);
            {
                Statement stmt = session.Prepare(
                    "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY id LIMIT 1 OFFSET ?2", Access::Read);
                stmt.Bind(1, id).Bind(2, static_cast<std::int64_t>(index));
                if (!stmt.Step()) return ERROR_NO_MORE_ITEMS;
                value.name = stmt.Text(0);
                value.type = static_cast<DWORD>(stmt.Int(1));
                value.data = stmt.Blob(2);
            }
            transaction.Commit();
        }
        if (const LONG status = CopyEnumName(value.name, lpValueName, lpcchValueName); status != ERROR_SUCCESS)
            return status;
        if (lpType) *lpType = value.type;
        return CopyData(value.data, lpData, lpcbData);
    });
}
