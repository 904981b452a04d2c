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
