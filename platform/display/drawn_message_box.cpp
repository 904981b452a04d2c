// The drawn message box; see drawn_message_box.h. The box window lives while its modal loop waits:
// the presenter opens it at the loop's first idle step and keeps pumping until a button ends the loop.
#include "display/drawn_message_box.h"

#include <deque>
#include <map>
#include <mutex>

#include "display/box_paint.h"
#include "platform/device.h"
#include "user/message_box.h"
#include "user/message_queue.h"
#include "user/modal_loop.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr int kBoxMargin96 = 8;
constexpr int kButtonHeight96 = 22;
constexpr int kButtonGap96 = 6;

struct ButtonName {
    int button;
    std::u16string_view text;
};
constexpr ButtonName kButtonNames[] = {
    {IDOK, u"OK"},       {IDCANCEL, u"Cancel"}, {IDABORT, u"Abort"}, {IDRETRY, u"Retry"},
    {IDIGNORE, u"Ignore"}, {IDYES, u"Yes"},      {IDNO, u"No"},
};

struct Box {
    MessageBoxView view;
    ModalLoop* loop = nullptr;
};

std::mutex boxesLock;
std::map<HWND, Box> boxes;
std::deque<std::function<void()>> boxActions;  // under boxesLock

bool RunBoxAction() {
    std::function<void()> action;
    {
        const std::lock_guard guard(boxesLock);
        if (boxActions.empty()) return false;
        action = std::move(boxActions.front());
        boxActions.pop_front();
    }
    action();
    return true;
}

Box* PeekBox(HWND hwnd) {
    const auto it = boxes.find(hwnd);
    return it == boxes.end() ? nullptr : &it->second;
}

void Answer(HWND hwnd, int button) {
    ModalLoop* loop = nullptr;
    {
        const std::lock_guard guard(boxesLock);
        if (Box* b = PeekBox(hwnd)) loop = b->loop;
    }
    if (loop) loop->End(button);
}

// Back answers Cancel or No when the box has one; a box with OK only takes OK.
int BackAnswer(const std::vector<int>& buttons) {
    for (const int wanted : {IDCANCEL, IDNO})
        for (const int b : buttons)
            if (b == wanted) return b;
    return buttons.size() == 1 ? buttons.front() : 0;
}

LRESULT OnBoxKey(HWND hwnd, WPARAM key) {
    int answer = 0;
    {
        const std::lock_guard guard(boxesLock);
        Box* b = PeekBox(hwnd);
        if (!b) return 0;
        const int count = static_cast<int>(b->view.buttons.size());
        switch (key) {
        case VK_LEFT: b->view.focused = (b->view.focused + count - 1) % count; break;
        case VK_RIGHT: b->view.focused = (b->view.focused + 1) % count; break;
        case VK_RETURN: answer = b->view.buttons[static_cast<std::size_t>(b->view.focused)]; break;
        case VK_F1: answer = b->view.buttons.front(); break;
        case VK_F2: answer = b->view.buttons.back(); break;
        case VK_ESCAPE: answer = BackAnswer(b->view.buttons); break;
        default: return 0;
        }
    }
    if (answer) Answer(hwnd, answer);
    else InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnBoxTap(HWND hwnd, LPARAM lParam) {
    const POINT at{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    RECT client{};
    GetClientRect(hwnd, &client);
    int answer = 0;
    {
        const std::lock_guard guard(boxesLock);
        Box* b = PeekBox(hwnd);
        if (!b) return 0;
        const auto rects = MessageBoxButtonRects(b->view, {client.right, client.bottom});
        for (std::size_t i = 0; i < rects.size(); ++i)
            if (PtInRect(&rects[i], at)) answer = b->view.buttons[i];
    }
    if (answer) Answer(hwnd, answer);
    return 0;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return PaintMessageBox(hwnd);
    case WM_KEYDOWN: return OnBoxKey(hwnd, wParam);
    case WM_HOTKEY: return HIWORD(lParam) == VK_ESCAPE ? OnBoxKey(hwnd, VK_ESCAPE) : 0;
    case WM_LBUTTONUP: return OnBoxTap(hwnd, lParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterBoxClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = BoxProc;
        wc.lpszClassName = kMessageBoxClass;
        RegisterClassW(&wc);
    });
}

int FocusedIndex(const MessageBoxRequest& request) {
    for (std::size_t i = 0; i < request.buttons.size(); ++i)
        if (request.buttons[i] == request.defaultButton) return static_cast<int>(i);
    return 0;
}

// Pumps the thread until the loop has its answer (the box's buttons end it).
void WaitForAnswer(ModalLoop& loop) {
    const auto queue = CurrentQueue();
    while (!loop.Ended()) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        MSG msg{};
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                loop.End(0);  // the box's default
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
        if (RunBoxAction() || RunModalAction()) continue;
        WaitForQueue(*queue);
    }
}

bool PresentBox(ModalLoop& loop, const MessageBoxRequest& request) {
    RegisterBoxClass();
    const RECT work = WorkArea();
    const int margin = ScaleToScreen(kBoxMargin96);
    const int width = work.right - work.left - 2 * margin;
    const int height = std::min<int>(BoxHeightFor(request.text, request.caption, width, request.type & MB_ICONMASK),
                                     work.bottom - work.top);
    const int top = work.top + std::max(0, (work.bottom - work.top - height) / 2);
    const HWND box = CreateWindowExW(WS_EX_TOPMOST, kMessageBoxClass, request.caption.c_str(), WS_POPUP,
                                     work.left + margin, top, width, height, loop.Owner(), nullptr, nullptr, nullptr);
    if (!box) return false;
    {
        const std::lock_guard guard(boxesLock);
        Box& b = boxes[box];
        b.view = {request.caption, request.text, request.type & MB_ICONMASK, request.buttons, FocusedIndex(request)};
        b.loop = &loop;
    }
    ShowWindow(box, SW_SHOW);
    SetFocus(box);
    WaitForAnswer(loop);
    {
        const std::lock_guard guard(boxesLock);
        boxes.erase(box);
    }
    DestroyWindow(box);
    return true;
}

}  // namespace

void UseDrawnMessageBoxes(bool use) { SetMessageBoxPresenter(use ? MessageBoxPresenter(PresentBox) : nullptr); }

void QueueBoxAction(std::function<void()> action) {
    const std::lock_guard guard(boxesLock);
    boxActions.push_back(std::move(action));
}

void DropBoxActions() {
    const std::lock_guard guard(boxesLock);
    boxActions.clear();
}

bool ViewOfMessageBox(HWND box, MessageBoxView& out) {
    const std::lock_guard guard(boxesLock);
    const Box* b = PeekBox(box);
    if (!b) return false;
    out = b->view;
    return true;
}

std::vector<RECT> MessageBoxButtonRects(const MessageBoxView& view, SIZE client) {
    const int margin = ScaleToScreen(kBoxMargin96);
    const int gap = ScaleToScreen(kButtonGap96);
    const int height = ScaleToScreen(kButtonHeight96);
    const int count = static_cast<int>(view.buttons.size());
    std::vector<RECT> rects;
    if (count == 0) return rects;
    const int width = (client.cx - 2 * margin - (count - 1) * gap) / count;
    const int top = client.cy - margin - height;
    for (int i = 0; i < count; ++i) {
        const int left = margin + i * (width + gap);
        rects.push_back({left, top, left + width, top + height});
    }
    return rects;
}

std::u16string MessageBoxButtonText(int button) {
    for (const ButtonName& n : kButtonNames)
        if (n.button == button) return std::u16string(n.text);
    return {};
}

}  // namespace platform
