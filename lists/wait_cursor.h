// The wait cursor while a long refill runs, put back when the scope ends.
#pragma once

#include "platform/user.h"

// Refills of more contacts than this show the wait cursor.
inline constexpr int kWaitCursorContacts = 400;

class WaitCursor {
public:
    explicit WaitCursor(bool show) : previous_(show ? SetCursor(LoadCursorW(nullptr, IDC_WAIT)) : nullptr), shown_(show) {}
    ~WaitCursor() {
        if (shown_) SetCursor(previous_);
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
    bool shown_;
};
