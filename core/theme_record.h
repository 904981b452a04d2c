// The theme record: the colours, bar and list styles, margins and picture paths every view paints
// with. One current theme lives for the whole run; painters only read it.
#pragma once

#include <array>
#include <string>

#include "core/record_file.h"
#include "platform/types.h"

inline constexpr int kThemeWordCount = 56;
// Words 42 to 49 are strings; word 42 is the theme's name, which theme files do not hold.
inline constexpr int kThemeFirstString = 42;
inline constexpr int kThemeStringCount = 8;
inline constexpr int kThemeName = 42;
inline constexpr int kThemeBackgroundPicture = 44;
inline constexpr int kThemeSpinCenterPicture = 48;
inline constexpr int kThemeSpinBackgroundPicture = 49;

struct ThemeRec {
    ThemeRec();

    // The numbers; the slots of the string words stay 0.
    std::array<LONG, kThemeWordCount> words{};
    std::array<std::u16string, kThemeStringCount> strings;

    std::u16string& String(int word) { return strings[static_cast<std::size_t>(word - kThemeFirstString)]; }
    const std::u16string& String(int word) const {
        return strings[static_cast<std::size_t>(word - kThemeFirstString)];
    }
};

extern ThemeRec g_Theme;

// Every number to its default and strings 43 to 49 emptied; the name stays.
void ThemeSetDefaults(ThemeRec& theme);
// Copies every word and string, the name included.
void ThemeRecCopy(ThemeRec& to, const ThemeRec& from);
// "Dash Separator" and "Line Separator" lists shift the text of header bars 5 pixels right.
bool ThemeNeedsBarInset(const ThemeRec& theme);
// The "Transparent" selection style, which the bar painter takes as its style flag.
bool ThemeBarFlagOn(const ThemeRec& theme);

// Reads or writes a theme file's values on a text-mode record-file stream. A read gives the count
// of values that were out of range and were replaced by their defaults.
int ThemeSerialize(ThemeRec& theme, RecordFile& file, bool writing);
