// The wallet as the main window reaches it: its view, its automatic lock and its shutdown.
#pragma once


void ShowWalletView();
// Reopens the wallet file named in the settings.
void ReloadWallet();
// The automatic lock's check on timer 1048.
void WalletLockTick();
// Shows the selected wallet item; false when none is selected.
bool ShowWltView();
void MarkWalletActivity();
// Stops the lock timer, saves the wallet settings and frees the detail view's image list.
void ShutdownWlt();
