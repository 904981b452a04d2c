// Stand-ins for the accessory features until they are built.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"
#include "frame/side_files.h"

LONG ReadWeatherSettings() { return 0; }

void DeleteLeftoverUpdate() {}
void DeleteThemePictures() {}



// No background picture until the theme pictures are read.
bool HasBackPicture() { return false; }
HBITMAP GetBackPicture() { return nullptr; }
#include "extras/weather_badge.h"
bool WeatherBadgeOn() { return false; }
void DrawWeatherBadge(HDC, int, int) {}

// The accessory features as the main window's commands, keys and painting reach them.
#include "extras/extra_commands.h"

// ---- The launcher's stylus, until the launcher is built.
#include "extras/spinner.h"
