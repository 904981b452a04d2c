// The device file system: paths such as "\My Documents\a.txt" name files under the device root's
// files/ folder, and every path component is looked up without regard to letter case.
// A file opened for writing (CREATE_ALWAYS, TRUNCATE_EXISTING, or _wfopen "w"/"wb"/"w+") is written to a
// temporary file beside its target and replaces the target only when it is closed, so that an
// interrupted write never leaves half a file. Appending and read-write opens of existing files
// write in place.
#pragma once

#include <cstdio>
#include <string>

#include "platform/types.h"

#define MAX_PATH 260

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define INVALID_FILE_ATTRIBUTES 0xFFFFFFFFu
#define INVALID_FILE_SIZE 0xFFFFFFFFu
#define INVALID_SET_FILE_POINTER 0xFFFFFFFFu

// Error codes of the file calls beyond those of platform/types.h.
#ifndef ERROR_GEN_FAILURE
#define ERROR_GEN_FAILURE 31L
#endif
#ifndef ERROR_NEGATIVE_SEEK
#define ERROR_NEGATIVE_SEEK 131L
#endif
#ifndef ERROR_FILENAME_EXCED_RANGE
#define ERROR_FILENAME_EXCED_RANGE 206L
#endif
#ifndef ERROR_DIRECTORY
#define ERROR_DIRECTORY 267L
#endif
#ifndef ERROR_FILE_INVALID
#define ERROR_FILE_INVALID 1006L
#endif
#ifndef ERROR_MAPPED_ALIGNMENT
#define ERROR_MAPPED_ALIGNMENT 1132L
#endif

#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
struct OVERLAPPED;
using LPOVERLAPPED = OVERLAPPED*;

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD creation,
                   DWORD flagsAndAttributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh);
BOOL SetEndOfFile(HANDLE file);
BOOL FlushFileBuffers(HANDLE file);
BOOL GetFileTime(HANDLE file, LPFILETIME creation, LPFILETIME lastAccess, LPFILETIME lastWrite);
BOOL CloseHandle(HANDLE handle);  // any kernel object: files, mappings, events, threads, mutexes

BOOL DeleteFileW(LPCWSTR path);
BOOL MoveFileW(LPCWSTR from, LPCWSTR to);
BOOL CopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists);
BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES security);
BOOL RemoveDirectoryW(LPCWSTR path);
DWORD GetFileAttributesW(LPCWSTR path);
BOOL SetFileAttributesW(LPCWSTR path, DWORD attributes);

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwOID;
    WCHAR cFileName[MAX_PATH];
};
using LPWIN32_FIND_DATAW = WIN32_FIND_DATAW*;
// The pattern's last component may hold '*' and '?' ("\My Documents\*.zqw"); matching ignores case.
HANDLE FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW found);
BOOL FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW found);
BOOL FindClose(HANDLE find);

// Read-only mappings of whole files (writable mappings are not offered).
#define PAGE_READONLY 0x02
#define PAGE_READWRITE 0x04
#define FILE_MAP_READ 0x0004
#define FILE_MAP_WRITE 0x0002
HANDLE CreateFileForMappingW(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                             DWORD creation, DWORD flagsAndAttributes, HANDLE templateFile);
HANDLE CreateFileMappingW(HANDLE file, LPSECURITY_ATTRIBUTES security, DWORD protect, DWORD sizeHigh,
                          DWORD sizeLow, LPCWSTR name);
LPVOID MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, SIZE_T bytes);
BOOL UnmapViewOfFile(LPCVOID view);

// The runtime's wide file calls. The streams are ordinary FILE streams: fgets, fputs, fread, fwrite,
// fprintf, fseek, ftell and fclose work on them; "w" modes replace the target at fclose (which
// returns EOF when that failed), "a" modes append in place. Modes are "r", "w" or "a", then '+',
// 'b' and 't' in any order; 'b' and 't' both keep line ends as written. Failures set errno and
// the last error.
FILE* _wfopen(const WCHAR* path, const WCHAR* mode);
// Closes stream and opens path: the result is a new stream, except for stdin, stdout and stderr,
// which keep their FILE.
FILE* _wfreopen(const WCHAR* path, const WCHAR* mode, FILE* stream);
int _wremove(const WCHAR* path);
int _wrename(const WCHAR* from, const WCHAR* to);
WCHAR* fgetws(WCHAR* out, int n, FILE* stream);  // reads ANSI text and converts it
int fputws(const WCHAR* text, FILE* stream);     // converts to ANSI and writes it

namespace platform {

// The host path of a device path (for platform code and tests), case-insensitively resolved
// component by component; components that do not exist yet keep the spelling given.
std::string HostPath(const WCHAR* devicePath);

}  // namespace platform
