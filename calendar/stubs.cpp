// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/row_separator.h"

HWND AgendaSecondListWnd() { return nullptr; }

#include "calendar/appt_text_color.h"
#include "extras/theme_words.h"

COLORREF GetApptTextColor(const ApptRecord&) { return static_cast<COLORREF>(GetThemeWord(8)); }


// What the main window paints, keys and commands in the calendar views.
#include "calendar/cal_views.h"
void DrawTskPreviewPane(HDC, int) {}

