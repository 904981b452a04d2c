// UTF-16 text: the platform's string calls, its formatting, case folding and code-page conversions.
// WCHAR is char16_t; the runtime's wide calls are given here for WCHAR under their usual names.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

#include "platform/types.h"

// Code pages. CP_ACP is the device's "ANSI" page: UTF-8 by default, Windows-1252 when the profile says so.
#define CP_ACP 0
#define CP_OEMCP 1
#define CP_1252 1252
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080

UINT GetACP();
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLen, LPSTR out, int outBytes,
                        LPCSTR defaultChar, LPBOOL usedDefault);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR bytes, int byteLen, LPWSTR out, int outChars);

// The runtime's conversions through the device's ANSI page. As in the runtime: the result counts
// bytes (or characters) without the terminator, which is written only when there is room; a null
// target returns the length needed; (size_t)-1 when a character cannot be converted.
std::size_t wcstombs(char* out, const WCHAR* in, std::size_t outBytes);
std::size_t mbstowcs(WCHAR* out, const char* in, std::size_t outChars);
// mbstowcs(NULL, text, 0) measures; without this the runtime's own mbstowcs would match as well.
std::size_t mbstowcs(std::nullptr_t, const char* in, std::size_t outChars);

// Lengths, copies and comparisons.
std::size_t wcslen(const WCHAR* s);
WCHAR* wcscpy(WCHAR* dst, const WCHAR* src);
WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, std::size_t n);
WCHAR* wcscat(WCHAR* dst, const WCHAR* src);
WCHAR* wcsncat(WCHAR* dst, const WCHAR* src, std::size_t n);
int wcscmp(const WCHAR* a, const WCHAR* b);
int wcsncmp(const WCHAR* a, const WCHAR* b, std::size_t n);
int _wcsicmp(const WCHAR* a, const WCHAR* b);
int _wcsnicmp(const WCHAR* a, const WCHAR* b, std::size_t n);
const WCHAR* wcschr(const WCHAR* s, WCHAR c);
WCHAR* wcschr(WCHAR* s, WCHAR c);
const WCHAR* wcsrchr(const WCHAR* s, WCHAR c);
WCHAR* wcsrchr(WCHAR* s, WCHAR c);
const WCHAR* wcsstr(const WCHAR* s, const WCHAR* sub);
WCHAR* wcsstr(WCHAR* s, const WCHAR* sub);
std::size_t wcsspn(const WCHAR* s, const WCHAR* accept);
std::size_t wcscspn(const WCHAR* s, const WCHAR* reject);
WCHAR* _wcsdup(const WCHAR* s);  // free() the result
WCHAR* _wcslwr(WCHAR* s);
WCHAR* _wcsupr(WCHAR* s);
int lstrlenW(LPCWSTR s);
LPWSTR lstrcpyW(LPWSTR dst, LPCWSTR src);
LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int maxChars);  // copies at most maxChars-1, always terminates
LPWSTR lstrcatW(LPWSTR dst, LPCWSTR src);
int lstrcmpW(LPCWSTR a, LPCWSTR b);
int lstrcmpiW(LPCWSTR a, LPCWSTR b);

// Numbers: optional blanks, optional sign, digits; 0 when there are none.
long _wtol(const WCHAR* s);
int _wtoi(const WCHAR* s);
long wcstol(const WCHAR* s, WCHAR** end, int base);
unsigned long wcstoul(const WCHAR* s, WCHAR** end, int base);
double wcstod(const WCHAR* s, WCHAR** end);
double _wtof(const WCHAR* s);
WCHAR* _itow(int value, WCHAR* out, int radix);
WCHAR* _ltow(long value, WCHAR* out, int radix);
WCHAR* _ultow(unsigned long value, WCHAR* out, int radix);

// Character classes and case folding (simple, one unit to one unit; Latin-1, Latin Extended-A,
// Greek and Cyrillic fold as well as ASCII).
WCHAR towlower(WCHAR c);
WCHAR towupper(WCHAR c);
int iswspace(WCHAR c);
int iswdigit(WCHAR c);
int iswalpha(WCHAR c);
int iswalnum(WCHAR c);
int iswupper(WCHAR c);
int iswlower(WCHAR c);
int iswpunct(WCHAR c);
int iswxdigit(WCHAR c);
BOOL IsCharAlphaW(WCHAR c);
BOOL IsCharAlphaNumericW(WCHAR c);
BOOL IsCharUpperW(WCHAR c);
BOOL IsCharLowerW(WCHAR c);
// As on the platform: a pointer whose high word is zero is one character, converted and returned.
LPWSTR CharLowerW(LPWSTR s);
LPWSTR CharUpperW(LPWSTR s);
DWORD CharLowerBuffW(LPWSTR s, DWORD len);
DWORD CharUpperBuffW(LPWSTR s, DWORD len);

// The platform's formatting: %d %i %u %ld %lu %x %X %o %c %s %S %% with flags '-', '0', '+', ' ', '#',
// width and precision (also '*'), %I64d, %f %g %e. %s takes a WCHAR text, %S a char text, %c a
// WCHAR. %ld, %lu and %lx take the device's 32-bit LONG and DWORD; %I64d and %lld take 64 bits.
// wsprintfW's buffer is 1024 characters as on the platform: it writes at most 1023 and the terminator;
// _snwprintf writes at most n characters and returns -1 when the text did not fit (then no terminator
// is written). %n writes nothing.
int wsprintfW(LPWSTR out, LPCWSTR format, ...);
int wvsprintfW(LPWSTR out, LPCWSTR format, va_list args);
int _snwprintf(WCHAR* out, std::size_t n, const WCHAR* format, ...);
int _vsnwprintf(WCHAR* out, std::size_t n, const WCHAR* format, va_list args);
int swprintf(WCHAR* out, const WCHAR* format, ...);  // unbounded, as the device's runtime
// The bounded form for fixed buffers: writes at most cch - 1 characters and always the terminator;
// STRSAFE_E_INSUFFICIENT_BUFFER when the text was cut.
#define STRSAFE_MAX_CCH 2147483647
#define STRSAFE_E_INSUFFICIENT_BUFFER static_cast<HRESULT>(0x8007007AL)
#define STRSAFE_E_INVALID_PARAMETER static_cast<HRESULT>(0x80070057L)
HRESULT StringCchPrintfW(LPWSTR out, std::size_t cch, LPCWSTR format, ...);
HRESULT StringCchVPrintfW(LPWSTR out, std::size_t cch, LPCWSTR format, va_list args);
// %d %i %u %x %o %ld %I64d %hd %s %S %c %[...] %f %lf %n, widths and '*'; %ld stores a 32-bit LONG.
int swscanf(const WCHAR* in, const WCHAR* format, ...);

namespace platform {

// Conversions for platform code and tests; invalid sequences become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
// The formatting above into a string of any length.
std::u16string FormatW(const WCHAR* format, ...);
std::u16string VFormatW(const WCHAR* format, va_list args);
// Case-insensitive comparison by the folding above.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool EqualNoCase(std::u16string_view a, std::u16string_view b);
std::u16string FoldCase(std::u16string_view text);

}  // namespace platform

// Message texts with numbered inserts ("%1", "%2!d!"), from a string. The arguments are a va_list, or
// with FORMAT_MESSAGE_ARGUMENT_ARRAY an array of DWORD_PTR passed in place of it. Messages of the
// system's own tables are not offered.
#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF
DWORD FormatMessageW(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPWSTR buffer, DWORD size,
                     va_list* arguments);
