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

// The theme dialog, theme files and update check until they are built.
#include "extras/theme.h"
#include "extras/update_check.h"
bool ThemeDlg(HWND) { return false; }
bool OpenThemeFileCmd(HWND) { return false; }
void SaveThemeAsCmd(HWND) {}
void CheckForUpdate() {}
