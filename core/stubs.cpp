// Stand-ins for the items made for a contact until they are built.
#include "core/change_notify.h"

void CreateTskForCts() {}
void CreateApptForCts() {}
