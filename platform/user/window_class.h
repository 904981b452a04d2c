// Window classes of this process, found by name (without regard to letter case) or by atom.
#pragma once

#include <memory>
#include <string>

#include "platform/user.h"

namespace platform {

struct WindowClass {
    std::u16string name;
    ATOM atom = 0;
    WNDCLASSW info{};  // lpszClassName and lpszMenuName are not kept
    std::u16string menuName;
};

// A name or a MAKEINTATOM value; nullptr when there is no such class.
std::shared_ptr<WindowClass> FindWindowClass(LPCWSTR nameOrAtom);

}  // namespace platform
