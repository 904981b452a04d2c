// Loading the category list: the PIM store's category table merged with "catinfo.dat" and with the
// marks ticked while the program runs, the store's item-to-category pairs, and the two commands
// that add a category: to the current contact, and the "New Category" prompt of the editors.
#pragma once

#include <string>

#include "platform/types.h"

// The list box of categories in the editors' category pages.
inline constexpr int kCatListBoxId = 1027;

// 1 when the list was refilled and merged; 0 when the store's table could not be read, and the list
// stays as it was.
int LoadCategories();
// LoadCategories, then the pairs of items and categories; the result of LoadCategories.
int ReloadCategories();
// True after a failed read left the list empty, until a load succeeds: saving it then would empty
// "catinfo.dat".
bool CatListFailedToLoad();
// Adds the category to the contact's categories in the store and to the list when it is new.
// 0 when the contact cannot be had; nothing changes then.
int AddCatToCurItem(LONG oid, const std::u16string& name);
