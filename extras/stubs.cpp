// Stand-ins for the accessory features until they are built.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"
#include "frame/side_files.h"

LONG ReadWeatherSettings() { return 0; }

void DeleteLeftoverUpdate() {}

#include "extras/weather_badge.h"
bool WeatherBadgeOn() { return false; }
void DrawWeatherBadge(HDC, int, int) {}
