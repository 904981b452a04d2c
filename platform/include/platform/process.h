// Starting the device's programs and opening documents with them. The stand-in device runs no other
// program: a start is recorded for the test API (platform/testing_user.h) after the same checks the
// device makes, so a program the device does not have fails with ERROR_FILE_NOT_FOUND.
#pragma once

#include "platform/files.h"
#include "platform/types.h"

struct STARTUPINFOW {
    DWORD cb;
};
using LPSTARTUPINFOW = STARTUPINFOW*;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

// A name without a folder is looked for in "\Windows"; ".exe" is added when there is no extension.
// The process and thread handles must be closed; the started program counts as already ended.
BOOL CreateProcessW(LPCWSTR imageName, LPCWSTR commandLine, LPSECURITY_ATTRIBUTES processSecurity,
                    LPSECURITY_ATTRIBUTES threadSecurity, BOOL inheritHandles, DWORD flags, LPVOID environment,
                    LPWSTR currentDirectory, LPSTARTUPINFOW startupInfo, LPPROCESS_INFORMATION out);
DWORD GetCurrentProcessId();

#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_FLAG_NO_UI 0x00000400
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

struct SHELLEXECUTEINFOW {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    LPCWSTR lpVerb;
    LPCWSTR lpFile;
    LPCWSTR lpParameters;
    LPCWSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    LPVOID lpIDList;
    LPCWSTR lpClass;
    HKEY hkeyClass;
    DWORD dwHotKey;
    HANDLE hIcon;
    HANDLE hProcess;
};
using LPSHELLEXECUTEINFOW = SHELLEXECUTEINFOW*;
// The device's own record is 60 bytes; both that size and sizeof(SHELLEXECUTEINFOW) are accepted.
#define SHELLEXECUTEINFO_DEVICE_SIZE 60

// Programs (".exe") must exist as for CreateProcessW; documents must exist and open with the program
// of their kind; addresses with a scheme ("http:", "mailto:") are handed on as they are.
BOOL ShellExecuteExW(LPSHELLEXECUTEINFOW info);
