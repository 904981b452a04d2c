// The "Select Template" dialog: a template of one kind is picked, or removed from its list.
#pragma once

#include "platform/types.h"

// Sets the chosen index to -1 and the kind (kTemplateKindAppt or kTemplateKindTask), runs the
// dialog; true when it ended with Select (the chosen index may still be -1: no templates).
bool TemplateDlg(HWND owner, LONG kind);
INT_PTR CALLBACK TemplateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillTemplateList(HWND dialog);
void ReadTemplateChoice(HWND dialog);
void DeleteTemplate(HWND dialog);
