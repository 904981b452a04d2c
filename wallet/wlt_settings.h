// The wallet's own values under the settings key (time-out, password generator, last wallet file).
#pragma once

#include <string>

#include "platform/types.h"

inline constexpr LONG kMaxWltTimeoutMinutes = 30;

struct WltSettings {
    LONG timeoutOn = 1;       // "WALLETTIMEOUT"
    LONG genDigits = 1;       // "PWGENNUM"
    LONG genLowerOnly = 1;    // "PWGENCASE"
    LONG genDigitsOnly = 0;   // "PWGENNOLETTERS"
    LONG noMask = 0;          // "WLTNOMASK"
    LONG firstTimeAdd = 1;    // "FIRSTTIMEADD"
    LONG genLength = 8;       // "PWGENLEN"
    LONG timeoutMinutes = 5;  // "WALLETTIMEOUTMIN"
};

struct WltSettingDef {
    const WCHAR* name;
    LONG WltSettings::*field;
};

// The numbers in the order they are read and written; "LASTWLT" follows them.
inline constexpr WltSettingDef kWltSettingTable[] = {
    {u"WALLETTIMEOUT", &WltSettings::timeoutOn},   {u"PWGENNUM", &WltSettings::genDigits},
    {u"PWGENCASE", &WltSettings::genLowerOnly},    {u"PWGENNOLETTERS", &WltSettings::genDigitsOnly},
    {u"WLTNOMASK", &WltSettings::noMask},          {u"FIRSTTIMEADD", &WltSettings::firstTimeAdd},
    {u"PWGENLEN", &WltSettings::genLength},        {u"WALLETTIMEOUTMIN", &WltSettings::timeoutMinutes},
};
inline constexpr const WCHAR* kLastWltValue = u"LASTWLT";
inline constexpr DWORD kLastWltMaxBytes = 520;

extern WltSettings g_WltSettings;

// Reads the wallet values; each keeps its default when absent.
void LoadWltSettings();
// Writes every value in table order and then the path; stops at the first that fails.
void SaveWltSettings();
