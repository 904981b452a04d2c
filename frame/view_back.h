// The frame's title of the current view and its return from a detail view to the previous view.
#pragma once

// Sets the main window's title for the current view.
void SetViewTitle();
// Restores the previous view code, clears the current item and shows the previous window.
void GoBackView();
