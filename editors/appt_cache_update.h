// Bringing the appointment month cache up to date after the editors saved one appointment.
#pragma once

#include "platform/types.h"

// Reads the saved appointment and puts it into the cached month of its start.
void UpdateApptInCache(LONG oid, int year, int month, int day);
// Replaces the cached record of an appointment whose days did not change.
void ReplaceExistingAppt(LONG oid, int year, int month, int day);
