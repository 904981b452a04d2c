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

// ---- The project tree's own routines behind those commands.
#include <string>
#include <string_view>

#include "core/prj_cats.h"
#include "core/record_array.h"
#include "platform/commctrl.h"
#include "platform/types.h"

// Whether WriteLinkFile also inserts the link's node.
enum class LinkNodeInsert { kNo, kYes };
void WriteLinkFile(std::u16string_view target, const PrjPath& path, bool isWeb, LinkNodeInsert insert);
// The target the link file names (its first shortcut text); empty when it cannot be read.
std::u16string ReadLinkTarget(std::u16string_view linkFile, bool isWeb);
// Adds a link to the file under the project selected in the tree (the new-note code calls it too).
void AddFileLinkToPrj(const std::u16string& path);
// Set by the project commands before they start a new item; the new-item code clears it.
extern LONG NewItemInPrj;
void RemovePrjFromItems(HTREEITEM folder);
void MovePrjItemsToParent(HTREEITEM folder);
void ConvertPrjFolder(HTREEITEM folder, const std::u16string& category, bool remove);
// The item goes back under its Outlook group when no other node of it is left.
void PutBackUnderOutlook(LONG oid, int kind, HTREEITEM skip);

void AddCurItemToPrj();
void CollectPrjPaths(RecordArray<std::u16string>& paths);
