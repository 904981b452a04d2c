// The registry: keys under the predefined roots, each holding named values of a type.
// Kept in registry.db in the device root; every change is one durable transaction, so a value is
// either written whole or not at all, and two processes may write at the same time.
// Key and value names compare without regard to letter case and keep the spelling they were
// created with. A path may start with one backslash ("\Software\...").
// A damaged registry.db is never changed or moved: every call fails with ERROR_BADDB until the file
// is repaired or removed (then the registry starts empty).
#pragma once

#include "platform/files.h"
#include "platform/types.h"

using REGSAM = DWORD;
using PFILETIME = FILETIME*;

// The predefined roots: sign-extended 32-bit values, as published.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000000u)))))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000001u)))))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000002u)))))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000003u)))))

// Value types.
#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_DWORD_LITTLE_ENDIAN 4
#define REG_DWORD_BIG_ENDIAN 5
#define REG_LINK 6
#define REG_MULTI_SZ 7

// Creation options and dispositions.
#define REG_OPTION_RESERVED 0x00000000
#define REG_OPTION_NON_VOLATILE 0x00000000
#define REG_OPTION_VOLATILE 0x00000001
#define REG_CREATED_NEW_KEY 0x00000001
#define REG_OPENED_EXISTING_KEY 0x00000002

// Access rights: accepted and not enforced, as on the device.
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_READ 0x00020019
#define KEY_WRITE 0x00020006
#define KEY_EXECUTE 0x00020019
#define KEY_ALL_ACCESS 0x000F003F

// Opens or creates lpSubKey under key, with every missing key on the way. A null lpSubKey opens
// key itself. disposition (optional) receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
LONG RegCreateKeyExW(HKEY key, LPCWSTR lpSubKey, DWORD reserved, LPWSTR lpClass, DWORD options, REGSAM sam,
                     LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);
// Opens an existing key; a null or empty lpSubKey gives a new handle to key. ERROR_FILE_NOT_FOUND
// when any part of the path is missing.
LONG RegOpenKeyExW(HKEY key, LPCWSTR lpSubKey, DWORD options, REGSAM sam, PHKEY result);
// Closing a predefined root does nothing and succeeds.
LONG RegCloseKey(HKEY key);
// Every change is already on disk when its call returns.
LONG RegFlushKey(HKEY key);
// Deletes the key with all its values and its whole subtree. Handles still open on a deleted key
// give ERROR_KEY_DELETED.
LONG RegDeleteKeyW(HKEY key, LPCWSTR lpSubKey);

// A null or empty name is the key's unnamed value. A null data pointer with a size asks the size
// only; a buffer too small gives ERROR_MORE_DATA with the size needed and is left untouched.
// Sizes are in bytes; text values count their terminator when they were written with it.
LONG RegQueryValueExW(HKEY key, LPCWSTR lpValueName, LPDWORD reserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData);
// Stores cbData bytes from lpData as given, of any type.
LONG RegSetValueExW(HKEY key, LPCWSTR lpValueName, DWORD reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
LONG RegDeleteValueW(HKEY key, LPCWSTR lpValueName);

// Enumeration: subkeys in the order of their folded names, values in the order they were first
// written; ERROR_NO_MORE_ITEMS past the last. Name sizes are in characters: on entry the buffer
// with its terminator, on success the name without it; a buffer too small gives ERROR_MORE_DATA with
// the size needed, terminator included.
LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR lpName, LPDWORD lpcchName, LPDWORD reserved, LPWSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LONG RegEnumValueW(HKEY key, DWORD index, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD reserved,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
// Counts and longest lengths of a key's subkeys and values (names in characters without the
// terminator, data in bytes). Keys have no class; the class is always empty.
LONG RegQueryInfoKeyW(HKEY key, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD reserved, LPDWORD lpcSubKeys,
                      LPDWORD lpcchMaxSubKeyLen, LPDWORD lpcchMaxClassLen, LPDWORD lpcValues,
                      LPDWORD lpcchMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                      PFILETIME lpftLastWriteTime);
