// The phone library "phone.dll": the call log and placing calls. The program binds the entry points
// at run time (LoadLibraryW, GetProcAddressW); these are their types and records.
#pragma once

#include "platform/types.h"

// iom: how the call went.
enum IOM : int { IOM_MISSED = 0, IOM_INCOMING = 1, IOM_OUTGOING = 2 };
enum CALLERIDTYPE : int { CALLERIDTYPE_UNAVAILABLE = 0, CALLERIDTYPE_BLOCKED = 1, CALLERIDTYPE_AVAILABLE = 2 };

// Bits of CALLLOGENTRY::flags.
inline constexpr DWORD CALLLOG_OUTGOING = 0x1;
inline constexpr DWORD CALLLOG_CONNECTED = 0x2;
inline constexpr DWORD CALLLOG_ENDED = 0x4;
inline constexpr DWORD CALLLOG_ROAMING = 0x8;

// cbSize is set by the caller; the four texts are allocated by the library (LocalAlloc) and freed by
// the caller with LocalFree; any of them may be null.
struct CALLLOGENTRY {
    DWORD cbSize;
    FILETIME ftStartTime;
    FILETIME ftEndTime;
    IOM iom;
    DWORD flags;
    CALLERIDTYPE cidt;
    LPWSTR pszNumber;
    LPWSTR pszName;
    LPWSTR pszNameType;
    LPWSTR pszNote;
};

struct PHONEMAKECALLINFO {
    DWORD cbSize;
    DWORD dwFlags;
    LPCWSTR pszDestAddress;
    LPCWSTR pszAppName;
    LPCWSTR pszCalledParty;
    LPCWSTR pszComment;
};

// PhoneGetCallLogEntry: S_OK with an entry, S_FALSE after the last one, E_INVALIDARG for a bad
// handle or size. PhoneMakeCall: 0 when the call was placed, -1 when it could not be.
using PFN_PhoneOpenCallLog = HRESULT (*)(HANDLE* log);
using PFN_PhoneGetCallLogEntry = HRESULT (*)(HANDLE log, CALLLOGENTRY* entry);
using PFN_PhoneCloseCallLog = HRESULT (*)(HANDLE log);
using PFN_PhoneMakeCall = LONG (*)(PHONEMAKECALLINFO* info);

// The device files of the library: its presence (one exported name a line; an empty file exports
// them all) and its call log (one call a line, newest first, fields separated by tabs: start and end
// as FILETIME numbers, iom, flags, caller-id type, number, name, name type, note).
inline constexpr const WCHAR* kPhoneLibraryFile = u"\\Windows\\phone.dll";
inline constexpr const WCHAR* kPhoneCallLogFile = u"\\Windows\\calllog.txt";
