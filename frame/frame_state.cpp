// The frame's global state of this run.
#include "frame/frame_state.h"

FrameState g_Frame;
