// The current view code.
#include "core/view_id.h"

// The start-up cover screen shows until the first view is chosen.
LONG ViewId = kViewCoverScreen;
