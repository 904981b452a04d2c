// Items made from other items through POOM: an appointment from a task and back, items for a
// contact, and the cancellation of a meeting request.
#pragma once

void ConvertTskToAppt(int showMessage);
void ConvertCurItem();
void CreateTskForCts();
void CreateApptForCts();
void CancelMeetingRequest();
