// The SDL2 desktop window; see desktop_window.h.
//
// Threads: the window and all SDL calls live on the desktop thread. It reads the screen through
// CopyScreenPixels (which locks the screen) and hands input to device_input.cpp, which posts it to
// the windows' queues; the one request it makes of the user-interface thread (turn the screen) goes
// as a message to the navigation bar. Nothing else crosses.
#include "display/desktop_window.h"

#include <SDL.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "display/device_input.h"
#include "display/screen_pixels.h"
#include "platform/text.h"
#include "user/cursor.h"
#include "platform/shell.h"
#include "shell/nav_bar.h"

namespace platform {
namespace {

constexpr Uint32 kFrameMs = 33;
constexpr auto kOpenTimeout = std::chrono::seconds(10);
constexpr const char* kWindowTitle = "Quorvia";

struct KeyMapping {
    SDL_Keycode sdl;
    UINT key;
};

// Desktop keys and the device keys they stand for.
constexpr KeyMapping kKeyMappings[] = {
    {SDLK_UP, VK_UP},         {SDLK_DOWN, VK_DOWN},       {SDLK_LEFT, VK_LEFT},     {SDLK_RIGHT, VK_RIGHT},
    {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_F1, VK_TSOFT1},     {SDLK_F2, VK_TSOFT2},
    {SDLK_ESCAPE, VK_TBACK},  {SDLK_F3, VK_TTALK},        {SDLK_F4, VK_TEND},       {SDLK_BACKSPACE, VK_BACK},
    {SDLK_DELETE, VK_DELETE}, {SDLK_TAB, VK_TAB},         {SDLK_HOME, VK_HOME},     {SDLK_END, VK_END},
    {SDLK_PAGEUP, VK_PRIOR},  {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_0, '0'},            {SDLK_1, '1'},
    {SDLK_2, '2'},            {SDLK_3, '3'},              {SDLK_4, '4'},            {SDLK_5, '5'},
    {SDLK_6, '6'},            {SDLK_7, '7'},              {SDLK_8, '8'},            {SDLK_9, '9'},
    {SDLK_KP_0, '0'},         {SDLK_KP_1, '1'},           {SDLK_KP_2, '2'},         {SDLK_KP_3, '3'},
    {SDLK_KP_4, '4'},         {SDLK_KP_5, '5'},           {SDLK_KP_6, '6'},         {SDLK_KP_7, '7'},
    {SDLK_KP_8, '8'},         {SDLK_KP_9, '9'},           {SDLK_ASTERISK, VK_TSTAR}, {SDLK_KP_MULTIPLY, VK_TSTAR},
    {SDLK_HASH, VK_TPOUND},   {SDLK_SPACE, VK_SPACE},     {SDLK_LSHIFT, VK_SHIFT},  {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_KP_PERIOD, VK_DECIMAL},
};

// Characters that come from keys already (the keypad, the letter keys the program reads as keys,
// the space bar, the period key); typed text leaves them out.
bool ComesFromKey(char16_t c) {
    constexpr std::u16string_view kShiftedKeys = u")!@#$%^&*(>";
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u' ' ||
           c == u'.' || kShiftedKeys.find(c) != std::u16string_view::npos;
}

struct Desktop {
    std::mutex lock;
    std::condition_variable changed;
    std::thread thread;
    std::atomic<bool> stop{false};
    bool settled = false;  // under lock: the thread has opened the window or given up
    bool open = false;     // under lock
    HWND navBar = nullptr;
};

Desktop& TheDesktop() {
    static Desktop desktop;
    return desktop;
}

class Presenter {
public:
    bool Open() {
        const ScreenCopy screen = CopyScreenPixels();
        window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, screen.width,
                                   screen.height, SDL_WINDOW_SHOWN);
        if (!window_) return false;
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        return renderer_ != nullptr;
    }
    ~Presenter() {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
    }
    void Present() {
        const ScreenCopy screen = CopyScreenPixels();
        if (screen.width != width_ || screen.height != height_) {
            if (texture_) SDL_DestroyTexture(texture_);
            width_ = screen.width;
            height_ = screen.height;
            SDL_SetWindowSize(window_, width_, height_);
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width_, height_);
        }
        if (!texture_) return;
        SDL_UpdateTexture(texture_, nullptr, screen.pixels.data(), width_ * static_cast<int>(sizeof(std::uint32_t)));
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

void OnKey(const SDL_KeyboardEvent& e, HWND navBar) {
    const bool down = e.type == SDL_KEYDOWN;
    if (down && e.keysym.sym == SDLK_r && (e.keysym.mod & KMOD_CTRL)) {
        if (!e.repeat) PostMessageW(navBar, kNavBarRotateMessage, 0, 0);
        return;
    }
    // Ctrl+H is the shell's Help.
    if (e.keysym.sym == SDLK_h && (e.keysym.mod & KMOD_CTRL)) {
        if (!e.repeat) DeviceKey(VK_HELP, down);
        return;
    }
    // Letter keys are keys of the device's keyboard: the program reads them as keys and gets their
    // characters from TranslateMessage.
    if (e.keysym.sym >= SDLK_a && e.keysym.sym <= SDLK_z) {
        DeviceKey(static_cast<UINT>('A' + (e.keysym.sym - SDLK_a)), down);
        return;
    }
    for (const KeyMapping& m : kKeyMappings)
        if (m.sdl == e.keysym.sym) {
            DeviceKey(m.key, down);
            return;
        }
}

void OnText(const SDL_TextInputEvent& e) {
    std::u16string text;
    for (const char16_t c : platform::FromUtf8(e.text))
        if (!ComesFromKey(c)) text.push_back(c);
    if (!text.empty()) DeviceText(text);
}

void OnQuit() {
    // Closing the desktop window closes the program in front.
    if (const HWND fg = GetForegroundWindow()) PostMessageW(fg, WM_CLOSE, 0, 0);
}

void HandleEvent(const SDL_Event& e, HWND navBar) {
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) StylusDown({e.button.x, e.button.y}, e.button.timestamp);
        break;
    case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT) StylusUp({e.button.x, e.button.y});
        break;
    case SDL_MOUSEMOTION:
        if (e.motion.state & SDL_BUTTON_LMASK) StylusMove({e.motion.x, e.motion.y});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(e.key, navBar); break;
    case SDL_TEXTINPUT: OnText(e.text); break;
    case SDL_QUIT: OnQuit(); break;
    }
}

