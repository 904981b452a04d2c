// The message box service: what a drawn box (the drawing area's) is given, and how it plugs in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/user.h"
#include "user/modal_loop.h"

namespace platform {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
    std::vector<int> buttons;  // IDOK, IDCANCEL... in the order shown
    int defaultButton = IDOK;
};

// Shows a box for `request` inside `loop` and ends the loop with the button chosen; called at the
// loop's first idle step. Returns false when it cannot show one (no display): the box then takes
// its default button.
using MessageBoxPresenter = std::function<bool(ModalLoop& loop, const MessageBoxRequest& request)>;
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

// The buttons of an MB_ type (MB_OK...); empty for a type the device does not know.
std::vector<int> MessageBoxButtons(UINT type);

}  // namespace platform
