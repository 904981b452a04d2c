// The current view code.
#include "frame/view_id.h"

LONG ViewId = kViewMonth;
