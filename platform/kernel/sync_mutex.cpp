// Mutexes: CreateMutexW without a name and ReleaseMutex for every mutex (named ones: named_mutex.cpp).
#include "kernel/sync_mutex.h"

#include "kernel/named_mutex.h"
#include "platform/system.h"
#include "platform/threads.h"

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCWSTR name) {
    if (name && *name) return platform::CreateNamedMutex(initialOwner, name);
    auto mutex = std::make_shared<platform::MutexObject>();
    if (initialOwner) mutex->Acquire(GetCurrentThreadId());
    SetLastError(ERROR_SUCCESS);
    return platform::RegisterHandle(mutex);
}

BOOL ReleaseMutex(HANDLE handle) {
    const auto mutex = platform::LookupHandleAs<platform::MutexObject>(handle);
    if (!mutex) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const DWORD self = GetCurrentThreadId();
    {
        const std::lock_guard lock(platform::WaitLock());
        if (mutex->owner != self || mutex->count == 0) {
            SetLastError(ERROR_NOT_OWNER);
            return FALSE;
        }
        if (--mutex->count == 0) {
            mutex->owner = 0;
            mutex->Released();
        }
    }
    platform::NotifyWaiters();
    return TRUE;
}
