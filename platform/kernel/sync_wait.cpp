// WaitForSingleObject and WaitForMultipleObjects over the Waitable objects.
// Timeouts run on real time even while the test clock is frozen: a frozen wait would never end.
#include "kernel/sync_wait.h"

#include <chrono>
#include <vector>

#include "platform/system.h"
#include "platform/threads.h"

namespace platform {
namespace {

// How often a wait looks again at objects that another process may change.
constexpr auto kPollInterval = std::chrono::milliseconds(10);

}  // namespace

std::mutex& WaitLock() {
    static std::mutex lock;
    return lock;
}

std::condition_variable& WaitCondition() {
    static std::condition_variable condition;
    return condition;
}

void NotifyWaiters() { WaitCondition().notify_all(); }

}  // namespace platform

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* objects, BOOL waitAll, DWORD milliseconds) {
    using namespace platform;
    if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !objects) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<Waitable>> waitables;
    bool polling = false;
    for (DWORD i = 0; i < count; ++i) {
        auto w = LookupHandleAs<Waitable>(objects[i]);
        if (!w) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        polling = polling || w->NeedsPolling();
        waitables.push_back(std::move(w));
    }
    const DWORD self = GetCurrentThreadId();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock lock(WaitLock());
    for (;;) {
        if (waitAll) {
            bool all = true;
            for (const auto& w : waitables) all = all && w->IsSignaled(self);
            if (all) {
                for (const auto& w : waitables) w->Acquire(self);
                return WAIT_OBJECT_0;
            }
        } else {
            for (DWORD i = 0; i < count; ++i) {
                if (waitables[i]->IsSignaled(self)) {
                    waitables[i]->Acquire(self);
                    return WAIT_OBJECT_0 + i;
                }
            }
        }
        if (milliseconds == 0) return WAIT_TIMEOUT;
        if (milliseconds == INFINITE) {
            if (polling)
                WaitCondition().wait_for(lock, kPollInterval);
            else
                WaitCondition().wait(lock);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return WAIT_TIMEOUT;
        WaitCondition().wait_until(lock, polling ? std::min(deadline, now + kPollInterval) : deadline);
    }
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
    return WaitForMultipleObjects(1, &object, FALSE, milliseconds);
}
