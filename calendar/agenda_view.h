// The agenda of the dates and day views: its schedule list, its drawn view window and buffers.
#pragma once

#include "platform/types.h"

// "AGENDAFMT" value of the drawn agenda view in place of the schedule list.
inline constexpr LONG kAgendaDrawn = 2;

// Makes the item of the selected schedule row the current item.
void SyncSchedSel();
// Releases the agenda's off-screen buffer.
void ReleaseAgendaBuffer();
// Measures the current list of the agenda view again and sets its scroll range.
void RelayoutAgendaView();
// The agenda's second list window (the previews list of the drawn agenda), or null.
HWND AgendaSecondListWnd();
// Redraws the selected row of the agenda list.
void RedrawSelSchedRow();
// Puts the list of the day view just below the weekday bar and stretches the bar over the width.
void PlaceUnderWeekdayBar(HWND list);
// Releases the previews' off-screen buffer.
void ReleasePreviewBuffer();
// Recomputes the timeline week's metrics for the screen.
void RecalcTimelineMetrics();

// ---- Previews the contact views open ----
// Shows the preview card of the contact of the global selection.
void ShowCtsPreview(LONG mode);
