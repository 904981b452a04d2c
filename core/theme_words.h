// Word numbers of the current theme record that the settings of earlier releases still fill, and
// the one call that writes such a word.
#pragma once

#include "platform/types.h"

inline constexpr int kThemeAltBackground = 3;
inline constexpr int kThemeTitlePrimary = 4;
inline constexpr int kThemeTitleSecondary = 5;
inline constexpr int kThemeWeekendColor = 14;
inline constexpr int kThemeListBackground = 33;
inline constexpr int kThemeTitleGradient = 34;
inline constexpr int kThemeGradientStyle = 35;
inline constexpr int kThemeTitleBarStyle = 36;
inline constexpr int kThemeTreeMargins = 41;
inline constexpr int kThemeViewMarginTop = 50;
inline constexpr int kThemeViewMarginBottom = 51;
inline constexpr int kThemeViewMarginSide = 52;

// One numeric word of the current theme.
LONG GetThemeWord(int word);
// Sets one numeric word of the current theme.
void SetThemeWord(int word, LONG value);
