// The launcher view (view 10): the wheel of eight positions, its painting, animation and input, as
// the main window's painting, stylus and keys route them there.
#pragma once

#include "platform/types.h"

// A press on the launcher; 1 when it hit one of its items.
int SpinnerPressHit(int x, int y);
// The pen moved while down: the wheel follows it.
void SpinnerPenDrag(int x, int y);
// A tap on the launcher: the tapped entry turns to the front and runs.
void SpinnerTap(int x, int y);
// The stylus lifted: the pressed look goes.
void ClearSpinnerPress();

// ---- What the options dialog calls of the spinner ----
// Removes the entries of views that were switched off.
void DropDisabledViewsFromSpinner();
// Makes the spinner's glyph list again (the "Dark Battery" look).
void CreateSpinnerImageList();

// The wheel's geometry, from the main window's view client rectangle and the picture size.
struct SpinnerGeometry {
    int cx = 0, cy = 0, bottom = 0;
    int w = 32, h = 32;
    int r = 52, d = 50, k = 1;
    int margin = 0;
};
SpinnerGeometry GetSpinnerGeometry();
int GetSpinnerTopMargin();
// The top-left corner of the picture at a wheel position.
POINT GetSpinnerSlotPos(const SpinnerGeometry& g, int position);
// The picture rectangle of a position, extended for the four main positions when asked.
RECT SpinnerSlotRect(const SpinnerGeometry& g, int position, bool extended);

void SpinnerRotateBack();
void SpinnerRotateFwd();
void SpinnerStepBack();
void SpinnerStepFwd();
// The battery glyph of a reading (percentage 255: no reading).
int SpinnerBatteryGlyph(int percent, bool charging, bool externalPower);

struct SpinnerWheel {
    int pressed = -1;
    int frame = 0;           // in-between frame: 0 none, 1 toward the lower position, 2 toward the higher
    int animMode = 0;
    int animFrame = 0;
};
extern SpinnerWheel g_Wheel;

void FreeSpinnerPictures();
void FreeSpinnerImageLists();
void AnimateSpinner(int mode, LONG backView);

// The "Setup Vestral Spinner" dialog over the main window; OK spreads and writes the entries.
void ShowSpinnerSetupDlg();
