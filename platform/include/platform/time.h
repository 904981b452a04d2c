// Clock and calendar conversions. Local time is the machine's wall time; tests may freeze it
// (platform/testing.h), and then every call here, GetTickCount and timers see the frozen clock.
#pragma once

#include "platform/types.h"

void GetLocalTime(LPSYSTEMTIME out);
void GetSystemTime(LPSYSTEMTIME out);
BOOL SetLocalTime(const SYSTEMTIME* time);  // moves the frozen test clock; refused on a live clock
DWORD GetTickCount();
void Sleep(DWORD milliseconds);  // on a frozen clock the clock moves instead of the thread waiting

BOOL FileTimeToLocalFileTime(const FILETIME* utc, LPFILETIME local);
BOOL LocalFileTimeToFileTime(const FILETIME* local, LPFILETIME utc);
BOOL FileTimeToSystemTime(const FILETIME* time, LPSYSTEMTIME out);
BOOL SystemTimeToFileTime(const SYSTEMTIME* time, LPFILETIME out);
void GetSystemTimeAsFileTime(LPFILETIME out);
LONG CompareFileTime(const FILETIME* a, const FILETIME* b);

// OLE dates: days since 30 December 1899, the fraction the time of day. Exact to the second;
// 949998.0 is 1 January 4501. Fails (0) outside 1 January 100 to 31 December 9999.
INT SystemTimeToVariantTime(LPSYSTEMTIME time, double* out);
INT VariantTimeToSystemTime(double date, LPSYSTEMTIME out);

struct TIME_ZONE_INFORMATION {
    LONG Bias;  // minutes: UTC = local time + bias
    WCHAR StandardName[32];
    SYSTEMTIME StandardDate;
    LONG StandardBias;
    WCHAR DaylightName[32];
    SYSTEMTIME DaylightDate;
    LONG DaylightBias;
};
using LPTIME_ZONE_INFORMATION = TIME_ZONE_INFORMATION*;
#define TIME_ZONE_ID_UNKNOWN 0
#define TIME_ZONE_ID_STANDARD 1
#define TIME_ZONE_ID_DAYLIGHT 2
#define TIME_ZONE_ID_INVALID 0xFFFFFFFF
DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION out);

// Locale date and time texts. The short date follows the device profile's format ("M/d/yyyy" unless
// set); formats use d dd ddd dddd M MM MMM MMMM y yy yyyy and h hh H HH m mm s ss t tt, '...' quotes.
#define DATE_SHORTDATE 0x00000001
#define DATE_LONGDATE 0x00000002
#define TIME_NOMINUTESORSECONDS 0x00000001
#define TIME_NOSECONDS 0x00000002
#define TIME_NOTIMEMARKER 0x00000004
#define TIME_FORCE24HOURFORMAT 0x00000008
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_NOUSEROVERRIDE 0x80000000u
// GetDateFormatW with a picture and a format flag together, or an unknown flag.
#define ERROR_INVALID_FLAGS 1004L
// Texts go to out with their terminator and the count includes it; outChars 0 asks for the size
// needed; a short buffer fails with ERROR_INSUFFICIENT_BUFFER.
int GetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out, int outChars);
int GetTimeFormatW(LCID locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR format, LPWSTR out, int outChars);
#define LOCALE_SSHORTDATE 0x0000001F
#define LOCALE_SLONGDATE 0x00000020
#define LOCALE_STIMEFORMAT 0x00001003
#define LOCALE_IFIRSTDAYOFWEEK 0x0000100C
int GetLocaleInfoW(LCID locale, DWORD type, LPWSTR out, int outChars);
