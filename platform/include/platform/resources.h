// A module's embedded resources, read in place: finding, loading and sizing a resource, the string
// table, and the records of dialog and menu templates as they are stored.
// A module's resources are the bytes of a compiled resource file (the 32-bit .res layout) that the
// module registers once; every pointer handed out points into those bytes. A null module is the
// program, as is the program's instance handle (GetModuleHandleW(nullptr)).
#pragma once

#include <cstddef>

#include "platform/types.h"

// Resource types by ordinal.
#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_FONTDIR MAKEINTRESOURCEW(7)
#define RT_FONT MAKEINTRESOURCEW(8)
#define RT_ACCELERATOR MAKEINTRESOURCEW(9)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_MESSAGETABLE MAKEINTRESOURCEW(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCEW(12)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)
#define RT_VERSION MAKEINTRESOURCEW(16)
#define RT_HTML MAKEINTRESOURCEW(23)
#define RT_MANIFEST MAKEINTRESOURCEW(24)

// Finds a resource by type and name, each an ordinal (MAKEINTRESOURCEW), a "#123" text naming an
// ordinal, or a name compared without regard to case. NULL with ERROR_RESOURCE_TYPE_NOT_FOUND or
// ERROR_RESOURCE_NAME_NOT_FOUND when there is none, ERROR_RESOURCE_DATA_NOT_FOUND for a module
// without resources.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
// The resource's bytes; the handle is the address of its first byte, valid while the module is.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The address of the first byte of a loaded resource (the handle LoadResource gave), NULL for any other value.
LPVOID LockResource(HGLOBAL data);
// The size of the resource in bytes; 0 for a handle that FindResourceW did not give for this module.
DWORD SizeofResource(HMODULE module, HRSRC resource);
// Resources live as long as their module; there is nothing to free. Returns FALSE as the platform does.
BOOL FreeResource(HGLOBAL data);

// Copies string `id` of the string table into out (at most outChars-1 characters, terminated) and
// returns its length; 0 when there is no such string. With outChars 0, out is taken as an LPCWSTR*
// that receives a read-only pointer to the string in place (not terminated) and the whole length
// is returned.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR out, int outChars);

// The stored records of dialog templates. Stored on 2-byte boundaries; the variable fields (menu,
// class, title, font and the items) follow each record.
#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;  // number of items
    SHORT x;
    SHORT y;
    SHORT cx;
    SHORT cy;
};
struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    SHORT x;
    SHORT y;
    SHORT cx;
    SHORT cy;
    WORD id;
};
// The header of a menu template; the items begin `offset` bytes after it.
struct MENUITEMTEMPLATEHEADER {
    WORD versionNumber;
    WORD offset;
};
#pragma pack(pop)
static_assert(sizeof(DLGTEMPLATE) == 18);
static_assert(sizeof(DLGITEMTEMPLATE) == 18);
using LPDLGTEMPLATEW = DLGTEMPLATE*;
using LPCDLGTEMPLATEW = const DLGTEMPLATE*;
using LPCDLGTEMPLATE = LPCDLGTEMPLATEW;

namespace platform {

// Makes `size` bytes at `data` (a compiled resource file, 4-byte aligned, kept alive and unchanged
// by the caller) the resources of `module`, replacing what it had. A truncated or malformed file is
// refused: false with ERROR_INVALID_DATA, and the module keeps what it had.
bool RegisterModuleResources(HINSTANCE module, const void* data, std::size_t size);
// Forgets the module's resources; handles and pointers into them must no longer be used.
void UnregisterModuleResources(HINSTANCE module);

}  // namespace platform
