// The global selection and its reset.
#include "core/cur_item.h"

CurItem g_CurItem;

void ResetSelection() {
    g_CurItem.oid = kNoId;
    g_CurItem.listIndex = kNoId;
    g_CurItem.rowIndex = kNoId;
    g_CurItem.kind = kItemNone;
    g_CurItem.rowTop = -1;
}
