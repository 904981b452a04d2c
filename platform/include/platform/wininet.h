// The internet functions: an internet handle, FTP sessions (change folder, fetch a file) and
// reading a URL over HTTP or FTP. Host names can be routed to another address through the device
// profile's "netroute" key (see platform/net/net_route.h), which tests use to reach a local server.
#pragma once

#include "platform/types.h"

using HINTERNET = void*;
using INTERNET_PORT = WORD;

inline constexpr DWORD INTERNET_OPEN_TYPE_PRECONFIG = 0;
inline constexpr DWORD INTERNET_OPEN_TYPE_DIRECT = 1;
inline constexpr DWORD INTERNET_OPEN_TYPE_PROXY = 3;

inline constexpr INTERNET_PORT INTERNET_INVALID_PORT_NUMBER = 0;
inline constexpr INTERNET_PORT INTERNET_DEFAULT_FTP_PORT = 21;
inline constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;

inline constexpr DWORD INTERNET_SERVICE_FTP = 1;
inline constexpr DWORD INTERNET_SERVICE_HTTP = 3;

inline constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000;
inline constexpr DWORD INTERNET_FLAG_PASSIVE = 0x08000000;
inline constexpr DWORD INTERNET_FLAG_NO_CACHE_WRITE = 0x04000000;
inline constexpr DWORD INTERNET_FLAG_PRAGMA_NOCACHE = 0x00000100;

inline constexpr DWORD FTP_TRANSFER_TYPE_ASCII = 0x1;
inline constexpr DWORD FTP_TRANSFER_TYPE_BINARY = 0x2;

inline constexpr DWORD HTTP_QUERY_STATUS_CODE = 19;
inline constexpr DWORD HTTP_QUERY_FLAG_NUMBER = 0x20000000;

inline constexpr DWORD ERROR_INTERNET_TIMEOUT = 12002;
inline constexpr DWORD ERROR_INTERNET_INTERNAL_ERROR = 12004;
inline constexpr DWORD ERROR_INTERNET_INVALID_URL = 12005;
inline constexpr DWORD ERROR_INTERNET_UNRECOGNIZED_SCHEME = 12006;
inline constexpr DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
inline constexpr DWORD ERROR_INTERNET_INCORRECT_HANDLE_TYPE = 12018;
inline constexpr DWORD ERROR_INTERNET_CANNOT_CONNECT = 12029;
inline constexpr DWORD ERROR_FTP_TRANSFER_IN_PROGRESS = 12110;
inline constexpr DWORD ERROR_HTTP_HEADER_NOT_FOUND = 12150;
inline constexpr DWORD ERROR_INTERNET_EXTENDED_ERROR = 12003;

// The root handle; the agent name goes out as the HTTP user agent. Null on failure.
HINTERNET InternetOpenW(LPCWSTR agent, DWORD accessType, LPCWSTR proxy, LPCWSTR proxyBypass, DWORD flags);
// An FTP session (INTERNET_SERVICE_FTP): logs in at once, so a server that cannot be reached or
// refuses the login gives null. An HTTP session only remembers the server.
HINTERNET InternetConnectW(HINTERNET internet, LPCWSTR serverName, INTERNET_PORT serverPort, LPCWSTR userName,
                           LPCWSTR password, DWORD service, DWORD flags, DWORD_PTR context);
// Changes the session's current folder on the server; FALSE when the server refuses it.
BOOL FtpSetCurrentDirectoryW(HINTERNET connect, LPCWSTR directory);
// Fetches a remote file (relative to the current folder) into a device file, written whole or not
// at all; failIfExists keeps an existing file.
BOOL FtpGetFileW(HINTERNET connect, LPCWSTR remoteFile, LPCWSTR newFile, BOOL failIfExists, DWORD flagsAndAttributes,
                 DWORD flags, DWORD_PTR context);
// Opens an http:// or ftp:// address and fetches what it serves; the handle then reads it. An HTTP
// error status still opens (HttpQueryInfoW tells it); no answer at all gives null.
HINTERNET InternetOpenUrlW(HINTERNET internet, LPCWSTR url, LPCWSTR headers, DWORD headersLength, DWORD flags,
                           DWORD_PTR context);
// Reads the next bytes of an opened address; *read is 0 at the end.
BOOL InternetReadFile(HINTERNET file, LPVOID buffer, DWORD toRead, LPDWORD read);
// HTTP_QUERY_STATUS_CODE, as text or with HTTP_QUERY_FLAG_NUMBER as a DWORD.
BOOL HttpQueryInfoW(HINTERNET request, DWORD infoLevel, LPVOID buffer, LPDWORD bufferLength, LPDWORD index);
// Closes any internet handle; closing a parent leaves its children usable until they are closed.
BOOL InternetCloseHandle(HINTERNET internet);
