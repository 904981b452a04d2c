// The options dialog as the main window opens it.
#pragma once

// Runs the options dialog and applies the changes.
void RunOptionsDlg();
