// Dragging items between the folders of the project tree.
#pragma once

#include "platform/types.h"

// Selects the tree item under the point when the point is on its icon, label or state icon.
int TreeTapOnItem(HWND tree, POINT point);
void TreeDragBegin(HWND tree, POINT point);
void TreeDragMove(HWND tree, POINT point);
void TreeDragEnd(HWND tree, POINT point);
LRESULT CALLBACK TreeDragProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HRESULT SubclassTreeDrag(HWND window);
