// The PIM store keeps at most 20,000 items of each kind; the save of one more fails with
// E_OUTOFMEMORY. The save paths say then which kind is full instead of a bare error code.
#pragma once

#include <string>

#include "platform/poom.h"
#include "platform/types.h"

// True for the result a save gives when the item's kind is full.
bool IsStoreFull(HRESULT saved);
// "The store is full: it holds 20000 appointments, the most it can keep." The count is the
// folder's own, read when the text is made.
std::u16string StoreFullText(OlItemType kind);
// For the paths that otherwise fail quietly (copies, conversions): the store-full text in a message
// box when that is why the save failed; nothing for any other result.
void ShowWhenStoreFull(HRESULT saved, OlItemType kind, HWND owner);
