// Choosing an item of the Menu soft key's pop-up as the user does on a keypad: the soft key, the
// down key to the item, Enter.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace testsupport {

// `inside` runs in the dialog the item opens (none: pass nullptr). False when the pop-up has no such
// item (it is closed again).
inline bool ChooseFromMenu(const std::u16string& item, std::function<void(HWND)> inside = nullptr) {
    namespace pt = platform::testing;
    bool found = false;
    pt::Key(VK_TSOFT2);
    pt::ActInsideModalLoop([&] {
        int steps = 0;
        for (const std::u16string& text : pt::OpenMenuTexts()) {
            if (text != u"-") ++steps;
            if (text == item) {
                found = true;
                break;
            }
        }
        if (!found) {
            pt::Key(VK_ESCAPE);
            return;
        }
        if (inside) pt::ActInsideDialog(inside);
        for (int i = 0; i < steps; ++i) pt::Key(VK_DOWN);
        pt::Key(VK_RETURN);
    });
    pt::PumpUntilIdle();
    return found;
}

}  // namespace testsupport
