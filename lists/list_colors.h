// The theme colours the contact and task list painters use, by their word in the current theme.
#pragma once

#include "extras/theme_words.h"
#include "platform/types.h"

inline constexpr int kListSelection = 0;
inline constexpr int kListSelectionText = 1;
inline constexpr int kListHeaderBand = kThemeAltBackground;
inline constexpr int kListText = 8;
inline constexpr int kListSecondaryText = 9;
inline constexpr int kListBackground = 10;

inline COLORREF ListColor(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }
