// The first day of the week views, from the date the calendar views show and the setting that
// chooses the day a week starts on.
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/month_cache.h"

void GetWeekStartDate(DateRec& weekViewStart) {
    GetWeekStartDate(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay, g_Settings.startWeekMon,
                     weekViewStart);
}
