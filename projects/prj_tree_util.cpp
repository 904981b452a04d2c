// Small helpers of the project tree code.
#include "projects/prj_tree_util.h"

#include "projects/prj_tree.h"

bool IsLnkFileName(std::u16string_view name) {
    return name.find(u'.') != std::u16string_view::npos && name.find(u".lnk") != std::u16string_view::npos;
}

bool StrDiffers(std::u16string_view a, std::u16string_view b) { return a != b; }

std::u16string EmptyNodeText(std::u16string_view) { return std::u16string(); }

HTREEITEM InsertPrjNode(HWND tree, const std::u16string& text, int selectedImage, int image, HTREEITEM parent,
                        HTREEITEM insertAfter) {
    return InsertTreeNode(tree, text, selectedImage, image, parent, insertAfter);
}

int PairArrInsertAt(PairArray& pairs, int index, WordPair pair) { return pairs.InsertAt(index, pair); }

void PairArrSetSize(PairArray& pairs, int size) {
    const int before = pairs.Size();
    pairs.SetSize(size, pairs.GrowStep());
    for (int i = before; i < pairs.Size(); ++i) pairs[i] = WordPair{};
}
