// The frame's global state of this run.
#include "core/frame_state.h"

FrameState g_Frame;
// The view asked for before its data was there.
LONG PendingViewCmd = kNoPendingCmd;
