// Stand-ins for the accessory features until they are built: the plain default theme.
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"

LONG GetThemeTitleBarStyle() { return 0; }

void SetThemeWord(int, LONG) {}

LONG ReadWeatherSettings() { return 0; }
