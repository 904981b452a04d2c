// The database volume: property values of records in the PIM volume. (Grows with the PIM area.)
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
