// The launcher view's stylus handling (view 10), as the main window's stylus routes it there.
#pragma once

// A press on the launcher; 1 when it hit one of its items.
int SpinnerPressHit(int x, int y);
// A double tap on the launcher.
void SpinnerTap(int x, int y);
// The stylus lifted: the pressed look goes.
void ClearSpinnerPress();

// ---- What the options dialog calls of the spinner ----
// Removes the entries of views that were switched off.
void DropDisabledViewsFromSpinner();
// Makes the spinner's glyph list again (the "Dark Battery" look).
void CreateSpinnerImageList();
