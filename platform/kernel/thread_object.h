// The kernel's thread records, for the areas that keep per-thread state: each thread's identifier,
// and hooks that run on a thread created by CreateThread just before it ends (the windowing area
// drops the thread's windows and message queue there).
#pragma once

#include "platform/types.h"

namespace platform {

using ThreadExitHook = void (*)();
// Hooks run in the order added; adding the same hook twice adds it once.
void AddThreadExitHook(ThreadExitHook hook);
void RunThreadExitHooks();

}  // namespace platform
