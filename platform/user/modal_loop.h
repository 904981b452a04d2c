// Modal loops: a message box or dialog keeps the thread's other windows running while it waits for
// its answer. The loop disables the owner's top-level window for its lifetime, pumps the thread's
// messages, and when nothing is left calls its idle step (where a box with no one to answer it picks
// its default, and where a drawn box waits for the user). Actions given by the test API run there too.
#pragma once

#include <functional>

#include "platform/user.h"

namespace platform {

class ModalLoop {
public:
    explicit ModalLoop(HWND owner);
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Runs until End; `idle` is called each time the queue is empty and may end the loop. When it
    // returns false (nothing to do now) the loop waits for the next message.
    INT_PTR Run(const std::function<bool(ModalLoop&)>& idle);
    void End(INT_PTR result);
    bool Ended() const { return ended_; }
    HWND Owner() const { return owner_; }

private:
    HWND owner_ = nullptr;
    bool ownerWasDisabled_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
    ModalLoop* outer_ = nullptr;
};

// The innermost modal loop of the calling thread, or nullptr.
ModalLoop* CurrentModalLoop();

// Takes one action queued for modal loops (the test API's ActInsideModalLoop); false when none.
bool RunModalAction();

}  // namespace platform
