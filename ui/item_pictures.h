// The pictures stored with PIM items, decoded for the screen.
#pragma once

#include "platform/poom.h"
#include "platform/types.h"

// The picture of an item, decoded to a bitmap of at most size by size (square: exactly that);
// E_FAIL for an empty one, else the first failing call's result.
HRESULT LoadItemPictureByOid(LONG oid, IPOutlookApp2* app, HBITMAP& bitmap, int size, bool square);
// The contact's picture, or null for OID -1 or any failure.
HBITMAP LoadCtsPictureByOid(LONG oid, int size);
// The contact's picture decoded through that session, null on any failure.
HBITMAP LoadCtsPictureBmp(LONG oid, IPOutlookApp2* app, int size, bool square);
