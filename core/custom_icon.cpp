// The custom icon of an item, looked up by its OID in the index the loaders keep.
#include "core/custom_icon.h"

#include "core/id_index.h"
#include "core/pim_state.h"

LONG LookupCustomIcon(LONG oid) { return IdIndexGet(oid, g_CustomIconIndex); }
