// Stand-ins for the month cache and the change handling until they are built.
#include "core/change_notify.h"
#include "core/month_cache.h"

void ReLoadNextMonthAppts() {}

void ToggleTskComplete(LONG) {}

void FreeApptMonthCache() {}

LRESULT OnPimRecordCreated(WPARAM, LPARAM) { return 1; }
LRESULT OnPimRecordDeleted(WPARAM, LPARAM) { return 1; }
LRESULT OnPimRecordChanged(WPARAM, LPARAM) { return 1; }
