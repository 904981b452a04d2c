// Commands on the current item that work through POOM: a task made into an appointment and back,
// and the cancellation of a meeting request.
#pragma once

#include "platform/types.h"

// fromConversion 0: the command comes from the task list, whose selected task is taken first.
void ConvertTskToAppt(LONG fromConversion);
// The selected schedule row's appointment becomes a task, or its task an appointment.
void ConvertCurItem();
// Sends the cancellation of the current appointment's meeting request.
void CancelMeetingRequest();
