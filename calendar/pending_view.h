// The view change that a picker marks while a dialog is open, applied when the dialog ends.
#pragma once

// Clears the mark and redraws the current view when a picker marked it.
void ApplyPendingViewChange();