void Settle(Desktop& d, bool open) {
    {
        const std::lock_guard guard(d.lock);
        d.settled = true;
        d.open = open;
    }
    d.changed.notify_all();
}

// The pointer over the window follows the program's cursor: the wait cursor shows as busy.
class PointerShape {
public:
    PointerShape()
        : arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)), wait_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT)) {}
    ~PointerShape() {
        if (arrow_) SDL_FreeCursor(arrow_);
        if (wait_) SDL_FreeCursor(wait_);
    }
    PointerShape(const PointerShape&) = delete;
    PointerShape& operator=(const PointerShape&) = delete;

    void Follow() {
        const bool wait = platform::WaitCursorShown();
        if (wait == waitShown_) return;
        waitShown_ = wait;
        if (SDL_Cursor* cursor = wait ? wait_ : arrow_) SDL_SetCursor(cursor);
    }

private:
    SDL_Cursor* arrow_;
    SDL_Cursor* wait_;
    bool waitShown_ = false;
};

void RunDesktop(Desktop& d) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Only a desktop someone looks at: without its server SDL would fall back on a window drawn
    // off screen, and the program would run on unseen. SDL_VIDEODRIVER, when set, still decides.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "quorvia: no desktop window (%s); the screen stays headless\n", SDL_GetError());
        // What the failed start made (its bus connection) goes too.
        SDL_Quit();
        Settle(d, false);
        return;
    }
    {
        Presenter presenter;
        if (!presenter.Open()) {
            std::fprintf(stderr, "quorvia: no desktop window (%s); the screen stays headless\n", SDL_GetError());
            Settle(d, false);
        } else {
            SDL_StartTextInput();
            Settle(d, true);
            PointerShape pointer;
            while (!d.stop) {
                SDL_Event e;
                if (SDL_WaitEventTimeout(&e, static_cast<int>(kFrameMs))) {
                    HandleEvent(e, d.navBar);
                    while (SDL_PollEvent(&e)) HandleEvent(e, d.navBar);
                }
                pointer.Follow();
                presenter.Present();
            }
        }
    }
    SDL_Quit();
}

}  // namespace

bool OpenDesktopWindow(HWND navBar) {
    Desktop& d = TheDesktop();
    if (d.thread.joinable()) return DesktopWindowIsOpen();
    d.stop = false;
    d.settled = false;
    d.open = false;
    d.navBar = navBar;
    d.thread = std::thread([&d] { RunDesktop(d); });
    std::unique_lock guard(d.lock);
    d.changed.wait_for(guard, kOpenTimeout, [&] { return d.settled; });
    return d.open;
}

void CloseDesktopWindow() {
    Desktop& d = TheDesktop();
    if (!d.thread.joinable()) return;
    d.stop = true;
    d.thread.join();
    const std::lock_guard guard(d.lock);
    d.open = false;
}

bool DesktopWindowIsOpen() {
    Desktop& d = TheDesktop();
    const std::lock_guard guard(d.lock);
    return d.open;
}

bool PushDesktopTap(int x, int y) {
    if (!DesktopWindowIsOpen()) return false;
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    if (SDL_PushEvent(&e) < 0) return false;
    e.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    return SDL_PushEvent(&e) >= 0;
}

bool PushDesktopKey(const char* name) {
    if (!DesktopWindowIsOpen()) return false;
    const SDL_Keycode key = SDL_GetKeyFromName(name);
    if (key == SDLK_UNKNOWN) return false;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    if (SDL_PushEvent(&e) < 0) return false;
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    return SDL_PushEvent(&e) >= 0;
}

}  // namespace platform
