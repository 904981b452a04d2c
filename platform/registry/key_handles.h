// Key handles and key paths: what an HKEY names, how a path such as "\Software\Maker\App" is split,
// and the lookups that walk it. Shared by the key and the value calls.
#pragma once

#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "kernel/handles.h"
#include "platform/registry.h"
#include "registry/registry_db.h"

namespace platform::registry {

// An open key: a kernel object reached by its HKEY. It names the key by id in the database of the
// device root it was opened in.
struct OpenKey : KernelObject {
    OpenKey(std::filesystem::path db, KeyId key) : database(std::move(db)), id(key) {}
    std::filesystem::path database;
    KeyId id;
};

bool IsPredefinedRoot(HKEY key);

// The key an HKEY names in this session's database. Throws ERROR_INVALID_HANDLE for anything that
// is not a predefined root or an open key of this device, ERROR_KEY_DELETED when the key is gone.
KeyId ResolveKey(Session& session, HKEY key);

// Gives a new handle on a key.
HKEY NewKeyHandle(Session& session, KeyId id);

// Splits a key path into names. One leading and one trailing backslash are allowed; an empty name
// inside the path or a name longer than 255 characters throws ERROR_INVALID_PARAMETER.
std::vector<std::u16string> SplitKeyPath(LPCWSTR path);

// The subkey of parent with this name (any letter case), if there is one.
std::optional<KeyId> FindSubKey(Session& session, KeyId parent, const std::u16string& name);
// The key at the end of the path, if every part exists.
std::optional<KeyId> FindKeyPath(Session& session, KeyId base, const std::vector<std::u16string>& names);

// A value name: null is the unnamed value; longer than 255 characters throws ERROR_INVALID_PARAMETER.
std::u16string ValueName(LPCWSTR name);

// Copies a name with its terminator when it fits: the size rule of the enumeration calls (on entry
// the buffer's characters, on success the name's without the terminator, else ERROR_MORE_DATA
// and the characters needed).
LONG CopyEnumName(const std::u16string& name, LPWSTR out, LPDWORD outChars);

// Runs one registry call: opens the session and turns failures into the call's result.
template <class Body>
LONG RegistryCall(Body&& body) {
    try {
        Session session;
        return body(session);
    } catch (const RegistryError& e) {
        // A damaged file is set aside (or marked), and the next call opens a new one.
        if (e.code == ERROR_BADDB) DropDamagedConnection();
        return e.code;
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

}  // namespace platform::registry
