// Stand-ins for the accessory features until they are built.
#include "extras/saved_views.h"
#include "extras/theme.h"
#include "extras/theme_words.h"
#include "frame/side_files.h"

void DeleteThemePictures() {}
void ShowSpinnerView() {}

bool SavedViewsLoadedAndEmpty() { return false; }

// No saved views yet.
void LoadSavedViews() {}

// No background picture until the theme pictures are read.
bool HasBackPicture() { return false; }
HBITMAP GetBackPicture() { return nullptr; }

// The accessory features as the main window's commands, keys and painting reach them.
#include "extras/extra_commands.h"
void ShowSavedViews() {}
void SaveViewCmd() {}
void SetupSpinnerDlg() {}
void PaintSpinnerStrip(HDC) {}
void PaintSpinnerPage(HDC) {}
void SpinnerKeyDown(UINT) {}

// ---- The launcher's stylus, until the launcher is built.
#include "extras/spinner.h"
int SpinnerPressHit(int, int) { return 0; }
void SpinnerTap(int, int) {}
void ClearSpinnerPress() {}
