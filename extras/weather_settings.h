// The weather badge's own values under the settings key.
#pragma once

#include "platform/types.h"

// Reads "WEATHER", "WXREADTIME", "FAHR" and "WXUPDATE", each kept at its default when absent;
// the registry status.
LONG ReadWeatherSettings();
