// The theme colours the contact and task list painters use, named for their role in the lists.
#pragma once

#include "ui/theme_colors.h"

inline constexpr int kListSelection = kThemeSelColor;
inline constexpr int kListSelectionText = kThemeSelFrameColor;
inline constexpr int kListHeaderBand = kThemeAltBackground;
inline constexpr int kListText = kThemeTextColor;
inline constexpr int kListSecondaryText = 9;  // "Secondary Text"
inline constexpr int kListBackground = kThemeBackground;

inline COLORREF ListColor(int word) { return ThemeColor(word); }
