// Each thread's message queue: posting, sending across threads, looking for the next message and
// waiting for one. See message_queue.h for the order and the waking rule.
#include "user/message_queue.h"

#include <algorithm>
#include <chrono>
#include <unordered_map>

#include "kernel/clock.h"
#include "kernel/thread_object.h"
#include "platform/system.h"
#include "platform/threads.h"
#include "user/update_region.h"
#include "user/window_life.h"
#include "user/window_proc.h"
#include "user/window_table.h"

namespace platform {
namespace {

// The longest a waiting queue sleeps before it looks again by itself; every change wakes it sooner,
// so this only bounds the cost of a wake-up that could be missed.
constexpr auto kLongestQueueWait = std::chrono::milliseconds(500);
// PeekMessageW's window filter that asks for thread messages only.
const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

struct QueueRegistry {
    std::mutex lock;
    std::unordered_map<DWORD, std::weak_ptr<ThreadQueue>> byThread;
};

QueueRegistry& Registry() {
    static QueueRegistry registry;
    return registry;
}

void WakeAllQueues() {
    std::vector<std::shared_ptr<ThreadQueue>> queues;
    {
        QueueRegistry& r = Registry();
        const std::lock_guard guard(r.lock);
        for (const auto& [id, weak] : r.byThread)
            if (auto q = weak.lock()) queues.push_back(std::move(q));
    }
    for (const auto& q : queues) WakeQueue(*q);
}

void Complete(SentMessage& sm, LRESULT result) {
    ThreadQueue& sender = *sm.sender;
    {
        const std::lock_guard guard(sender.lock);
        sm.result = result;
        sm.done = true;
        sender.woken = true;
    }
    sender.wake.notify_all();
}

// Ends the calling thread's queue: its windows go without messages, waiting senders get 0.
void TearDownQueue(const std::shared_ptr<ThreadQueue>& queue) {
    if (!queue) return;
    ForgetWindowsOfThread(queue->threadId);
    std::deque<std::shared_ptr<SentMessage>> pending;
    {
        const std::lock_guard guard(queue->lock);
        if (!queue->alive) return;
        queue->alive = false;
        pending.swap(queue->sent);
        queue->posted.clear();
        queue->timers.clear();
    }
    for (const auto& sm : pending) Complete(*sm, 0);
    QueueRegistry& r = Registry();
    const std::lock_guard guard(r.lock);
    r.byThread.erase(queue->threadId);
}

struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder() { TearDownQueue(queue); }
};

thread_local QueueHolder current;

void TearDownCurrentQueue() {
    TearDownQueue(current.queue);
    current.queue.reset();
}

bool InRange(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

// With WindowLock() held.
bool MatchesWindow(HWND hwnd, HWND filter) {
    if (!filter) return true;
    if (filter == kThreadMessagesOnly) return hwnd == nullptr;
    if (hwnd == filter) return true;
    const Window* ancestor = Peek(filter);
    const Window* w = Peek(hwnd);
    return ancestor && w && IsDescendant(*ancestor, *w);
}

void NoteKey(ThreadQueue& queue, const MSG& msg) {
    constexpr BYTE kDown = 0x80;
    constexpr BYTE kToggled = 0x01;
    if (msg.wParam >= 256) return;
    BYTE& key = queue.keys[msg.wParam];
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (!(key & kDown)) key ^= kToggled;
        key |= kDown;
    } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
        key &= static_cast<BYTE>(~kDown);
    }
}

bool TakePosted(ThreadQueue& queue, MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    const std::lock_guard windows(WindowLock());
    const std::lock_guard guard(queue.lock);
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!InRange(it->message, filterMin, filterMax) || !MatchesWindow(it->hwnd, filter)) continue;
        *out = *it;
        if (remove) queue.posted.erase(it);
        return true;
    }
    return false;
}

bool TakeQuit(ThreadQueue& queue, MSG* out, bool remove) {
    const std::lock_guard guard(queue.lock);
    if (!queue.quit) return false;
    *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, MessageTime(), {}};
    if (remove) queue.quit = false;
    return true;
}

bool TakePaint(ThreadQueue& queue, MSG* out, HWND filter, UINT filterMin, UINT filterMax) {
    if (!InRange(WM_PAINT, filterMin, filterMax)) return false;
    const HWND hwnd = WindowToPaint(queue.threadId, filter);
    if (!hwnd) return false;
    *out = MSG{hwnd, WM_PAINT, 0, 0, MessageTime(), {}};
    return true;
}

