// The program's global selection: the current item as its OID and kind, which views set and
// commands, previews and change notifications read and clear.
#pragma once

#include "core/date_rec.h"
#include "core/id_index.h"
#include "platform/types.h"

enum ItemKind : LONG {
    kItemNone = 0,
    kItemTask = 1,
    kItemAppt = 2,
    kItemContact = 3,
};

struct CurItem {
    LONG oid = kNoId;
    // The two further index words (list and row) that are cleared with the OID.
    LONG listIndex = kNoId;
    LONG rowIndex = kNoId;
    LONG kind = kItemNone;
    // The top of the item's row in the Day and Dates lists, -1 none.
    LONG rowTop = -1;
    // The item's date, for drags and the editors' date fields.
    DateRec date{};
};

extern CurItem g_CurItem;

// No item selected: the OID and index words -1, the kind 0.
void ResetSelection();
