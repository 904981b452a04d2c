// The message box drawn on the device screen: caption, icon, word-wrapped text and a row of buttons,
// answered by the stylus, by Enter (the focused button), Left/Right, the soft keys (first and last
// button) and Back (Cancel or No when the box has one).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/user.h"

namespace platform {

// Plugs the drawn box into MessageBoxW (or takes it out: boxes then take their default button).
void UseDrawnMessageBoxes(bool use);

// For the painter and the tests: what an open box shows.
struct MessageBoxView {
    std::u16string caption;
    std::u16string text;
    UINT icon = 0;  // MB_ICON...
    std::vector<int> buttons;
    int focused = 0;  // index into buttons
};
bool ViewOfMessageBox(HWND box, MessageBoxView& out);
// The button rectangles of a box of this client size, in client coordinates.
std::vector<RECT> MessageBoxButtonRects(const MessageBoxView& view, SIZE client);
std::u16string MessageBoxButtonText(int button);

// Actions the test API runs inside the next drawn box once it is on screen.
void QueueBoxAction(std::function<void()> action);
void DropBoxActions();

inline constexpr const WCHAR* kMessageBoxClass = u"QvMessageBox";

}  // namespace platform
