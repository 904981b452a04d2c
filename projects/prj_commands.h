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
