// The prefix typed into a list or a tree, and its test against an item's text.
#include "commctrl/type_ahead.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/time.h"

namespace platform::commctrl {
namespace {

constexpr DWORD kPauseMs = 1000;

}  // namespace

bool TypeAhead::Add(WCHAR c) {
    if (c < u' ') return false;
    const DWORD now = GetTickCount();
    if (now - last_ > kPauseMs) prefix_.clear();
    if (c == u' ' && prefix_.empty()) return false;  // a space only continues a prefix
    prefix_.push_back(c);
    last_ = now;
    return true;
}

bool TypeAhead::Matches(const std::u16string& text) const {
    const std::u16string_view wanted = Repeating() ? std::u16string_view(prefix_).substr(0, 1) : prefix_;
    return text.size() >= wanted.size() && EqualNoCase(std::u16string_view(text).substr(0, wanted.size()), wanted);
}

bool TypeAhead::Repeating() const {
    return prefix_.size() > 1 && std::all_of(prefix_.begin(), prefix_.end(), [&](WCHAR c) {
               return EqualNoCase(std::u16string_view(&c, 1), std::u16string_view(prefix_.data(), 1));
           });
}

}  // namespace platform::commctrl
