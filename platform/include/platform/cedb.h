// The database volume: the PIM store's databases read as records of property values.
// Mount the volume "pim.vol" (CeMountDBVolEx), open a database by name with one of the sort orders it
// keeps (CeOpenDatabaseInSession), read its records one by one (CeReadRecordPropsEx).
#pragma once

#include "platform/types.h"

#define CEVT_I2 2
#define CEVT_I4 3
#define CEVT_R8 5
#define CEVT_BOOL 11
#define CEVT_UI2 18
#define CEVT_UI4 19
#define CEVT_LPWSTR 31
#define CEVT_FILETIME 64
#define CEVT_BLOB 65
#define CEVT_STREAM 100
#define CEVT_RECID 102

#define CEDB_PROPNOTFOUND 0x0100
#define CEDB_PROPDELETE 0x0200

#define TypeFromPropID(propid) LOWORD(propid)

struct CEBLOB {
    DWORD dwCount;
    LPBYTE lpb;
};

union CEVALUNION {
    SHORT iVal;
    USHORT uiVal;
    LONG lVal;
    ULONG ulVal;
    FILETIME filetime;
    LPWSTR lpwstr;
    CEBLOB blob;
    BOOL boolVal;
    double dblVal;
};

struct CEPROPVAL {
    CEPROPID propid;
    WORD wLenData;
    WORD wFlags;
    CEVALUNION val;
};
using PCEPROPVAL = CEPROPVAL*;

// Volumes.
struct CEGUID {
    DWORD Data1;
    DWORD Data2;
    DWORD Data3;
    DWORD Data4;
};
using PCEGUID = CEGUID*;
#define CREATE_INVALIDGUID(pguid) ((pguid)->Data1 = (pguid)->Data2 = (pguid)->Data3 = (pguid)->Data4 = 0xFFFFFFFFu)
#define CHECK_INVALIDGUID(pguid) ((pguid)->Data1 == 0xFFFFFFFFu && (pguid)->Data2 == 0xFFFFFFFFu && \
                                  (pguid)->Data3 == 0xFFFFFFFFu && (pguid)->Data4 == 0xFFFFFFFFu)

struct CEVOLUMEOPTIONS {
    WORD wVersion;
    DWORD cbBufferPool;
    DWORD dwAutoShrinkPercent;
    DWORD dwDefaultTimeout;
    DWORD dwPageSize;
    DWORD dwFlags;
};
using PCEVOLUMEOPTIONS = CEVOLUMEOPTIONS*;

// Sort orders.
#define CEDB_MAXSORTPROP 16
#define CEDB_SORT_DESCENDING 0x00000001
#define CEDB_SORT_CASEINSENSITIVE 0x00000002
#define CEDB_SORT_UNKNOWNFIRST 0x00000004
#define SORTORDERSPECEX_VERSION 2

struct SORTORDERSPECEX {
    WORD wVersion;
    WORD wNumProps;
    WORD wKeyFlags;
    WORD wReserved;
    CEPROPID rgPropID[CEDB_MAXSORTPROP];
    DWORD rgdwFlags[CEDB_MAXSORTPROP];
};

// Opening and reading.
#define CEDB_AUTOINCREMENT 0x00000001
#define CEDB_ALLOWREALLOC 0x00000001
#define CEDB_EXNOTIFICATION 0x00000001

// The database notification: message WM_DBNOTIFICATION with lParam the CENOTIFICATION, which the
// receiver gives back with CeFreeNotification.
#define WM_DBNOTIFICATION 0x03FD
#define DB_CEOID_CREATED 0x0401            // WM_USER + 1
#define DB_CEOID_DATABASE_DELETED 0x0402
#define DB_CEOID_RECORD_DELETED 0x0403
#define DB_CEOID_CHANGED 0x0406

struct CENOTIFYREQUEST {
    DWORD dwSize;
    HWND hwnd;
    DWORD dwFlags;
    HANDLE hHeap;
    DWORD dwParam;
};
using PCENOTIFYREQUEST = CENOTIFYREQUEST*;

struct CENOTIFICATION {
    DWORD dwSize;
    DWORD dwParam;
    UINT uType;
    CEGUID guid;
    CEOID oid;
    CEOID oidParent;
};
using PCENOTIFICATION = CENOTIFICATION*;

// Mounts the device's volume of that name ("pim.vol" is the PIM store); OPEN_EXISTING fails when there
// is none; a damaged store fails with ERROR_BADDB and is kept aside as pim.vol.damaged-<time>.
BOOL CeMountDBVolEx(PCEGUID guid, LPCWSTR volume, CEVOLUMEOPTIONS* options, DWORD creation);
BOOL CeUnmountDBVol(PCEGUID guid);
// By name (oid 0 or null); a sort order the database does not keep fails with INVALID_HANDLE_VALUE.
// With a request, the window gets WM_DBNOTIFICATION for every change of the database's records.
HANDLE CeOpenDatabaseInSession(HANDLE session, PCEGUID guid, CEOID* oid, LPCWSTR name, SORTORDERSPECEX* sort,
                               DWORD flags, CENOTIFYREQUEST* request);
// The next record: its object identifier, or 0 at the end. With CEDB_ALLOWREALLOC the buffer is
// allocated (or grown) on the heap given (the process heap when null); the caller frees it.
CEOID CeReadRecordPropsEx(HANDLE database, DWORD flags, LPWORD propCount, CEPROPID* propIds, LPBYTE* buffer,
                          LPDWORD bufferBytes, HANDLE heap);
BOOL CeFreeNotification(PCENOTIFYREQUEST request, PCENOTIFICATION notification);
