// Routing the device's stylus and keys to windows; see device_input.h.
#include "display/device_input.h"

#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/shell.h"
#include "shell/key_messages.h"
#include "shell/menu_bar.h"
#include "user/key_characters.h"
#include "user/message_queue.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace platform {
namespace {

// A stylus that wanders further than this from where it came down is no longer held there.
constexpr LONG kHoldTolerance = 5;
constexpr WPARAM kStylusDownFlag = 0x0001;  // MK_LBUTTON
// Between the two presses of a made-up double tap, as a quick hand gives them.
constexpr DWORD kDoubleTapGapMs = 120;

struct Press {
    POINT at{};
    bool held = false;
    bool lifted = false;
};

// The first press of a possible double click.
struct FirstPress {
    HWND target = nullptr;
    POINT at{};
    DWORD time = 0;
};

struct Stylus {
    std::mutex lock;
    bool down = false;
    HWND target = nullptr;  // where the press went, for its moves and its lifting
    std::deque<Press> presses;
    std::optional<FirstPress> first;  // none after a double click
    DWORD lastTime = 0;               // of the latest press, for made-up presses
};

Stylus& TheStylus() {
    static Stylus stylus;
    return stylus;
}

struct NamedKey {
    std::string_view name;
    UINT key;
};

constexpr NamedKey kKeyNames[] = {
    {"UP", VK_UP},         {"DOWN", VK_DOWN},     {"LEFT", VK_LEFT},    {"RIGHT", VK_RIGHT},
    {"ENTER", VK_RETURN},  {"SOFT1", VK_TSOFT1},  {"SOFT2", VK_TSOFT2}, {"BACK", VK_TBACK},
    {"TALK", VK_TTALK},    {"END", VK_TEND},      {"STAR", VK_TSTAR},   {"HASH", VK_TPOUND},
    {"HELP", VK_HELP},
    {"0", '0'}, {"1", '1'}, {"2", '2'}, {"3", '3'}, {"4", '4'},
    {"5", '5'}, {"6", '6'}, {"7", '7'}, {"8", '8'}, {"9", '9'},
    {"SPACE", VK_SPACE},   {"BACKSPACE", VK_BACK}, {"DELETE", VK_DELETE}, {"TAB", VK_TAB},
};

// Keys of the keypad that give a character of their own besides the key.
struct KeypadCharacter {
    UINT key;
    WCHAR character;
};
constexpr KeypadCharacter kKeypadCharacters[] = {{VK_TSTAR, u'*'}, {VK_TPOUND, u'#'}};

bool Near(POINT a, POINT b) { return std::abs(a.x - b.x) <= kHoldTolerance && std::abs(a.y - b.y) <= kHoldTolerance; }

void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, POINT screen = {}) {
    const auto w = FindWindowRecord(hwnd);
    if (!w || !w->queue) return;
    PostToQueue(*w->queue, MSG{hwnd, message, wParam, lParam, MessageTime(), screen});
}

// The foreground window's thread's focus, else the foreground window, else the topmost window
// that takes input.
HWND KeyTarget() {
    HWND target = GetForegroundWindow();
    if (target) {
        const std::lock_guard guard(WindowLock());
        const Window* w = Peek(target);
        if (w && w->queue && w->queue->focus && Peek(w->queue->focus)) return w->queue->focus;
        return target;
    }
    for (const HWND h : TopLevelWindows())
        if (IsWindowVisible(h) && IsWindowEnabled(h) && !(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) return h;
    return nullptr;
}

HWND CaptureOfForeground() {
    const HWND fg = GetForegroundWindow();
    const std::lock_guard guard(WindowLock());
    const Window* w = fg ? Peek(fg) : nullptr;
    return w && w->queue && w->queue->capture && Peek(w->queue->capture) ? w->queue->capture : nullptr;
}

bool AsksForDoubleClicks(HWND hwnd) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(hwnd);
    return w && w->cls && (w->cls->info.style & CS_DBLCLKS);
}

// Whether a press at `screen` at `time` on `target` completes the double click begun by `first`.
bool CompletesDoubleClick(const FirstPress& first, HWND target, POINT screen, DWORD time) {
    // The rectangle is centred on the first press.
    const LONG halfWidth = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    const LONG halfHeight = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    return target == first.target && std::abs(screen.x - first.at.x) <= halfWidth &&
           std::abs(screen.y - first.at.y) <= halfHeight && time - first.time <= GetDoubleClickTime();
}

LPARAM ClientPoint(HWND hwnd, POINT screen) {
    POINT p = screen;
    ScreenToClient(hwnd, &p);
    return MAKELPARAM(static_cast<SHORT>(p.x), static_cast<SHORT>(p.y));
}

void PostKey(HWND target, UINT key, bool down) {
    if (target) Post(target, down ? WM_KEYDOWN : WM_KEYUP, key, down ? kKeyDownBits : kKeyUpBits);
}

}  // namespace

