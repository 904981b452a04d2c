// The Back key handed back to the shell: the device shows the previous program, which here means
// that the program's windows leave the foreground.
#include "platform/shell.h"
#include "user/window_state.h"

void SHNavigateBack() { platform::SetForegroundHandle(nullptr); }
