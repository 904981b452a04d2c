// Stand-ins for the accessory features until they are built: the plain default theme.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "extras/weather_settings.h"

#include <array>
#include "frame/side_files.h"

LONG GetThemeTitleBarStyle() { return 0; }


LONG ReadWeatherSettings() { return 0; }

void LoadThemeFile(const std::u16string&) {}
void SaveThemeFile(const std::u16string&) {}
void DeleteLeftoverUpdate() {}
void DeleteThemePictures() {}
void ShowSpinnerView() {}

bool SavedViewsLoadedAndEmpty() { return false; }

// No saved views yet.
void LoadSavedViews() {}

// No background picture until themes are read.
bool HasBackPicture() { return false; }
HBITMAP GetBackPicture() { return nullptr; }

// The words of the current theme are kept as set, all 0 at start, until the theme files are read.
namespace {
constexpr int kThemeWordCount = 56;
std::array<LONG, kThemeWordCount>& ThemeWords() {
    static std::array<LONG, kThemeWordCount> words{};
    return words;
}
}  // namespace

LONG GetThemeWord(int word) { return word >= 0 && word < kThemeWordCount ? ThemeWords()[static_cast<std::size_t>(word)] : 0; }
void SetThemeWord(int word, LONG value) {
    if (word >= 0 && word < kThemeWordCount) ThemeWords()[static_cast<std::size_t>(word)] = value;
}
