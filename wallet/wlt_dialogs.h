// The wallet's modal dialogs: the wallet file (new wallet, change password, "Secure File"), the
// password prompt, the item dialog and the fields dialog (as forms, or as field lists with LISTEDIT
// on), and the password generator's dialog.
#pragma once

#include "platform/types.h"

inline constexpr INT_PTR kWltDlgOk = 20071;
inline constexpr INT_PTR kWltDlgCancel = 20072;

enum class WltFileDlgMode { New = 0, ChangePassword = 1 };
enum class WltItemDlgMode { New = 0, Edit = 1 };

// Asks for the password of the current file; a non-empty answer becomes the wallet password.
void PromptWltPassword();
// The file dialog; true when it ended with OK.
bool RunWalletFileDlg(WltFileDlgMode mode);
void NewWalletFile();
void ChangeWalletPassword();
// The item dialog for a new item, then its fields dialog.
void NewWltItem();
void EditWltItem();
void EditWltItemFields();
