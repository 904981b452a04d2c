// The wallet tree's control: its nodes, its image lists and its input.
#pragma once

#include <string>

#include "platform/commctrl.h"
#include "platform/types.h"

inline constexpr const WCHAR* kWltTreeErrorText = u"Error: Wallet Tree Creation Error.";
inline constexpr const WCHAR* kWltImageErrorText = u"Error: Wallet Tree Image Creation Error.";
inline constexpr int kWltImageCount = 22;
inline constexpr COLORREF kWltImageMask = 0x00FF00FF;

// Inserts one node in the tree's sorted place; a null parent means the root.
HTREEITEM InsertWltTreeItem(HWND tree, const std::u16string& text, int image, HTREEITEM parent, bool hasChildren,
                            LPARAM data);
bool CreateWltImageList(HWND tree);
// The second image list, for the detail view; null until the tree is made.
HIMAGELIST WltDetailImageList();
void DestroyWltImageLists();
// Installs WltTreeProc; false when the tree is already subclassed.
bool SubclassWltTree(HWND tree);
LRESULT CALLBACK WltTreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam);
