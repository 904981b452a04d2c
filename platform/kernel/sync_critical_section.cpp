// Critical sections: a recursive lock kept outside the program's record.
#include <memory>
#include <mutex>

#include "platform/threads.h"

namespace {

std::recursive_mutex* LockOf(LPCRITICAL_SECTION section) {
    return static_cast<std::recursive_mutex*>(section->LockImpl);
}

}  // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
    if (!section) return;
    section->LockImpl = std::make_unique<std::recursive_mutex>().release();
    section->OwnerThread = 0;
    section->LockCount = 0;
}

void DeleteCriticalSection(LPCRITICAL_SECTION section) {
    if (!section || !section->LockImpl) return;
    std::unique_ptr<std::recursive_mutex> owned(LockOf(section));
    section->LockImpl = nullptr;
}

void EnterCriticalSection(LPCRITICAL_SECTION section) {
    if (!section || !section->LockImpl) return;
    LockOf(section)->lock();
    section->OwnerThread = GetCurrentThreadId();
    ++section->LockCount;
}

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section) {
    if (!section || !section->LockImpl || !LockOf(section)->try_lock()) return FALSE;
    section->OwnerThread = GetCurrentThreadId();
    ++section->LockCount;
    return TRUE;
}

void LeaveCriticalSection(LPCRITICAL_SECTION section) {
    if (!section || !section->LockImpl) return;
    if (--section->LockCount == 0) section->OwnerThread = 0;
    LockOf(section)->unlock();
}
