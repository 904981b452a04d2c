// The installer's interface to a program's setup library: the four hooks it calls before and after
// installing and uninstalling, and what each may answer.
#pragma once

#include "platform/types.h"

enum codeINSTALL_INIT { codeINSTALL_INIT_CONTINUE = 0, codeINSTALL_INIT_CANCEL };
enum codeINSTALL_EXIT { codeINSTALL_EXIT_DONE = 0, codeINSTALL_EXIT_UNINSTALL };
enum codeUNINSTALL_INIT { codeUNINSTALL_INIT_CONTINUE = 0, codeUNINSTALL_INIT_CANCEL };
enum codeUNINSTALL_EXIT { codeUNINSTALL_EXIT_DONE = 0 };

using InstallInitFn = codeINSTALL_INIT (*)(HWND parent, BOOL firstCall, BOOL previouslyInstalled, LPCWSTR installDir);
using InstallExitFn = codeINSTALL_EXIT (*)(HWND parent, LPCWSTR installDir, WORD failedDirs, WORD failedFiles,
                                           WORD failedRegKeys, WORD failedRegValues, WORD failedShortcuts);
using UninstallInitFn = codeUNINSTALL_INIT (*)(HWND parent, LPCWSTR installDir);
using UninstallExitFn = codeUNINSTALL_EXIT (*)(HWND parent);

// The library's entry point, called by the loader with the reason.
inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
using DllMainFn = BOOL (*)(HANDLE module, DWORD reason, LPVOID reserved);
