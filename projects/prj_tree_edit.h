// The single changes every update of the project tree goes through: finding folders by their names,
// a node's project path, inserting folders, items, months and links at their sorted places, taking
// an item out of its project, and the category-list edits that move an item between projects.
#pragma once

#include <string>
#include <string_view>

#include "core/prj_cats.h"
#include "platform/commctrl.h"
#include "platform/types.h"

inline constexpr int kMaxNodeText = 260;

std::u16string GetTreeNodeText(HWND tree, HTREEITEM node);
// The node selected in the tree; none without a tree.
HTREEITEM GetSelectedPrjNode();
// kItemTask, kItemAppt or kItemContact for a task, appointment or contact node; kItemNone else.
int PrjNodeItemKind(HTREEITEM node);
// The membership call of the item's kind.
HTREEITEM SetPrjCatOfKind(int kind, LONG oid, const PrjPath& path, bool addNode);
// The child to insert after (TVI_FIRST or TVI_LAST at the ends) for a node of this name.
HTREEITEM GetSortedInsertPos(HTREEITEM parent, std::u16string_view name);

HTREEITEM FindPrjNode(std::u16string_view project);
HTREEITEM FindSubPrjNode(std::u16string_view project, std::u16string_view sub);
HTREEITEM FindPrjNodeByPath(const PrjPath& path);
// The path of a project folder, or of the folder holding any other node; all empty for neither.
PrjPath GetPrjNodePath(HTREEITEM node);
void ExpandPrjNodeByPath(const PrjPath& path);

HTREEITEM InsertFolderNodeSorted(HTREEITEM parent, std::u16string_view name, int image, LPARAM data);
HTREEITEM InsertItemNodeSorted(HTREEITEM parent, std::u16string_view label, int image, LPARAM data);
HTREEITEM InsertGroupFolderSorted(HTREEITEM group, std::u16string_view name, int image, LPARAM data);
HTREEITEM CreatePrjPathNodes(const PrjPath& path);
HTREEITEM AddItemNodeToPrj(std::u16string_view label, const PrjPath& path, int image, LONG oid);

// Where an item is inserted among its group's items.
enum class GroupPlace { kSorted, kAppend };
HTREEITEM AddOutlookItemNode(HTREEITEM group, std::u16string_view label, LONG oid, int image,
                             std::u16string_view categories, GroupPlace place);
HTREEITEM InsertCtsNodeSorted(HTREEITEM group, std::u16string_view label, LONG oid, std::u16string_view company,
                              std::u16string_view categories, GroupPlace place);
HTREEITEM GetCompanyFolderNode(std::u16string_view company);
HTREEITEM GetCatFolderNode(HTREEITEM group, std::u16string_view category);
HTREEITEM InsertUnderCatFolder(HTREEITEM group, std::u16string_view category, std::u16string_view label, int image,
                               LONG oid);
int InsertUnderCatFolders(HTREEITEM group, std::u16string_view categories, std::u16string_view label, int image,
                          LONG oid);

HTREEITEM FindMonthNode(int year, int month);
HTREEITEM InsertMonthNode(int year, int month);
HTREEITEM GetApptMonthNode(int year, int month);

// A file link without a system icon gets no node: 0.
HTREEITEM InsertLinkNode(std::u16string_view title, std::u16string_view linkFile, const PrjPath& path, bool isWeb);
HTREEITEM AddLinkNodeFromFile(std::u16string_view linkFile);

// Whether RemoveNodeItemFromPrj deletes the node as well.
enum class NodeFate { kKeep, kDelete };
int RemoveNodeItemFromPrj(HTREEITEM node, NodeFate fate);
void DeletePrjLinkNode(HTREEITEM node);
void EnsurePrjLinksDir();

std::u16string RemovePrjCatFromList(std::u16string_view list, std::u16string_view project);
int AddPrjCatToList(std::u16string& list, const PrjPath& path);

// After an editor saved a new item while NewItemInPrj was set.
void PrjTreeTskSaved(LONG oid);
void PrjTreeCtsSaved(LONG oid);
void PrjTreeApptSaved(LONG oid);
