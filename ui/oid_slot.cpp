// Finding a loaded contact's position from its OID, for the views that hold contacts by OID.
#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "core/id_index.h"
#include "ui/view_focus.h"

LONG FindOidSlot(LONG oid) {
    if (oid == kNoOid) return -1;
    return IdIndexGet(oid, g_CtsIdIndex);
}
