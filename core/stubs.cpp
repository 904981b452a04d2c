// Stand-ins for the month cache and the change handling until they are built.
#include "core/change_notify.h"
#include "core/month_cache.h"

void ReLoadNextMonthAppts() {}

void ToggleTskComplete(LONG) {}
