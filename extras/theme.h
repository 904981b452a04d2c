// Theme files, the theme dialogs and the theme's pictures: what the options dialog and the frame run.
#pragma once

#include <string>

#include "core/theme.h"
#include "platform/types.h"

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
// ---- Theme commands the options dialog runs ----
// The "Select Theme" dialog; true when a theme was chosen and made current.
bool ThemeDlg(HWND owner);
// Asks for a theme file and makes it current; true when one was loaded.
bool OpenThemeFileCmd(HWND owner);
// Asks for a file name and saves the current theme there.
void SaveThemeAsCmd(HWND owner);
