// The re-layout of the views when the screen turns between landscape and the other orientations.
#pragma once

// Called when the main window's size changes: a change of the landscape test re-lays the views.
void RelayoutViewsOnRotate();
// Forgets the orientation seen last, as at start.
void ResetOrientationMemo();
