// The theme record's defaults, copies and the two style predicates.
#include "core/theme_record.h"

#include "core/theme.h"
#include "core/theme_words.h"

namespace {

struct ThemeDefault {
    int word;
    LONG value;
};

constexpr ThemeDefault kThemeDefaults[] = {
    {0, 0xE0FFE0},  {1, 0x00FF80},  {2, 0},         {3, 0xFAE6E6},  {4, 0xFA6464},  {5, 0xFF82A0},
    {6, 0xAF5F5F},  {7, 0xFFFFFF},  {8, 0x000000},  {9, 0x000082},  {10, 0xFFFFFF}, {11, 0xD7D7D7},
    {12, 0x808080}, {13, 0x5A92B4}, {14, 0xFAE6E6}, {15, 0xD8FFD8}, {16, 0x008000}, {17, 0x000080},
    {18, 0xFF0000}, {19, 0x800000}, {20, 0x808080}, {21, 0xFFFFFF}, {22, 0xBEBEAF}, {23, 0x808080},
    {24, 0x400000}, {25, 0x000000}, {26, 0x000000}, {27, 0xA0A0A0}, {28, 0x005500}, {29, 0x002AA5},
    {30, 0xD4ECEC}, {31, 0xA0A0A0}, {32, 0xA0A0A0}, {33, 0},        {34, 1},        {35, 3},
    {36, 1},        {37, 3},        {38, 0},        {39, 0},        {40, 1},        {41, 0},
    {50, 0},        {51, 0},        {52, 0},        {53, 3},        {54, 2},        {55, 1},
};

constexpr LONG kListDashSeparator = 2;
constexpr LONG kListLineSeparator = 5;
constexpr int kThemeSelectionStyle = 54;
constexpr LONG kSelectionTransparent = 1;

}  // namespace

ThemeRec g_Theme;

ThemeRec::ThemeRec() { ThemeSetDefaults(*this); }

void ThemeSetDefaults(ThemeRec& theme) {
    for (const ThemeDefault& entry : kThemeDefaults) theme.words[static_cast<std::size_t>(entry.word)] = entry.value;
    for (int word = kThemeName + 1; word < kThemeFirstString + kThemeStringCount; ++word) theme.String(word).clear();
}

void ThemeRecCopy(ThemeRec& to, const ThemeRec& from) { to = from; }

bool ThemeNeedsBarInset(const ThemeRec& theme) {
    const LONG style = theme.words[kThemeListBackground];
    return style == kListDashSeparator || style == kListLineSeparator;
}

bool ThemeBarFlagOn(const ThemeRec& theme) { return theme.words[kThemeSelectionStyle] == kSelectionTransparent; }

LONG GetThemeWord(int word) {
    if (word < 0 || word >= kThemeWordCount) return 0;
    return g_Theme.words[static_cast<std::size_t>(word)];
}

void SetThemeWord(int word, LONG value) {
    if (word < 0 || word >= kThemeWordCount) return;
    if (word >= kThemeFirstString && word < kThemeFirstString + kThemeStringCount) return;
    g_Theme.words[static_cast<std::size_t>(word)] = value;
}

LONG GetThemeTitleBarStyle() { return g_Theme.words[kThemeTitleBarStyle]; }
