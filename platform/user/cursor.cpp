// The system's cursors. A handheld has no pointer to show; only the wait cursor is visible, as the
// busy indicator, so the cursor is one process-wide value the screen reads.
#include "user/cursor.h"

#include <atomic>

#include "platform/system.h"
#include "platform/user.h"

namespace {

struct StockCursor {
    WORD id;
    int unused;
};
StockCursor stockCursors[] = {{32512, 0}, {32514, 0}};

std::atomic<HCURSOR> current{nullptr};

HCURSOR HandleOf(StockCursor& cursor) { return reinterpret_cast<HCURSOR>(&cursor); }

}  // namespace

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    if (instance == nullptr && IS_INTRESOURCE(name)) {
        const auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
        for (StockCursor& cursor : stockCursors)
            if (cursor.id == id) return HandleOf(cursor);
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) { return current.exchange(cursor); }

HCURSOR GetCursor() { return current.load(); }

namespace platform {

bool WaitCursorShown() { return current.load() == HandleOf(stockCursors[1]); }

}  // namespace platform
