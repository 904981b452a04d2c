// The accessory features as the main window's commands, keys and painting reach them: the search,
// the saved views, the spinner.
#pragma once

#include "platform/types.h"

void ShowSearchDlg();
void ShowSavedViews();
void SaveViewCmd();
void SetupSpinnerDlg();
// The spinner strip (view 10) and the spinner page (view 24).
void DrawSpinnerStrip(HDC dc);
void PaintSpinnerView(HDC dc);
void SpinnerKeyDown(UINT key);
