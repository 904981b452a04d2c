// The time colour of an appointment row in the day lists.
#pragma once

#include "core/appt_record.h"
#include "platform/types.h"

COLORREF GetApptTextColor(const ApptRecord& appt);
