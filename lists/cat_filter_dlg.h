// The category filter's dialog for the view on screen.
#pragma once

#include "platform/types.h"

// Runs dialog 119 over the main window; after OK the switches and marks are saved and the view is
// refilled when the filter is or was on. The dialog's result.
INT_PTR ShowCatFilterDlg();
