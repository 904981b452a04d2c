// The hardware Calendar, Tasks and Contacts buttons and the shell's launch keys: taking them over
// for the program, giving them back, and rewriting them at start-up when the program has moved.
#pragma once

#include <string>

#include "platform/types.h"

// Kinds of the built-in application windows.
enum BuiltInPimKind : int {
    kBuiltInTasks = 1,
    kBuiltInCalendar = 2,
    kBuiltInContacts = 3,
};

// The longest launch text read back from a key, in bytes.
inline constexpr DWORD kLaunchTextMaxBytes = 510;

void RegisterCalendarButton();
void RegisterTasksButton();
void RegisterContactsButton();
void RestoreCalendarButton();
void RestoreTasksButton();
void RestoreContactsButton();
// "APP4_Path", the hardware button of one keyboard model only.
void SetCalendarButtonPath();
void ResetCalendarButtonPath();

// 1 when the button's launch text names this program.
LONG IsShellCalendarKey();
LONG IsShellTasksKey();
LONG IsShellContactsKey();
LONG IsHwKey4Program();

// 1 when the built-in application's window was found and closed.
int CloseBuiltInPimWindow(int kind);

// The start-up check: records the program folder and rewrites keys that name an older folder.
void CheckShellKeys();
void SaveInstallLocation(const std::u16string& folder);
void RepairShellCalendarKey(const std::u16string& folder);
void RepairShellTasksKey(const std::u16string& folder);
void RepairShellContactsKey(const std::u16string& folder);
void RepairHwKey4(const std::u16string& folder);

// 1 when a window with the title and the given parent comes up within about three seconds.
int WaitForChildWindow(HWND parent, const std::u16string& title);

// The program's folder: its executable's path up to and with the last backslash.
std::u16string ProgramFolder();
