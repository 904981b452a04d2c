// Stand-ins for the parts of the frame that come with the main window.
#include "frame/back_buffers.h"

void FreeBackBuffers() {}
