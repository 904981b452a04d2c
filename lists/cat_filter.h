// The category filter of the task, contact and calendar views, as the other subsystems ask it.
#pragma once

// Whether the category filter of the view on screen is on.
bool GetViewCatFilter();

// The calendar and task category filters and task colours as the day lists use them.
#include "core/appt_record.h"
#include "core/tsk_record.h"
#include "platform/types.h"

bool ApptPassCatFilter(const ApptRecord& appt);
bool TskPassCatFilter(const TskRecord& task, int mode);
// The colour of the task's first category that has one (the default colour when none).
COLORREF GetTskCatColor(const TskRecord& task);
