// Typing the first letters of an item's text moves the selection to it, as lists and trees do: the
// letters typed within a second of each other make one prefix, a pause starts a new one.
#pragma once

#include <string>

#include "platform/types.h"

namespace platform::commctrl {

class TypeAhead {
public:
    // Adds a typed character; false for one that does not search (control characters).
    bool Add(WCHAR c);
    const std::u16string& Prefix() const { return prefix_; }
    // Whether a text starts with the prefix, without regard to case.
    bool Matches(const std::u16string& text) const;
    // A prefix of one repeated letter steps through the items with that letter.
    bool Repeating() const;

private:
    std::u16string prefix_;
    DWORD last_ = 0;
};

}  // namespace platform::commctrl