void StylusDown(POINT screen, DWORD time, StylusPress press) {
    Stylus& s = TheStylus();
    HWND target = CaptureOfForeground();
    if (!target) target = WindowFromPoint(screen);
    const bool doubleClicks = target && AsksForDoubleClicks(target);
    bool second = false;
    {
        const std::lock_guard guard(s.lock);
        s.down = true;
        s.target = target;
        s.lastTime = time;
        second = doubleClicks && press == StylusPress::Tap && s.first && CompletesDoubleClick(*s.first, target, screen, time);
        // A double click is no press a tap-and-hold is asked of: kept, it would answer for a later
        // press at the same point.
        if (!second) s.presses.push_back({screen, press == StylusPress::Hold, false});
        if (second) s.first.reset();
        else s.first = FirstPress{target, screen, time};
    }
    if (target)
        Post(target, second ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, kStylusDownFlag, ClientPoint(target, screen), screen);
}

void StylusMove(POINT screen) {
    Stylus& s = TheStylus();
    HWND target = nullptr;
    {
        const std::lock_guard guard(s.lock);
        if (!s.down) return;
        target = s.target;
        if (!s.presses.empty() && !Near(s.presses.back().at, screen)) s.presses.back().lifted = true;
    }
    if (const HWND capture = CaptureOfForeground()) target = capture;
    if (target) Post(target, WM_MOUSEMOVE, kStylusDownFlag, ClientPoint(target, screen), screen);
}

void StylusUp(POINT screen) {
    Stylus& s = TheStylus();
    HWND target = nullptr;
    {
        const std::lock_guard guard(s.lock);
        if (!s.down) return;
        s.down = false;
        target = s.target;
        s.target = nullptr;
        if (!s.presses.empty()) s.presses.back().lifted = true;
    }
    if (const HWND capture = CaptureOfForeground()) target = capture;
    if (target) Post(target, WM_LBUTTONUP, 0, ClientPoint(target, screen), screen);
}

void StylusGestureAt(POINT screen, StylusGesture gesture) {
    DWORD time = 0;
    {
        Stylus& s = TheStylus();
        const std::lock_guard guard(s.lock);
        time = s.lastTime + GetDoubleClickTime() + 1;
    }
    StylusDown(screen, time, gesture == StylusGesture::Hold ? StylusPress::Hold : StylusPress::Tap);
    StylusUp(screen);
    if (gesture != StylusGesture::DoubleTap) return;
    StylusDown(screen, time + kDoubleTapGapMs, StylusPress::Tap);
    StylusUp(screen);
}

PressState PressStateAt(POINT screen) {
    Stylus& s = TheStylus();
    const std::lock_guard guard(s.lock);
    for (const Press& p : s.presses)
        if (p.at.x == screen.x && p.at.y == screen.y) return p.held ? PressState::Held : p.lifted ? PressState::Lifted : PressState::Down;
    return PressState::None;
}

PressState TakePressAt(POINT screen) {
    Stylus& s = TheStylus();
    const std::lock_guard guard(s.lock);
    while (!s.presses.empty()) {
        const Press p = s.presses.front();
        s.presses.pop_front();
        if (p.at.x == screen.x && p.at.y == screen.y) return p.held ? PressState::Held : p.lifted ? PressState::Lifted : PressState::Down;
    }
    return PressState::None;
}

void DeviceKey(UINT key, bool down) {
    // Help of the shell's Start menu: the program in front is asked for its help.
    if (key == VK_HELP) {
        if (const HWND front = GetForegroundWindow(); front && down) Post(front, WM_HELP, 0, 0);
        return;
    }
    const HWND bar = ShownMenuBar();
    const WORD overrides = bar ? BarKeyOverride(bar, key) : 0;
    if (overrides & SHMBOF_NOTIFY) {
        // The owner hears of each press once, as WM_HOTKEY with the key in the high word.
        if (down) Post(BarParent(bar), WM_HOTKEY, key, MAKELPARAM(0, key));
    }
    if (overrides & SHMBOF_NODEFAULT) return;
    if (bar && (key == VK_TSOFT1 || key == VK_TSOFT2)) {
        PostKey(bar, key, down);
        return;
    }
    const HWND target = KeyTarget();
    PostKey(target, key, down);
    if (!down || !target) return;
    for (const KeypadCharacter& k : kKeypadCharacters)
        if (k.key == key) Post(target, WM_CHAR, k.character, kKeyDownBits);
}

void DeviceText(std::u16string_view text) {
    const HWND target = KeyTarget();
    if (!target) return;
    for (const WCHAR c : text) Post(target, WM_CHAR, c, kKeyDownBits);
}

std::optional<UINT> KeyFromName(std::string_view name) {
    for (const NamedKey& k : kKeyNames)
        if (k.name == name) return k.key;
    // A letter names its key, in either case, as on the device's keyboard.
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return static_cast<UINT>('A' + (name[0] - 'a'));
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<UINT>(name[0]);
    return std::nullopt;
}

void DeviceTypeKeys(std::u16string_view text) {
    for (const WCHAR c : text) {
        const std::optional<KeyStroke> stroke = KeyForCharacter(c);
        if (!stroke) {
            DeviceText(std::u16string_view(&c, 1));
            continue;
        }
        if (stroke->shift) DeviceKey(VK_SHIFT, true);
        DeviceKey(stroke->key, true);
        DeviceKey(stroke->key, false);
        if (stroke->shift) DeviceKey(VK_SHIFT, false);
    }
}

}  // namespace platform
