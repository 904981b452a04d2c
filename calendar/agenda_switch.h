// Switching the main window into the Day and Dates views and the appointment preview, opening the
// preview that fits the current item, and the way back from a preview.
#pragma once

#include "platform/types.h"

// The Day and Dates views, keeping or clearing the selection and the cached list drawing.
void ShowDayView(int reset, int drop);
void ShowDatesView(int reset, int drop);
// outside 1: opened by a command, not from the Day or Dates list.
void ShowApptPreview(int outside);
void ShowItemPreview();
void GoBackFromPreviewA();
void ApptPreviewEnter();
// The task preview of the current item; outside as for the appointment preview.
void ShowTskPreview(int outside);
// Leaves the task preview for where it was opened from.
void GoBackFromPreviewC();
// Enter or a double tap in the task preview: the Associated Items dialog.
void TskPreviewEnter();

// The switches with the arguments a caller outside the calendar passes.
void ShowDatesView();
void ShowDayView();
void ShowApptPreview();
void ShowTskPreview();
// The preview of the task or appointment with that OID.
void ShowTskPreviewByOid(LONG oid);
void OpenApptPreviewByOid(LONG oid);
