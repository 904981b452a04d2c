// CreateThread and the thread's record: identifier, suspend count, priority and exit code.
// The device's priorities are kept and reported; the host schedules every thread alike.
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "kernel/sync_wait.h"
#include "kernel/thread_object.h"
#include "platform/system.h"
#include "platform/testing_threads.h"
#include "platform/threads.h"

namespace platform {
namespace {

// The pseudo handle of GetCurrentThread, as on the device.
const HANDLE kCurrentThreadPseudo = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2));
constexpr DWORD kFirstThreadId = 0x100;

std::atomic<DWORD> nextThreadId{kFirstThreadId};
// Creations that tests asked to fail.
std::atomic<int> failingCreations{0};
thread_local DWORD currentThreadId = 0;
thread_local int currentThreadPriority = THREAD_PRIORITY_NORMAL;

struct ThreadObject : Waitable {
    DWORD id = 0;
    LPTHREAD_START_ROUTINE start = nullptr;
    LPVOID param = nullptr;
    // Under WaitLock().
    int suspendCount = 0;
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    std::atomic<int> priority{THREAD_PRIORITY_NORMAL};

    bool IsSignaled(DWORD) override { return ended; }
};

thread_local ThreadObject* currentThreadObject = nullptr;

struct ExitHooks {
    std::mutex lock;
    std::vector<ThreadExitHook> hooks;
};

ExitHooks& Hooks() {
    static ExitHooks hooks;
    return hooks;
}

void RunThread(const std::shared_ptr<ThreadObject>& thread) {
    currentThreadId = thread->id;
    currentThreadObject = thread.get();
    {
        std::unique_lock lock(WaitLock());
        WaitCondition().wait(lock, [&] { return thread->suspendCount == 0; });
    }
    const DWORD code = thread->start(thread->param);
    RunThreadExitHooks();
    currentThreadObject = nullptr;
    {
        const std::lock_guard lock(WaitLock());
        thread->exitCode = code;
        thread->ended = true;
    }
    NotifyWaiters();
}

std::shared_ptr<ThreadObject> ThreadOf(HANDLE handle) {
    if (handle == kCurrentThreadPseudo) return nullptr;
    return LookupHandleAs<ThreadObject>(handle);
}

}  // namespace

void AddThreadExitHook(ThreadExitHook hook) {
    ExitHooks& h = Hooks();
    const std::lock_guard guard(h.lock);
    if (std::find(h.hooks.begin(), h.hooks.end(), hook) == h.hooks.end()) h.hooks.push_back(hook);
}

void RunThreadExitHooks() {
    std::vector<ThreadExitHook> hooks;
    {
        ExitHooks& h = Hooks();
        const std::lock_guard guard(h.lock);
        hooks = h.hooks;
    }
    for (const ThreadExitHook hook : hooks) hook();
}

}  // namespace platform

using platform::ThreadObject;

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, DWORD, LPTHREAD_START_ROUTINE start, LPVOID param, DWORD flags,
                    LPDWORD threadId) {
    if (!start) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (platform::failingCreations.load() > 0 && platform::failingCreations.fetch_sub(1) > 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto thread = std::make_shared<ThreadObject>();
    thread->id = platform::nextThreadId++;
    thread->start = start;
    thread->param = param;
    thread->suspendCount = (flags & CREATE_SUSPENDED) ? 1 : 0;
    try {
        std::thread([thread] { platform::RunThread(thread); }).detach();
    } catch (const std::system_error&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (threadId) *threadId = thread->id;
    return platform::RegisterHandle(thread);
}

DWORD ResumeThread(HANDLE handle) {
    const auto thread = platform::ThreadOf(handle);
    if (!thread) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0xFFFFFFFFu;
    }
    DWORD previous = 0;
    {
        const std::lock_guard lock(platform::WaitLock());
        previous = static_cast<DWORD>(thread->suspendCount);
        if (thread->suspendCount > 0) --thread->suspendCount;
    }
    platform::NotifyWaiters();
    return previous;
}

HANDLE GetCurrentThread() { return platform::kCurrentThreadPseudo; }

DWORD GetCurrentThreadId() {
    if (platform::currentThreadId == 0) platform::currentThreadId = platform::nextThreadId++;
    return platform::currentThreadId;
}

BOOL SetThreadPriority(HANDLE handle, int priority) {
    if (priority < THREAD_PRIORITY_TIME_CRITICAL || priority > THREAD_PRIORITY_IDLE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (handle == platform::kCurrentThreadPseudo) {
        if (platform::currentThreadObject)
            platform::currentThreadObject->priority = priority;
        else
            platform::currentThreadPriority = priority;
        return TRUE;
    }
    const auto thread = platform::ThreadOf(handle);
    if (!thread) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    thread->priority = priority;
    return TRUE;
}

int GetThreadPriority(HANDLE handle) {
    if (handle == platform::kCurrentThreadPseudo)
        return platform::currentThreadObject ? platform::currentThreadObject->priority.load()
                                             : platform::currentThreadPriority;
    const auto thread = platform::ThreadOf(handle);
    if (!thread) {
        SetLastError(ERROR_INVALID_HANDLE);
        return THREAD_PRIORITY_ERROR_RETURN;
    }
    return thread->priority;
}

BOOL GetExitCodeThread(HANDLE handle, LPDWORD exitCode) {
    const auto thread = platform::ThreadOf(handle);
    if (!thread || !exitCode) {
        SetLastError(thread ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const std::lock_guard lock(platform::WaitLock());
    *exitCode = thread->exitCode;
    return TRUE;
}

void platform::testing::FailThreadCreation(int times) { platform::failingCreations = times; }
