// The project commands as the new-item code of other views sees them: the mark that a new item
// goes into the project selected in the tree, and the file link that puts a new note there.
#pragma once

#include <string>

#include "platform/types.h"

// Set by the project commands before they start a new item; the new-item code clears it.
extern LONG NewItemInPrj;
// Adds a link to the file under the project selected in the tree.
void AddFileLinkToPrj(const std::u16string& path);
