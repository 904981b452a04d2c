// The wallet's commands and state as the main window's commands and menus reach them.
#pragma once

#include <string>

#include "platform/types.h"

void NewWltItem(HWND mainWnd);
// Item data of the selected tree item; 0 when nothing is selected.
LPARAM GetWltTreeSelParam();
void EditWltItemFields();
void DeleteWalletItem();
// 0 when nothing is selected.
HANDLE GetWltTreeSelItem();
void DialWalletItemPhone();
void OpenWalletItemWebsite();
void MailWalletItemAddress();
bool WltItemHasPhone();
bool WltItemHasWebsite();
bool WltItemHasEmail();
void NewWalletFile();
void ChooseWalletFile();
void LockWallet(int redraw);
void ChangeWalletPassword();
void DeleteWalletFile();
void OpenCurrentWallet();
void RenameWalletFile();
// Toggles the masking of field values, drops the cached picture and repaints.
void ToggleViewFlag();
// The file name of the current wallet, "<None>" when none is open.
std::u16string GetWltFileTitle();
// The locked-state word (0 open) and the mask display word.
LONG WltLockedState();
LONG WltMaskDisplay();
// True when a current wallet path is set.
bool WltHasCurrentPath();
