// Stand-ins for the wallet until it is built: its settings keep their defaults.
#include "wallet/wlt_settings.h"

void LoadWltSettings() {}
