// The mutex record shared by unnamed and named mutexes: a thread owns it, recursively.
#pragma once

#include "kernel/sync_wait.h"

namespace platform {

struct MutexObject : Waitable {
    // Under WaitLock().
    DWORD owner = 0;
    int count = 0;

    bool IsSignaled(DWORD threadId) override { return owner == 0 || owner == threadId; }
    void Acquire(DWORD threadId) override {
        owner = threadId;
        ++count;
    }
    // Called with WaitLock() held when the count drops to 0.
    virtual void Released() {}
};

}  // namespace platform
