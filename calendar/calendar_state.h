// The first day the week view shows; the selected date is g_SelectedDate of the month cache.
#pragma once

#include "core/date_rec.h"

extern DateRec WeekViewStart;
