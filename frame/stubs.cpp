// Stand-ins for the view switches that other subsystems own (dates, day, year, tasks, contacts and
// the previews) until they are built, and for the Back key handed to the shell.
#include "frame/view_switch.h"

void ShowYearView() {}
void ShowTasksView() {}
void ShowContactsView() {}
void ShowTskPreview() {}

void HandBackKeyToShell() {}
