// Stand-ins for the month cache and the change handling until they are built.
#include "core/change_notify.h"
#include "core/date_rec.h"
#include "core/month_cache.h"

// The calendar views' selected date, kept by the month cache.
DateRec g_SelectedDate;

void ReLoadNextMonthAppts() {}

void ToggleTskComplete(LONG) {}
