// SendMessageW, PostMessageW, PostThreadMessageW, GetMessageW, PeekMessageW, DispatchMessageW and
// PostQuitMessage: the calls over the thread queues of message_queue.h.
#include <algorithm>

#include "platform/system.h"
#include "platform/threads.h"
#include "controls/scroll_bar.h"
#include "user/message_queue.h"
#include "user/remote_windows.h"
#include "user/update_region.h"
#include "user/window_proc.h"
#include "user/window_table.h"

namespace platform {
namespace {

// PeekMessageW's window filter for thread messages only.
const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

bool FilterIsValid(HWND filter) {
    if (!filter || filter == kThreadMessagesOnly) return true;
    const auto w = FindWindowRecord(filter);
    return w && w->threadId == GetCurrentThreadId();
}

}  // namespace

// A WM_PAINT the window procedure leaves unanswered would come back at once, for ever; what it did
// not validate is validated after it returns. The window's scroll bars lie outside its client area,
// where its own painting cannot reach: they are drawn after it.
LRESULT DeliverPaint(HWND hwnd) {
    unsigned before = 0;
    {
        const std::lock_guard guard(WindowLock());
        const Window* w = Peek(hwnd);
        if (!w) return 0;
        before = w->validations;
    }
    const LRESULT result = CallWindowProcedure(hwnd, WM_PAINT, 0, 0);
    bool validated = true;
    {
        const std::lock_guard guard(WindowLock());
        if (const Window* w = Peek(hwnd)) validated = w->validations != before;
    }
    if (!validated) TakeUpdateRegion(hwnd, nullptr, nullptr);
    PaintWindowBars(hwnd);
    return result;
}

LRESULT CallWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC proc = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        Window* w = Peek(hwnd);
        if (!w) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        proc = w->proc;
    }
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform

using namespace platform;

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        // Every top-level window of the process hears it; the answers are not collected.
        for (HWND top : TopLevelWindows()) SendMessageW(top, message, wParam, lParam);
        return TRUE;
    }
    if (IsProxyWindow(hwnd)) return RemoteSendMessage(hwnd, message, wParam, lParam);
    const auto w = WindowOrFail(hwnd);
    if (!w) return 0;
    if (w->threadId == GetCurrentThreadId()) return CallWindowProcedure(hwnd, message, wParam, lParam);
    if (!w->queue) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return SendAcrossThreads(*w->queue, hwnd, message, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd) return PostThreadMessageW(GetCurrentThreadId(), message, wParam, lParam);
    if (IsProxyWindow(hwnd)) return RemotePostMessage(hwnd, message, wParam, lParam) ? TRUE : FALSE;
    const auto w = WindowOrFail(hwnd);
    if (!w) return FALSE;
    if (!w->queue || !PostToQueue(*w->queue, MSG{hwnd, message, wParam, lParam, MessageTime(), {}})) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto queue = threadId == GetCurrentThreadId() ? CurrentQueue() : QueueOfThread(threadId);
    if (!queue || !PostToQueue(*queue, MSG{nullptr, message, wParam, lParam, MessageTime(), {}})) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    return TRUE;
}

BOOL GetMessageW(LPMSG msg, HWND filter, UINT filterMin, UINT filterMax) {
    if (!msg || !FilterIsValid(filter)) {
        SetLastError(msg ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return -1;
    }
    const auto queue = CurrentQueue();
    for (;;) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        if (LookForMessage(*queue, msg, filter, filterMin, filterMax, true))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        WaitForQueue(*queue);
    }
}

BOOL PeekMessageW(LPMSG msg, HWND filter, UINT filterMin, UINT filterMax, UINT remove) {
    if (!msg || !FilterIsValid(filter)) {
        SetLastError(msg ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto queue = CurrentQueue();
    return LookForMessage(*queue, msg, filter, filterMin, filterMax, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL WaitMessage() {
    const auto queue = CurrentQueue();
    MSG msg{};
    for (;;) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        if (LookForMessage(*queue, &msg, nullptr, 0, 0, false)) return TRUE;
        WaitForQueue(*queue);
    }
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (!msg->hwnd) return 0;
    const auto w = OwnWindowOrFail(msg->hwnd);
    if (!w) return 0;
    if (msg->message == WM_PAINT) return DeliverPaint(msg->hwnd);
    // The stylus on a window's own scroll bars scrolls it; its procedure never hears of that press.
    if (TakeWindowBarPen(*msg)) return 0;
    return CallWindowProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int exitCode) {
    const auto queue = CurrentQueue();
    {
        const std::lock_guard guard(queue->lock);
        queue->quit = true;
        queue->quitCode = exitCode;
        queue->woken = true;
    }
    queue->wake.notify_all();
}

DWORD GetMessagePos() {
    const auto queue = CurrentQueue();
    return static_cast<DWORD>(MAKELONG(queue->last.pt.x, queue->last.pt.y));
}

LONG GetMessageTime() { return static_cast<LONG>(CurrentQueue()->last.time); }

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return proc(hwnd, message, wParam, lParam);
}
