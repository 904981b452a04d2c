// Stand-ins for the accessory features until they are built: the plain default theme.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"
#include "frame/side_files.h"

LONG GetThemeTitleBarStyle() { return 0; }

void SetThemeWord(int, LONG) {}

LONG ReadWeatherSettings() { return 0; }
LONG GetThemeWord(int) { return 0; }

void LoadThemeFile(const std::u16string&) {}
void SaveThemeFile(const std::u16string&) {}
void DeleteLeftoverUpdate() {}
void DeleteThemePictures() {}
void ShowSpinnerView() {}

bool SavedViewsLoadedAndEmpty() { return false; }

// No saved views yet.
void LoadSavedViews() {}

// The accessory features as the main window's commands, keys and painting reach them.
#include "extras/extra_commands.h"
void ShowSearchDlg() {}
void ShowSavedViews() {}
void SaveViewCmd() {}
void SetupSpinnerDlg() {}
void PaintSpinnerStrip(HDC) {}
void PaintSpinnerPage(HDC) {}
void SpinnerKeyDown(UINT) {}
