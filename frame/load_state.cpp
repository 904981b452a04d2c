// The view asked for before its data was there.
#include "frame/load_thread.h"

LONG PendingViewCmd = kNoPendingCmd;
