// The project tree's options under the settings key, the values whose names begin with "PRJ_".
#pragma once

#include "platform/types.h"

// Reads the "PRJ_" values, each kept at its default when absent; the registry status.
LONG LoadPrjOptions();
// Writes them all; stops at the first value that cannot be written and returns its status.
LONG SavePrjOptions();
