// The category filter of the task, contact and calendar views, as the other subsystems ask it.
#pragma once

#include "core/appt_record.h"
#include "core/cts_record.h"
#include "core/tsk_record.h"
#include "platform/types.h"

// Whether the category filter of the view on screen is on.
bool GetViewCatFilter();

// TRUE when the item passes the category filter; the task and contact views pass kinds 1 and 2,
// the calendar always 0.
BOOL ApptPassCatFilter(const ApptRecord& record);
BOOL TskPassCatFilter(const TskRecord& task, LONG kind);
BOOL CtsPassCatFilter(const CtsRecord& contact, LONG kind);