bool TakeTimer(ThreadQueue& queue, MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    if (!InRange(WM_TIMER, filterMin, filterMax)) return false;
    const std::int64_t now = ClockNowMs();
    const std::lock_guard windows(WindowLock());
    const std::lock_guard guard(queue.lock);
    Timer* due = nullptr;
    for (Timer& t : queue.timers)
        if (t.due <= now && MatchesWindow(t.hwnd, filter) && (!due || t.due < due->due)) due = &t;
    if (!due) return false;
    *out = MSG{due->hwnd, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc), static_cast<DWORD>(now), {}};
    // However late the queue looks, a timer fires once and counts its next period from now.
    if (remove) due->due = now + due->period;
    return true;
}

bool TakeActivateRequest(ThreadQueue& queue) {
    HWND hwnd = nullptr;
    {
        const std::lock_guard guard(queue.lock);
        std::swap(hwnd, queue.activateRequest);
    }
    if (!hwnd) return false;
    SetActiveWindow(hwnd);
    return true;
}

}  // namespace

std::shared_ptr<ThreadQueue> CurrentQueue() {
    if (current.queue) return current.queue;
    static std::once_flag hooked;
    std::call_once(hooked, [] {
        AddClockListener(WakeAllQueues);
        AddThreadExitHook(TearDownCurrentQueue);
    });
    auto queue = std::make_shared<ThreadQueue>();
    queue->threadId = GetCurrentThreadId();
    {
        QueueRegistry& r = Registry();
        const std::lock_guard guard(r.lock);
        r.byThread[queue->threadId] = queue;
    }
    current.queue = queue;
    return queue;
}

std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId) {
    QueueRegistry& r = Registry();
    const std::lock_guard guard(r.lock);
    const auto it = r.byThread.find(threadId);
    return it == r.byThread.end() ? nullptr : it->second.lock();
}

void WakeQueue(ThreadQueue& queue) {
    {
        const std::lock_guard guard(queue.lock);
        queue.woken = true;
    }
    queue.wake.notify_all();
}

bool PostToQueue(ThreadQueue& queue, const MSG& msg) {
    {
        const std::lock_guard guard(queue.lock);
        if (!queue.alive) return false;
        queue.posted.push_back(msg);
        queue.woken = true;
    }
    queue.wake.notify_all();
    return true;
}

LRESULT SendAcrossThreads(ThreadQueue& target, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<ThreadQueue> self = CurrentQueue();
    auto sm = std::make_shared<SentMessage>();
    sm->hwnd = hwnd;
    sm->message = message;
    sm->wParam = wParam;
    sm->lParam = lParam;
    sm->sender = self;
    {
        const std::lock_guard guard(target.lock);
        if (!target.alive) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        target.sent.push_back(sm);
        target.woken = true;
    }
    target.wake.notify_all();
    for (;;) {
        HandleSentMessages(*self);
        std::unique_lock guard(self->lock);
        self->wake.wait(guard, [&] { return sm->done || !self->sent.empty(); });
        if (sm->done) break;
    }
    return sm->result;
}

bool HandleSentMessages(ThreadQueue& queue) {
    bool any = false;
    for (;;) {
        std::shared_ptr<SentMessage> sm;
        {
            const std::lock_guard guard(queue.lock);
            if (queue.sent.empty()) break;
            sm = queue.sent.front();
            queue.sent.pop_front();
        }
        any = true;
        Complete(*sm, CallWindowProcedure(sm->hwnd, sm->message, sm->wParam, sm->lParam));
    }
    return any;
}

bool LookForMessage(ThreadQueue& queue, MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    while (TakeActivateRequest(queue) || HandleSentMessages(queue)) {
    }
    if (TakePosted(queue, out, filter, filterMin, filterMax, remove)) {
        if (remove) NoteKey(queue, *out);
    } else if (!TakeQuit(queue, out, remove) && !TakePaint(queue, out, filter, filterMin, filterMax) &&
               !TakeTimer(queue, out, filter, filterMin, filterMax, remove)) {
        return false;
    }
    if (remove) queue.last = *out;
    return true;
}

void WaitForQueue(ThreadQueue& queue) {
    std::unique_lock guard(queue.lock);
    if (queue.woken) return;
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(kLongestQueueWait);
    // A live clock moves by itself: sleep only until the next timer is due. A frozen one moves when
    // advanced, and the clock listener wakes every queue then.
    if (!queue.timers.empty() && !ClockFrozen()) {
        std::int64_t next = queue.timers.front().due;
        for (const Timer& t : queue.timers) next = std::min(next, t.due);
        wait = std::min(wait, std::chrono::milliseconds(std::max<std::int64_t>(0, next - ClockNowMs())));
    }
    queue.wake.wait_for(guard, wait, [&] { return queue.woken; });
}

DWORD MessageTime() { return static_cast<DWORD>(ClockNowMs()); }

}  // namespace platform
