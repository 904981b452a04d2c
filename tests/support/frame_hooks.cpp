// Every test program answers the views' calls to the frame as the program does.
#include "frame/frame_hooks.h"

namespace {

const bool g_frameHooksRegistered = (RegisterFrameHooks(), true);

}  // namespace
