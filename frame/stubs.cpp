// Stand-ins for the view switches that other subsystems own (year and the task preview) until they
// are built.
#include "frame/view_switch.h"

void ShowYearView() {}
void ShowTskPreview() {}

