// Painting the tree view: lines, buttons, icons and labels of the shown rows, the selection and the
// drop target.
#include <algorithm>

#include "commctrl/paint_support.h"
#include "commctrl/tree_view.h"

namespace platform::commctrl {
namespace {

LONG RowCentre(const RECT& row) { return (row.top + row.bottom) / 2; }

void DottedLine(HDC dc, LONG x0, LONG y0, LONG x1, LONG y1) {
    // Every other pixel, as the device draws tree lines.
    for (LONG x = x0, y = y0; x <= x1 && y <= y1; x += (x1 > x0 ? 2 : 0), y += (y1 > y0 ? 2 : 0)) {
        SetPixel(dc, x, y, kLineColour);
        if (x0 == x1 && y0 == y1) break;
    }
}

void PaintButton(HDC dc, LONG cx, LONG cy, bool expanded) {
    const int half = TreeButtonHalf();
    // The sign's strokes thicken with the box.
    const int stroke = std::max(1, half / 4);
    const int inset = std::max(2, half / 2);
    const RECT box{cx - half, cy - half, cx + half + 1, cy + half + 1};
    FillSolid(dc, box, kWindowColour);
    for (int ring = 0; ring < stroke; ++ring)
        FrameSolid(dc, {box.left + ring, box.top + ring, box.right - ring, box.bottom - ring}, kShadowColour);
    const int low = stroke / 2;
    const int high = stroke - low;
    FillSolid(dc, {cx - half + inset, cy - low, cx + half - inset + 1, cy + high}, kTextColour);
    if (!expanded) FillSolid(dc, {cx - low, cy - half + inset, cx + high, cy + half - inset + 1}, kTextColour);
}

void PaintNode(TreeView& tv, HDC dc, HTREEITEM item, DWORD style) {
    RECT row{}, label{};
    NodeRect(tv, item, false, row);
    NodeRect(tv, item, true, label);
    const TreeNode& node = tv.nodes.at(item);
    const int indent = TreeIndent(tv);
    int cx = 0, cy = 0;
    if (tv.images) ImageList_GetIconSize(tv.images, &cx, &cy);
    const LONG iconLeft = label.left - (tv.images ? cx + 3 : 0);
    const LONG branchX = iconLeft - indent / 2;
    const LONG mid = RowCentre(row);
    const bool rootColumn = node.level > 0 || (style & TVS_LINESATROOT);
    if ((style & TVS_HASLINES) && rootColumn) {
        const bool hasNext = NextNode(tv, TVGN_NEXT, item) != nullptr;
        const bool hasPrevious = NextNode(tv, TVGN_PREVIOUS, item) != nullptr || node.parent;
        DottedLine(dc, branchX, hasPrevious ? row.top : mid, branchX, hasNext ? row.bottom - 1 : mid);
        DottedLine(dc, branchX, mid, iconLeft - 2, mid);
        // The lines of the ancestors that have siblings below pass through this row.
        LONG x = branchX - indent;
        for (HTREEITEM a = node.parent; a && x >= 0; a = tv.nodes.at(a).parent, x -= indent)
            if (NextNode(tv, TVGN_NEXT, a) && (tv.nodes.at(a).level > 0 || (style & TVS_LINESATROOT)))
                DottedLine(dc, x, row.top, x, row.bottom - 1);
    }
    if ((style & TVS_HASBUTTONS) && rootColumn && HasChildren(tv, item))
        PaintButton(dc, branchX, mid, node.state & TVIS_EXPANDED);
    if (tv.images) {
        const int image = (node.state & TVIS_SELECTED) ? node.selectedImage : node.image;
        ImageList_Draw(tv.images, image, dc, iconLeft, mid - cy / 2, ILD_NORMAL);
    }
    const bool selected = (node.state & TVIS_SELECTED) && (tv.hasFocus || (style & TVS_SHOWSELALWAYS));
    const bool highlighted = (node.state & TVIS_DROPHILITED) || (selected && tv.hasFocus);
    if (highlighted) FillSolid(dc, label, kHighlightColour);
    else if (selected) FillSolid(dc, label, kInactiveHighlightColour);
    DrawTextIn(dc, node.text, {label.left + kTextMargin, label.top, label.right, label.bottom},
               DT_SINGLELINE | DT_VCENTER, highlighted ? kHighlightTextColour : OrDefault(tv.textColour, kTextColour));
    if (selected && tv.hasFocus && !tv.dropTarget) DrawFocusRect(dc, &label);
}

}  // namespace

void PaintTree(TreeView& tv, HDC dc, const RECT& area) {
    const FontScope font(dc, TreeFont(tv));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(tv.hwnd, GWL_STYLE));
    const int h = TreeRowHeight(tv);
    const auto rows = Rows(tv);
    const int first = tv.top + std::max(0, static_cast<int>(area.top)) / h;
    const int last = std::min(static_cast<int>(rows.size()) - 1, tv.top + std::max(0, static_cast<int>(area.bottom) - 1) / h);
    for (int r = first; r <= last; ++r) PaintNode(tv, dc, rows[static_cast<std::size_t>(r)], style);
}

HIMAGELIST TreeDragImage(TreeView& tv, HTREEITEM item) {
    RECT label{};
    if (!NodeRect(tv, item, true, label)) return nullptr;
    return TextDragImage(TreeFont(tv), tv.nodes.at(item).text, label.right - label.left, label.bottom - label.top);
}

}  // namespace platform::commctrl
