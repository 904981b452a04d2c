// The schedule list (control 2355) that replaces the Day and Dates lists in the one-line and
// two-line agenda formats: its window, its outline rows and refilling them.
#pragma once

#include "platform/types.h"
#include "ui/list_rows.h"

ListRowArray& SchedRows();
void FillSchedDay();
void FillSchedAgenda();
// Refills the list of the current view (Day or Dates).
void RefreshSchedList();
