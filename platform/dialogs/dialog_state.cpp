// The dialog records, by window handle.
#include "dialogs/dialog_state.h"

#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct DialogTable {
    std::mutex lock;
    std::unordered_map<HWND, std::shared_ptr<DialogState>> byWindow;
};

DialogTable& Table() {
    static DialogTable table;
    return table;
}

}  // namespace

std::shared_ptr<DialogState> FindDialog(HWND hwnd) {
    DialogTable& t = Table();
    const std::lock_guard guard(t.lock);
    const auto it = t.byWindow.find(hwnd);
    return it == t.byWindow.end() ? nullptr : it->second;
}

std::shared_ptr<DialogState> AddDialog(HWND hwnd) {
    auto state = std::make_shared<DialogState>();
    DialogTable& t = Table();
    const std::lock_guard guard(t.lock);
    t.byWindow[hwnd] = state;
    return state;
}

void ForgetDialog(HWND hwnd) {
    std::shared_ptr<DialogState> last;
    {
        DialogTable& t = Table();
        const std::lock_guard guard(t.lock);
        const auto it = t.byWindow.find(hwnd);
        if (it == t.byWindow.end()) return;
        last = std::move(it->second);
        t.byWindow.erase(it);
    }
    if (last->font) ReleaseDialogFont(last->font);
}

DLGPROC CurrentDialogProc(HWND hwnd, const DialogState& state) {
    // The word is read without disturbing the last error when the class has no room for it.
    const DWORD error = GetLastError();
    const LONG_PTR word = GetWindowLongPtrW(hwnd, DWLP_DLGPROC);
    SetLastError(error);
    return word ? reinterpret_cast<DLGPROC>(word) : state.proc;
}

int ScaleRound(int a, int b, int c) {
    if (c == 0) return -1;
    long long p = static_cast<long long>(a) * b;
    long long q = c;
    if (q < 0) p = -p, q = -q;
    return static_cast<int>(p >= 0 ? (p + q / 2) / q : -((-p + q / 2) / q));
}

void FocusControl(HWND control, bool selectText) {
    if (!control) return;
    SetFocus(control);
    if (selectText && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageW(control, EM_SETSEL, 0, static_cast<LPARAM>(-1));
}

}  // namespace platform
