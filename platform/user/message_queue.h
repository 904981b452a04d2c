// The message queue of each thread, for the areas that feed or drain it (input, shell, dialogs).
// A thread gets its queue on its first windowing call. The queue holds, in the order they are handed
// out: messages sent from other threads (handled inside GetMessageW, PeekMessageW and the sender's own
// waits, never returned), posted messages, WM_QUIT, WM_PAINT for a visible window with something to
// paint, and WM_TIMER when the device clock reaches a timer's time.
//
// Waking: whoever changes what a queue would hand out (posts, sends, invalidates, moves the clock) sets
// `woken` under the queue's lock and signals `wake`; a waiting thread clears `woken` before it looks,
// so a change made while it looks is never missed.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/user.h"

namespace platform {

struct ThreadQueue;

struct SentMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    bool done = false;  // under the sender's queue lock
    std::shared_ptr<ThreadQueue> sender;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT period = 0;
    std::int64_t due = 0;  // device clock, milliseconds
    TIMERPROC proc = nullptr;
};

struct ThreadQueue {
    DWORD threadId = 0;
    std::mutex lock;
    std::condition_variable wake;
    // Under `lock`.
    bool woken = false;
    bool alive = true;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    std::vector<Timer> timers;
    bool quit = false;
    int quitCode = 0;
    HWND activateRequest = nullptr;  // SetForegroundWindow from another thread
    // Under WindowLock(): the thread's focus, active window and capture.
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    // Only the owning thread touches these.
    MSG last{};
    BYTE keys[256] = {};
};

// The calling thread's queue, made on first use.
std::shared_ptr<ThreadQueue> CurrentQueue();
std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId);
void WakeQueue(ThreadQueue& queue);

// Appends a posted message; false when the queue's thread has ended.
bool PostToQueue(ThreadQueue& queue, const MSG& msg);
// Sends to a window of another thread and waits, handling messages sent to the caller meanwhile.
LRESULT SendAcrossThreads(ThreadQueue& target, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Handles the messages other threads have sent to the calling thread; true when there were any.
bool HandleSentMessages(ThreadQueue& queue);

// One look for a message as PeekMessageW makes it; false when there is none.
bool LookForMessage(ThreadQueue& queue, MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove);
// Waits until something may have changed for the queue (bounded; callers look again).
void WaitForQueue(ThreadQueue& queue);

// The device clock in the units of MSG::time.
DWORD MessageTime();

}  // namespace platform
