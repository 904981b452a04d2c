// The wallet as the main window reaches it: its cover screen, its tree of items grouped by type,
// the detail view of one item, the commands routed to it, its automatic lock and its shutdown.
#pragma once

#include <string>

#include "platform/types.h"

inline constexpr const WCHAR* kWltNoItemsText = u"No Items In Wallet";
inline constexpr const WCHAR* kWltNoneFoundText = u"No Items Found";
inline constexpr const WCHAR* kWltNoneFilteredText = u"No Items Found(Filtered)";
inline constexpr const WCHAR* kWltNoFileText = u"No Wallet File Selected.";
inline constexpr const WCHAR* kWltNoFileTitle = u"<None>";
inline constexpr const WCHAR* kWltTitle = u"Vestral Wallet";
inline constexpr const WCHAR* kWltOpenTitleFormat = u"Vestral Wallet - %s";
inline constexpr const WCHAR* kWltDefaultFolder = u"\\My Documents\\";
inline constexpr const WCHAR* kWltExtension = u".zqw";
inline constexpr const WCHAR* kWltWelcomeName = u"Welcome to Vestral Wallet";
inline constexpr LPARAM kWltNodeNoItem = -1;
inline constexpr int kWltGroupImage = 0;
inline constexpr int kWltWelcomeTemplate = 7;

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

// The cover screen of a locked wallet.
void SwitchToWltView();
void OpenCurrentWallet();
void StartFreshWallet();
void SetWltFolder();
std::u16string GetWltFileTitle();
void CreateWalletTree(HWND mainWnd);
void FillWalletTree();
// Empties the tree (when it exists).
void DeleteWltTreeNodes();
// Stores the selected node's item index as the selection; false when nothing is selected.
bool GetWltTreeSelParam();
bool GetWltTreeSelItem();
void GetSelGroupName();
bool WltItemInMarkedCat(const struct WltItem& item);
void DeleteWalletItem();
void RenameWalletFile();
void DeleteWalletFile();
void ChooseWalletFile();
void ToggleViewFlag();
// Runs a wallet command; false when the command is not the wallet's.
bool WalletCommand(HWND window, UINT command);
// Paints (or with draw false only measures) the detail view of the selected item into the
// rectangle, scrolled by scrollY pixels; the height of the whole page.
int DrawWalletItem(HDC dc, const RECT& area, int scrollY, bool draw = true);
// True when the field's value is drawn as "*****".
bool WltValueIsMasked(const struct WltEntry& field);
