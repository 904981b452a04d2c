// The modal loop shared by message boxes and dialogs.
#include "user/modal_loop.h"

#include <deque>
#include <mutex>

#include "platform/testing_user.h"
#include "platform/threads.h"
#include "user/message_queue.h"
#include "user/window_table.h"

namespace platform {
namespace {

thread_local ModalLoop* innermost = nullptr;

struct ModalActions {
    std::mutex lock;
    std::deque<std::function<void()>> queued;
};

ModalActions& Actions() {
    static ModalActions actions;
    return actions;
}

HWND TopLevelOwner(HWND owner) {
    const std::lock_guard guard(WindowLock());
    Window* w = Peek(owner);
    return w ? TopLevelOf(*w)->handle : nullptr;
}

}  // namespace

ModalLoop::ModalLoop(HWND owner) : owner_(TopLevelOwner(owner)), outer_(innermost) {
    innermost = this;
    if (owner_) ownerWasDisabled_ = EnableWindow(owner_, FALSE) != FALSE;
}

ModalLoop::~ModalLoop() {
    innermost = outer_;
    if (owner_ && !ownerWasDisabled_ && IsWindow(owner_)) {
        EnableWindow(owner_, TRUE);
        if (GetWindowThreadProcessId(owner_, nullptr) == GetCurrentThreadId()) SetActiveWindow(owner_);
    }
}

void ModalLoop::End(INT_PTR result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    WakeQueue(*CurrentQueue());
}

INT_PTR ModalLoop::Run(const std::function<bool(ModalLoop&)>& idle) {
    const auto queue = CurrentQueue();
    while (!ended_) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        MSG msg{};
        bool handled = false;
        while (!ended_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The loop gives way and the quit goes on to the loop outside it.
                PostQuitMessage(static_cast<int>(msg.wParam));
                End(result_);
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            handled = true;
        }
        if (ended_) break;
        if (RunModalAction()) continue;
        if (idle && idle(*this)) continue;
        if (!ended_ && !handled) WaitForQueue(*queue);
    }
    return result_;
}

ModalLoop* CurrentModalLoop() { return innermost; }

bool RunModalAction() {
    std::function<void()> action;
    {
        ModalActions& a = Actions();
        const std::lock_guard guard(a.lock);
        if (a.queued.empty()) return false;
        action = std::move(a.queued.front());
        a.queued.pop_front();
    }
    action();
    return true;
}

}  // namespace platform

namespace platform::testing {

void ActInsideModalLoop(std::function<void()> action) {
    ModalActions& a = Actions();
    const std::lock_guard guard(a.lock);
    a.queued.push_back(std::move(action));
}

bool EndModalLoop(int result) {
    ModalLoop* loop = CurrentModalLoop();
    if (!loop) return false;
    loop->End(result);
    return true;
}

}  // namespace platform::testing
