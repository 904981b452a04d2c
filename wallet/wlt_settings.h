// The wallet's own values under the settings key (time-out, password generator, last wallet file).
#pragma once

// Reads the wallet values; each keeps its default when absent.
void LoadWltSettings();
