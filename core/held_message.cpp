// The texts held while painting and shown by the main window afterwards.
#include "core/held_message.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/show_message.h"
#include "platform/user.h"

namespace {

struct HeldMessages {
    HWND mainWnd = nullptr;  // the window the texts below belong to
    std::vector<std::u16string> said;
    std::vector<std::u16string> held;
};
HeldMessages g_Held;

// A new main window (a new run) has said nothing yet.
HeldMessages& ForCurrentWindow() {
    if (g_Held.mainWnd != g_Frame.mainWnd) g_Held = HeldMessages{g_Frame.mainWnd, {}, {}};
    return g_Held;
}

}  // namespace

void ShowMessageOutsidePaint(LPCWSTR text) {
    HeldMessages& messages = ForCurrentWindow();
    if (std::find(messages.said.begin(), messages.said.end(), text) != messages.said.end()) return;
    messages.said.emplace_back(text);
    messages.held.emplace_back(text);
    if (messages.mainWnd) PostMessageW(messages.mainWnd, kMsgShowHeldMessages, 0, 0);
}

void ShowHeldMessages() {
    // Taken first: a view painting under the box may hold another text meanwhile.
    std::vector<std::u16string> held;
    held.swap(ForCurrentWindow().held);
    for (const std::u16string& text : held) ShowMessage(g_Frame.mainWnd, text.c_str(), MB_ICONEXCLAMATION);
}
