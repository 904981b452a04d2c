// Stand-ins for the change handling until it is built.
#include "core/change_notify.h"

void ToggleTskComplete(LONG) {}
