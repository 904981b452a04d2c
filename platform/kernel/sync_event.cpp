// Events: manual-reset events stay signalled until reset; auto-reset events let one wait through.
// Named events are shared by name inside the process.
#include <map>
#include <string>

#include "kernel/sync_wait.h"
#include "platform/system.h"
#include "platform/threads.h"

namespace platform {
namespace {

struct EventObject : Waitable {
    bool manualReset = false;
    bool signaled = false;  // under WaitLock()

    bool IsSignaled(DWORD) override { return signaled; }
    void Acquire(DWORD) override {
        if (!manualReset) signaled = false;
    }
};

struct NamedEvents {
    std::mutex lock;
    std::map<std::u16string, std::weak_ptr<EventObject>> byName;
};

NamedEvents& Named() {
    static NamedEvents named;
    return named;
}

std::shared_ptr<EventObject> EventOf(HANDLE handle) {
    auto event = LookupHandleAs<EventObject>(handle);
    if (!event) SetLastError(ERROR_INVALID_HANDLE);
    return event;
}

BOOL SetSignaled(HANDLE handle, bool signaled) {
    const auto event = EventOf(handle);
    if (!event) return FALSE;
    {
        const std::lock_guard lock(WaitLock());
        event->signaled = signaled;
    }
    if (signaled) NotifyWaiters();
    return TRUE;
}

}  // namespace
}  // namespace platform

HANDLE CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    using namespace platform;
    if (name && *name) {
        NamedEvents& named = Named();
        const std::lock_guard guard(named.lock);
        if (auto existing = named.byName[name].lock()) {
            const HANDLE handle = RegisterHandle(existing);
            SetLastError(ERROR_ALREADY_EXISTS);
            return handle;
        }
    }
    auto event = std::make_shared<EventObject>();
    event->manualReset = manualReset != FALSE;
    event->signaled = initialState != FALSE;
    if (name && *name) {
        NamedEvents& named = Named();
        const std::lock_guard guard(named.lock);
        named.byName[name] = event;
    }
    SetLastError(ERROR_SUCCESS);
    return RegisterHandle(event);
}

BOOL SetEvent(HANDLE event) { return platform::SetSignaled(event, true); }
BOOL ResetEvent(HANDLE event) { return platform::SetSignaled(event, false); }
