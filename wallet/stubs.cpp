// Stand-ins for the wallet until it is built: its settings keep their defaults.
#include "wallet/wlt_settings.h"
#include "wallet/wlt_view.h"

void LoadWltSettings() {}

void ShowWalletView() {}
void ReloadWallet() {}
void WalletLockTick() {}
bool ShowWltView() { return false; }
void MarkWalletActivity() {}
void ShutdownWlt() {}

// The wallet commands of the main window's menus: no wallet is open.
#include "wallet/wlt_commands.h"
void NewWltItem(HWND) {}
LPARAM GetWltTreeSelParam() { return 0; }
void EditWltItemFields() {}
void DeleteWalletItem() {}
HANDLE GetWltTreeSelItem() { return nullptr; }
void DialWalletItemPhone() {}
void OpenWalletItemWebsite() {}
void MailWalletItemAddress() {}
bool WltItemHasPhone() { return false; }
bool WltItemHasWebsite() { return false; }
bool WltItemHasEmail() { return false; }
void NewWalletFile() {}
void ChooseWalletFile() {}
void LockWallet(int) {}
void ChangeWalletPassword() {}
void DeleteWalletFile() {}
void OpenCurrentWallet() {}
void RenameWalletFile() {}
void ToggleViewFlag() {}
std::u16string GetWltFileTitle() { return u"<None>"; }
LONG WltLockedState() { return 1; }
LONG WltMaskDisplay() { return 0; }
bool WltHasCurrentPath() { return false; }
