// The tool bar: a row of buttons with pictures from its image list; a tap on an enabled button sends
// its command to the parent as WM_COMMAND.
#pragma once

#include <vector>

#include "commctrl/control_common.h"

namespace platform::commctrl {

struct ToolbarButton {
    int image = 0;
    int command = 0;
    BYTE state = TBSTATE_ENABLED;
    BYTE style = TBSTYLE_BUTTON;
    DWORD_PTR data = 0;
    INT_PTR string = 0;
};

struct Toolbar : ControlLife {
    std::vector<ToolbarButton> buttons;
    HIMAGELIST images = nullptr;
    bool ownsImages = false;  // made by TB_ADDBITMAP, destroyed with the bar
    SIZE bitmapSize{16, 15};
    SIZE buttonSize{0, 0};  // 0: from the bitmap size
    UINT structSize = sizeof(TBBUTTON);
    int pressed = -1;  // index of the button the stylus went down on

    Toolbar() = default;
    ~Toolbar() {
        if (ownsImages) ImageList_Destroy(images);
    }
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;
};

SIZE ButtonSize(const Toolbar& tb);
RECT ButtonRect(const Toolbar& tb, int index);
int ButtonAt(const Toolbar& tb, POINT point);
// The height the bar takes by itself (TB_AUTOSIZE).
int BarHeight(const Toolbar& tb);

void PaintToolbar(Toolbar& tb, HDC dc, const RECT& area);

}  // namespace platform::commctrl
