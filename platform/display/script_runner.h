// The input script of QUORVIA_SCRIPT (see platform/display.h): its lines run one at a time on the
// user-interface thread from a thread timer, which fires only when the queue has handled everything
// posted and painted, so each line sees the effects of the one before.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts the script named by QUORVIA_SCRIPT; false when none is named.
bool StartScriptIfRequested();

// One line checked for form; empty when it can run, else why not.
std::string CheckScriptLine(const std::string& line);

}  // namespace platform
