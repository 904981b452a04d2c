// The words of the current theme that the toolkit's painters read, and reading one as a colour.
#pragma once

#include "core/theme_words.h"
#include "platform/types.h"

inline constexpr int kThemeSelColor = 0;
inline constexpr int kThemeSelFrameColor = 1;
inline constexpr int kThemeTitleLightText = 7;
inline constexpr int kThemeTextColor = 8;
inline constexpr int kThemeBackground = 10;
inline constexpr int kThemeItemBorder = 11;
inline constexpr int kThemeBusyFree = 16;  // 16 to 19: free, tentative, busy, out of office
inline constexpr int kThemeSeparator3d = 31;
inline constexpr int kThemeDropButtonStyle = 37;
inline constexpr int kThemeSelDashed = 39;
inline constexpr int kThemeSelStyle = 54;

// List-background styles (word 33).
enum ListBackStyle : LONG {
    kBackAltRows = 0,
    kBackRect = 1,
    kBackDashedSep = 2,
    kBackNone = 3,
    kBackCutCorner = 4,
    kBackSolidSep = 5,
    kBackFolderTab = 6,
};

// Selection styles (word 54).
enum SelStyle : LONG {
    kSelFlat = 0,
    kSelFrameOnly = 1,
    kSelTwoTone = 2,
    kSelGlossy = 3,
};

inline COLORREF ThemeColor(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }
