// Modal and modeless dialogs. A modal dialog runs its own loop nested in the caller's: the owner is
// disabled, the dialog's messages pass through IsDialogMessageW, and the loop ends with EndDialog.
// The loop also takes the test API's actions and scripted answers when it is idle.
#include <deque>
#include <mutex>
#include <optional>

#include "dialogs/dialog_create.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "user/message_queue.h"
#include "user/modal_loop.h"

namespace platform {
namespace {

struct DialogRecord {
    std::mutex lock;
    std::deque<INT_PTR> answers;
    std::vector<testing::DialogShown> shown;
};

DialogRecord& Record() {
    static DialogRecord record;
    return record;
}

std::size_t Remember(HWND owner, HWND dialog, const DialogTemplateView& view) {
    WCHAR title[256] = {};
    GetWindowTextW(dialog, title, 256);
    std::vector<int> controls;
    for (const DialogItemView& item : view.items) controls.push_back(static_cast<int>(item.id));
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    r.shown.push_back({owner, title, std::move(controls), 0});
    return r.shown.size() - 1;
}

void RememberResult(std::size_t index, INT_PTR result) {
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    if (index < r.shown.size()) r.shown[index].result = result;
}

bool TakeAnswer(INT_PTR* answer) {
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    if (r.answers.empty()) return false;
    *answer = r.answers.front();
    r.answers.pop_front();
    return true;
}

// The modal dialogs of this thread, innermost last.
thread_local std::vector<HWND> modalDialogs;

struct ModalDialogEntry {
    explicit ModalDialogEntry(HWND hwnd) : hwnd_(hwnd) { modalDialogs.push_back(hwnd); }
    ~ModalDialogEntry() { std::erase(modalDialogs, hwnd_); }
    ModalDialogEntry(const ModalDialogEntry&) = delete;
    ModalDialogEntry& operator=(const ModalDialogEntry&) = delete;
    HWND hwnd_;
};

// Pumps until the dialog ends. A WM_QUIT ends it and goes on to the loop outside.
void RunLoop(HWND dialog, DialogState& state, ModalLoop& loop) {
    const auto queue = CurrentQueue();
    bool answered = false;
    while (!state.ended && !loop.Ended() && IsWindow(dialog)) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        MSG msg{};
        bool handled = false;
        while (!state.ended && !loop.Ended() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                loop.End(state.result);
                break;
            }
            if (!IsWindow(dialog) || !IsDialogMessageW(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            handled = true;
        }
        if (state.ended || loop.Ended() || !IsWindow(dialog)) break;
        if (RunModalAction()) continue;
        if (INT_PTR answer = 0; !answered && TakeAnswer(&answer)) {
            answered = true;
            EndDialog(dialog, answer);
            continue;
        }
        if (!handled) WaitForQueue(*queue);
    }
}

// The top-level window that holds a window (the window itself for a top-level one).
HWND TopLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

// A dialog that opens another keeps the control that had the focus, to give it back when the other ends.
void KeepOwnersFocus(HWND owner) {
    const HWND top = TopLevelOf(owner);
    const auto ownerState = top ? FindDialog(top) : nullptr;
    const HWND focus = GetFocus();
    if (ownerState && focus && IsChild(top, focus)) ownerState->savedFocus = focus;
}

INT_PTR RunModal(HINSTANCE instance, const DialogTemplateView& view, HWND owner, DLGPROC proc, LPARAM param) {
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    KeepOwnersFocus(owner);
    std::optional<ModalLoop> loop(std::in_place, owner);
    const HWND dialog = MakeDialog(instance, view, owner, proc, param, true, [&](DialogState& s) { s.loop = &*loop; });
    if (!dialog) return -1;
    const auto state = FindDialog(dialog);
    if (!state) return -1;
    const ModalDialogEntry entry(dialog);
    const std::size_t record = Remember(owner, dialog, view);
    if (!state->ended) {
        ShowWindow(dialog, SW_SHOW);
        RunLoop(dialog, *state, *loop);
    }
    const INT_PTR result = state->result;
    state->loop = nullptr;
    RememberResult(record, result);
    // The owner comes back (enabled and active) before the dialog goes, so that activation passes
    // straight to it and nothing else is activated in between.
    loop.reset();
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result;
}

}  // namespace
}  // namespace platform

using namespace platform;

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner, DLGPROC proc,
                                LPARAM param) {
    const auto view = dialogTemplate ? ParseDialogTemplate(dialogTemplate) : std::nullopt;
    if (!view) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    return RunModal(instance, *view, owner, proc, param);
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    const auto view = LoadDialogTemplate(instance, templateName);
    if (!view) return -1;
    return RunModal(instance, *view, owner, proc, param);
}

HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner, DLGPROC proc,
                                LPARAM param) {
    const auto view = dialogTemplate ? ParseDialogTemplate(dialogTemplate) : std::nullopt;
    if (!view) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HWND dialog = MakeDialog(instance, *view, owner, proc, param, false);
    if (dialog && (view->style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    const auto view = LoadDialogTemplate(instance, templateName);
    if (!view) return nullptr;
    const HWND dialog = MakeDialog(instance, *view, owner, proc, param, false);
    if (dialog && (view->style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    const auto state = FindDialog(dialog);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    // A later end replaces the result of an earlier one.
    state->result = result;
    state->ended = true;
    if (state->loop) state->loop->End(result);
    // A modeless dialog is only hidden; its owner destroys it.
    if (!state->modal) ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

namespace platform::testing {

void ActInsideDialog(std::function<void(HWND dialog)> action) {
    ActInsideModalLoop([action = std::move(action)] { action(CurrentDialog()); });
}

HWND CurrentDialog() { return modalDialogs.empty() ? nullptr : modalDialogs.back(); }

bool DialogIsOpen(HWND dialog) {
    const auto state = FindDialog(dialog);
    return state && !state->ended && IsWindow(dialog);
}

void AnswerDialog(INT_PTR result) {
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    r.answers.push_back(result);
}

std::vector<DialogShown> DialogsShown() {
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    return r.shown;
}

void ClearDialogs() {
    DialogRecord& r = Record();
    const std::lock_guard guard(r.lock);
    r.shown.clear();
    r.answers.clear();
}

}  // namespace platform::testing
