// What the painters and texts of the other subsystems read of the current theme.
#pragma once

#include <string>

#include "core/theme_record.h"
#include "platform/types.h"

// Title-bar styles 2 (tab bar) and 3 (underline bar) also select the weekday-and-short-date label.
inline constexpr LONG kTitleBarTabs = 2;
inline constexpr LONG kTitleBarUnderline = 3;

// The title-bar style of the current theme, 0 to 3.
LONG GetThemeTitleBarStyle();

// Loads a theme file into a theme record; an empty name is the default theme file. A missing
// or unreadable file leaves the theme as it was.
void LoadThemeFile(const std::u16string& path, ThemeRec& theme = g_Theme);
// Saves the current theme; an empty name is the default theme file.
void SaveThemeFile(const std::u16string& path);
// Makes the current theme the default theme file.
void SaveThemeAsDefault();
// Deletes a downloaded update package left over from an earlier run.
void DeleteLeftoverUpdate();
// Deletes the cached background pictures and the spinner's image lists.
void DeleteThemePictures();
void ShowSpinnerView();

// The background picture of the theme (word 44): whether a path is set, and the picture, loaded on
// first use (null without a path).
bool HasBackPicture();
HBITMAP GetBackPicture();

// ---- Theme commands the options dialog runs ----
// The "Select Theme" dialog; true when a theme was chosen and made current.
bool ThemeDlg(HWND owner);
// Asks for a theme file and makes it current; true when one was loaded.
bool OpenThemeFileCmd(HWND owner);
// Asks for a file name and saves the current theme there.
void SaveThemeAsCmd(HWND owner);
