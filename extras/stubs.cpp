// Stand-ins for the accessory features until they are built.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "frame/side_files.h"


// The theme-file commands until they are built.
#include "extras/theme.h"
bool OpenThemeFileCmd(HWND) { return false; }
void SaveThemeAsCmd(HWND) {}
