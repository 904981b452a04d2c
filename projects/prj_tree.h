// The project tree's window, roots and options, the rule that a node's kind is its image, the node
// tests, the Outlook group nodes and the walks over the nodes of one item that the tree code shares.
#pragma once

#include <string>
#include <string_view>

#include "platform/commctrl.h"
#include "platform/types.h"

// A node's image minus the image base tells its kind.
enum PrjNodeImage : int {
    kPrjImgProjectsRoot = 0,
    kPrjImgOutlookRoot = 1,
    kPrjImgTskGroup = 2,
    kPrjImgCtsGroup = 3,
    kPrjImgApptGroup = 4,
    kPrjImgTopPrj = 5,
    kPrjImgSubPrj = 6,
    kPrjImgSubSubPrj = 7,
    kPrjImgCompany = 23,
    kPrjImgCategory = 24,
    kPrjImgMonth = 25,
    kPrjImgAppt = 26,
    kPrjImgCts = 27,
    kPrjImgTskDone = 28,
    kPrjImgTskOpen = 29,
    kPrjImgWebLink = 30,
};
inline constexpr int kPrjLastFolderImage = kPrjImgMonth;

// Item data words of the nodes that are no PIM item.
inline constexpr LPARAM kPrjFolderData = -1;
inline constexpr LPARAM kPrjTskGroupData = 12555;
inline constexpr LPARAM kPrjApptGroupData = 12556;  // also every month node
inline constexpr LPARAM kPrjFileLinkData = 12600;
inline constexpr LPARAM kPrjWebLinkData = 12601;

struct PrjTreeState {
    HWND wnd = nullptr;            // PrjTreeWnd, made once
    HIMAGELIST images = nullptr;   // PrjImageList
    int imageBase = 0;             // PrjImageBase: the system small icons in front of the strip
    HTREEITEM projectsRoot = nullptr;
    HTREEITEM outlookRoot = nullptr;  // none while the Outlook root is not shown
};
extern PrjTreeState g_PrjTree;

// The "PRJ_" values of the settings key.
struct PrjOptions {
    LONG progress = 1;
    LONG outFolder = 0;
    LONG ctsCom = 1;
    LONG poomBelow = 0;
    LONG showCat = 0;
    LONG removeCur = 0;
    LONG toggleTask = 0;
    LONG date = 1;
    LONG monthLoad = 0;
};
extern PrjOptions g_PrjOptions;

void CreatePrjTree(HWND parent);
// The bitmap of the node pictures for the shell's small icons of that width: the strip of that size
// (16, 21, 22 or 32 pixels), else the one of the screen (32 pixels on a big screen, 16 on others).
int PrjStripBitmap(int iconWidth);
void RemoveOutlookRoot();

// Small wrappers over the tree control.
LPARAM GetTreeItemParam(HTREEITEM node);
void SetTreeItemParam(HTREEITEM node, LPARAM data);
void SetTreeItemImage(HTREEITEM node, int image);
void SetTreeItemText(HTREEITEM node, std::u16string_view text);
HTREEITEM InsertTreeNode(HWND tree, std::u16string_view text, int selectedImage, int image, HTREEITEM parent,
                         HTREEITEM insertAfter);
// The node's image minus the base; -1 for no node.
int GetPrjNodeKind(HTREEITEM node);
HTREEITEM TreeParent(HTREEITEM node);
HTREEITEM TreeFirstChild(HTREEITEM node);
HTREEITEM TreeNextSibling(HTREEITEM node);

bool IsTopPrjNode(HTREEITEM node);
bool IsSubPrjNode(HTREEITEM node);
bool IsSubSubPrjNode(HTREEITEM node);
bool IsPrjFolderNode(HTREEITEM node);
bool IsFolderNode(HTREEITEM node);
bool IsTaskNode(HTREEITEM node);
bool IsApptNode(HTREEITEM node);
bool IsCtsNode(HTREEITEM node);
bool IsWebLinkNode(HTREEITEM node);
bool IsFileLinkNode(HTREEITEM node);
bool IsTskGroupNode(HTREEITEM node);
bool IsCtsGroupNode(HTREEITEM node);
bool IsApptGroupNode(HTREEITEM node);
bool IsCompanyNode(HTREEITEM node);
bool IsCatNode(HTREEITEM node);
bool IsMonthNode(HTREEITEM node);
// The node's folder is the folder, or lies under it within the three levels.
bool IsNodeInPrj(HTREEITEM node, HTREEITEM folder);

HTREEITEM GetTskGroupNode();
HTREEITEM GetCtsGroupNode();
HTREEITEM GetApptGroupNode(bool create);
void ShowTskGroup();
void ShowCtsGroup();
void ShowApptGroup();

// Month and year of a month node's label ("March, 2026"); false and nothing set without a ",".
bool ParseMonthNodeText(std::u16string_view label, int& month, int& year);

// Walks under start (the Projects root for the tree root): the item's task, contact and appointment
// nodes go; emptied folders too when dropEmpty is set.
void RemoveItemNodes(LONG oid, HTREEITEM start, bool dropEmpty, bool redraw);
// True at the first task, contact or appointment node of the item under start other than skip.
bool FindItemNodeElsewhere(LONG oid, HTREEITEM start, HTREEITEM skip);
// Deletes the node when it sits under an Outlook group, a month, company or category node.
void RemoveOutlookItemNode(HTREEITEM node);
// Every task node of the item gets the text and the completed or open image.
void UpdateTaskNodes(LONG oid, std::u16string_view text, bool completed, HTREEITEM start, bool redraw);
void SetPrjProgressImage(HTREEITEM folder);
void UpdatePrjProgress(HTREEITEM start, bool redraw);

// The context menus of the tree; ShowPrjNodeMenu is 1 when a menu was shown.
int ShowPrjNodeMenu(int onActionKey);
void ShowItemRemoveMenu();
void ShowAddMenu();

// ---- What the item editors use: the new-item mark under the name they read (one flag with
// NewItemInPrj), and the after-save placing of a new appointment.
extern LONG NewItemInPrj;
inline LONG& g_PrjTreeFlag = NewItemInPrj;
void PrjTreeApptSaved(LONG oid);
// Moves or inserts the saved contact's node in the project tree.
void PrjTreeCtsSaved(LONG oid);
