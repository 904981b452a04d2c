// A view change that a picker inside a dialog asked for, applied when the dialog closes.
#pragma once

// When a picker marked the view as changed: clears the mark and redraws the current view.
void ApplyPendingViewChange();
