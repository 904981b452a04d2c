// What the load thread has loaded, and the view asked for before its data was there.
#include "frame/load_thread.h"

LoadState g_LoadState;
LONG PendingViewCmd = kNoPendingCmd;
