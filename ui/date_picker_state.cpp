// The state of the date pickers, shared by the dialogs that show them and the fields that open them.
#include "ui/date_pickers.h"

GoToDateWheel g_GoToDate;
SelectDateGrid g_SelectDateGrid;
SelectDateGridView g_SelectDateGridView;
LONG g_MonthCacheReload = 0;
