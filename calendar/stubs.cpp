// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/month_view.h"

void DropMonthGridCache() {}

void SyncSchedSel() {}
void ReleaseAgendaBuffer() {}
void RelayoutAgendaView() {}
HWND AgendaSecondListWnd() { return nullptr; }
void RedrawSelSchedRow() {}
