// The projects view as the main window reaches it.
#pragma once


void ShowProjectsView();
// The project tree's menu command; true when it handled the key.
bool PrjTreeMenuCmd(int fromKey);

// ---- What the toolkit's list subclasses and the links key use of the projects.
#include "platform/commctrl.h"
// The Links dialog of the selected item of the calling view.
void ShowLinksDlg();
// Tap-and-hold on the project tree: the node's context menu; 1 when it took the tap.
int PrjTreeTapHold(HWND tree, POINT point);
// Moves the dragged item or link node into the target project.
void PrjTreeDrop(HTREEITEM dragged, HTREEITEM target);
// Roots, groups, month nodes and project folders.
bool IsFolderNode(HTREEITEM node);
// "View" on the selected project tree node.
void ViewPrjItem();
