// Stand-ins for the view switches that other subsystems own (tasks, contacts and the task
// preview) until they are built.
#include "frame/view_switch.h"

void ShowTasksView() {}
void ShowContactsView() {}
void ShowTskPreview() {}

// ---- Stand-in for the task date move of the calendar's drag until the frame builds it.
