// Stand-ins for the accessory features until they are built: the plain default theme.
#include "extras/theme.h"

LONG GetThemeTitleBarStyle() { return 0; }
