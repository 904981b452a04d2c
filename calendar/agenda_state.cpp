// The one agenda view window's state: its handle, swipe start, off-screen buffers and list layout.
#include "calendar/agenda_view.h"

AgendaViewState g_Agenda;
