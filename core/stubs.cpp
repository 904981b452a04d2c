// Stand-ins for the change handling until it is built.
#include "core/change_notify.h"

void ToggleTskComplete(LONG) {}

LRESULT OnPimRecordCreated(WPARAM, LPARAM) { return 1; }
LRESULT OnPimRecordDeleted(WPARAM, LPARAM) { return 1; }
LRESULT OnPimRecordChanged(WPARAM, LPARAM) { return 1; }
