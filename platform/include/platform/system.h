// Process-wide system calls: the last error, the OS version, the module path.
#pragma once

#include "platform/types.h"

DWORD GetLastError();
void SetLastError(DWORD error);

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};
using LPOSVERSIONINFOW = OSVERSIONINFOW*;
#define VER_PLATFORM_WIN32_CE 3
// From the device profile (default 5.2).
BOOL GetVersionExW(LPOSVERSIONINFOW info);

// The program is "\Program Files\Quorvia\Quorvia.exe" on the device; a null module is the program.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR out, DWORD outChars);
HMODULE GetModuleHandleW(LPCWSTR name);

// Fills the buffer with bytes from the system's cryptographic random source; FALSE (with the last
// error set) when the source could not give them all.
BOOL CeGenRandom(DWORD dwLen, LPBYTE pbBuffer);

// ---- Power status ----
struct SYSTEM_POWER_STATUS_EX2 {
    BYTE ACLineStatus;
    BYTE BatteryFlag;
    BYTE BatteryLifePercent;
    BYTE Reserved1;
    DWORD BatteryLifeTime;
    DWORD BatteryFullLifeTime;
    BYTE Reserved2;
    BYTE BackupBatteryFlag;
    BYTE BackupBatteryLifePercent;
    BYTE Reserved3;
    DWORD BackupBatteryLifeTime;
    DWORD BackupBatteryFullLifeTime;
    DWORD BatteryVoltage;
    DWORD BatteryCurrent;
    DWORD BatteryAverageCurrent;
    DWORD BatteryAverageInterval;
    DWORD BatterymAHourConsumed;
    DWORD BatteryTemperature;
    DWORD BackupBatteryVoltage;
    BYTE BatteryChemistry;
};
using PSYSTEM_POWER_STATUS_EX2 = SYSTEM_POWER_STATUS_EX2*;
#define AC_LINE_OFFLINE 0x00
#define AC_LINE_ONLINE 0x01
#define AC_LINE_BACKUP_POWER 0x02
#define AC_LINE_UNKNOWN 0xFF
#define BATTERY_FLAG_HIGH 0x01
#define BATTERY_FLAG_LOW 0x02
#define BATTERY_FLAG_CRITICAL 0x04
#define BATTERY_FLAG_CHARGING 0x08
#define BATTERY_FLAG_NO_BATTERY 0x80
#define BATTERY_FLAG_UNKNOWN 0xFF
#define BATTERY_PERCENTAGE_UNKNOWN 0xFF
#define BATTERY_LIFE_UNKNOWN 0xFFFFFFFF
#define BATTERY_CHEMISTRY_UNKNOWN 0xFF
// Read from the host's power supplies (the folder of the profile key "power_supply", else
// /sys/class/power_supply): the first supply of type Battery gives the charge and the charging
// state, any online Mains or USB supply the external power. The number of bytes filled, 0 (with
// ERROR_NOT_SUPPORTED) when the host has no such folder. A folder without a battery gives
// BATTERY_FLAG_NO_BATTERY and an unknown percentage.
DWORD GetSystemPowerStatusEx2(PSYSTEM_POWER_STATUS_EX2 status, DWORD length, BOOL update);
