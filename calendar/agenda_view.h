// The agenda of the dates and day views: its schedule list, its drawn view window and buffers.
#pragma once

#include "platform/types.h"

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
