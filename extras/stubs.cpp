// Stand-ins for the accessory features until they are built: the plain default theme.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"
#include "frame/side_files.h"

LONG GetThemeTitleBarStyle() { return 0; }

// Until themes are built the words are kept as set, all 0 at start.
namespace {
constexpr int kStandInThemeWords = 64;
LONG g_StandInTheme[kStandInThemeWords] = {};
}  // namespace
void SetThemeWord(int word, LONG value) {
    if (word >= 0 && word < kStandInThemeWords) g_StandInTheme[word] = value;
}

LONG ReadWeatherSettings() { return 0; }
LONG GetThemeWord(int word) { return word >= 0 && word < kStandInThemeWords ? g_StandInTheme[word] : 0; }

void LoadThemeFile(const std::u16string&) {}
void SaveThemeFile(const std::u16string&) {}
void DeleteLeftoverUpdate() {}
void DeleteThemePictures() {}
void ShowSpinnerView() {}

bool SavedViewsLoadedAndEmpty() { return false; }

// No saved views yet.
void LoadSavedViews() {}
