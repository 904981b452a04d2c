// The process's side of change notifications: which folders want them (PIMFOLDERNOTIFICATION_ flags
// set through the folders' property sets) and the window logged on to receive them.
#include <atomic>
#include <mutex>

#include "pim/notifications.h"
#include "pim/objects.h"

namespace platform::pim {
namespace {

struct SessionState {
    std::mutex lock;
    LONG_PTR window = 0;
    DWORD flags[3] = {0, 0, 0};
};

SessionState& Session() {
    static SessionState state;
    return state;
}

int Slot(ItemKind kind) { return kind == ItemKind::Appointment ? 0 : kind == ItemKind::Contact ? 1 : 2; }

}  // namespace

void SetFolderNotifications(ItemKind kind, DWORD flags) {
    {
        SessionState& s = Session();
        const std::lock_guard guard(s.lock);
        s.flags[Slot(kind)] = flags;
    }
    PublishSubscription();
}

DWORD FolderNotifications(ItemKind kind) {
    SessionState& s = Session();
    const std::lock_guard guard(s.lock);
    return s.flags[Slot(kind)];
}

void SetLogonWindow(LONG_PTR window) {
    {
        SessionState& s = Session();
        const std::lock_guard guard(s.lock);
        s.window = window;
        if (window == 0)
            for (DWORD& f : s.flags) f = 0;
    }
    PublishSubscription();
}

LONG_PTR LogonWindow() {
    SessionState& s = Session();
    const std::lock_guard guard(s.lock);
    return s.window;
}

}  // namespace platform::pim
