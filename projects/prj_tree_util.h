// Small helpers the project tree code shares: link-file names, text comparison, a string-object
// insertion, and the growable array of word pairs.
#pragma once

#include <string>
#include <string_view>

#include "core/record_array.h"
#include "platform/commctrl.h"
#include "platform/types.h"

// The name holds a "." and the text ".lnk".
bool IsLnkFileName(std::u16string_view name);
// Two texts differ in any character.
bool StrDiffers(std::u16string_view a, std::u16string_view b);
// Always empty, whatever it is given.
std::u16string EmptyNodeText(std::u16string_view text);
HTREEITEM InsertPrjNode(HWND tree, const std::u16string& text, int selectedImage, int image, HTREEITEM parent,
                        HTREEITEM insertAfter);

struct WordPair {
    LONG first = -1;
    LONG second = -1;
};
using PairArray = RecordArray<WordPair>;
// Shifts the tail up; the index, or -1 when it is negative or beyond the count.
int PairArrInsertAt(PairArray& pairs, int index, WordPair pair);
// New slots hold (-1, -1).
void PairArrSetSize(PairArray& pairs, int size);
