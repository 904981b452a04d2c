// Objects a thread can wait on (threads, events, mutexes, processes) and the one lock and condition
// that every wait and every change of a signalled state go through, so that a wait on several
// objects sees them all change under one lock.
#pragma once

#include <condition_variable>
#include <mutex>

#include "kernel/handles.h"

namespace platform {

struct Waitable : KernelObject {
    // Both are called with WaitLock() held. IsSignaled tells whether a wait by `threadId` would end
    // now; Acquire is what that wait takes (an auto-reset event resets, a mutex gets its owner).
    virtual bool IsSignaled(DWORD threadId) = 0;
    virtual void Acquire(DWORD /*threadId*/) {}
    // True when the state can change without a notification here (a lock held by another process),
    // so that waiters look again now and then.
    virtual bool NeedsPolling() const { return false; }
};

std::mutex& WaitLock();
// Wakes every waiter; call after changing a signalled state, with or without WaitLock() held.
void NotifyWaiters();
std::condition_variable& WaitCondition();

}  // namespace platform
