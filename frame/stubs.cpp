// Stand-ins for the view switches that other subsystems own (year, tasks, contacts and the task
// preview) until they are built.
#include "frame/view_switch.h"

void ShowYearView() {}
void ShowTasksView() {}
void ShowContactsView() {}
void ShowTskPreview() {}

