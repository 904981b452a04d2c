// The project tree's commands and the links dialog as the main window's menus reach them.
#pragma once

void ShowLinksDlg();
void LoadMonthCmd();
void ViewPrjItem();
void MoveToPrjCmd();
void RemoveFromPrjCmd();
void DeletePrjItemCmd();
void RefreshPrjTskNode();
void NewCtsInPrj();
void NewTskInPrj();
void NewApptInPrj();
void AddLinkCmd();
void AddHyperlinkCmd();
void RemovePrjCmd();
void NewPrjCmd();
void AddExistingCtsToPrj();
void AddExistingTskToPrj();
void AddExistingApptToPrj();
void PrjAddCmd();
void CatToPrjCmd();
void ConvertPrjCmd();
void NewNoteInPrj();

// ---- The new-item mark as the new-note code reads it (added for the notes) ----
#include <string>

#include "platform/types.h"

// Set by the project commands before they start a new item; the new-item code clears it.
extern LONG NewItemInPrj;
// Adds a link to the file under the project selected in the tree.
void AddFileLinkToPrj(const std::u16string& path);
