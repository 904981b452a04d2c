// SDL2 is loaded when a desktop window is first opened, not at process start: its library and the
// many it pulls in (sound, X11, Wayland) cost a headless run and every test a good part of its start.
// The SDL functions the display uses are defined here and call the loaded library.
#include <SDL.h>
#include <dlfcn.h>

namespace {

void* Library() {
    static void* const library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    return library;
}

template <class F>
F Symbol(const char* name) {
    void* const library = Library();
    return library ? reinterpret_cast<F>(dlsym(library, name)) : nullptr;
}

}  // namespace

// Each forwarder looks its function up once.
#define QV_SDL_FN(name) static const auto fn = Symbol<decltype(&name)>(#name)

SDL_bool SDL_SetHint(const char* name, const char* value) {
    QV_SDL_FN(SDL_SetHint);
    return fn ? fn(name, value) : SDL_FALSE;
}

int SDL_Init(Uint32 flags) {
    QV_SDL_FN(SDL_Init);
    return fn ? fn(flags) : -1;
}

const char* SDL_GetError() {
    QV_SDL_FN(SDL_GetError);
    return fn ? fn() : "the SDL2 library cannot be loaded";
}

void SDL_Quit() {
    QV_SDL_FN(SDL_Quit);
    if (fn) fn();
}

// The rest run only after SDL_Init succeeded, so the library is there.
SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags) {
    QV_SDL_FN(SDL_CreateWindow);
    return fn(title, x, y, w, h, flags);
}

void SDL_DestroyWindow(SDL_Window* window) {
    QV_SDL_FN(SDL_DestroyWindow);
    fn(window);
}

void SDL_SetWindowSize(SDL_Window* window, int w, int h) {
    QV_SDL_FN(SDL_SetWindowSize);
    fn(window, w, h);
}

SDL_Renderer* SDL_CreateRenderer(SDL_Window* window, int index, Uint32 flags) {
    QV_SDL_FN(SDL_CreateRenderer);
    return fn(window, index, flags);
}

void SDL_DestroyRenderer(SDL_Renderer* renderer) {
    QV_SDL_FN(SDL_DestroyRenderer);
    fn(renderer);
}

SDL_Texture* SDL_CreateTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h) {
    QV_SDL_FN(SDL_CreateTexture);
    return fn(renderer, format, access, w, h);
}

void SDL_DestroyTexture(SDL_Texture* texture) {
    QV_SDL_FN(SDL_DestroyTexture);
    fn(texture);
}

int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch) {
    QV_SDL_FN(SDL_UpdateTexture);
    return fn(texture, rect, pixels, pitch);
}

int SDL_RenderClear(SDL_Renderer* renderer) {
    QV_SDL_FN(SDL_RenderClear);
    return fn(renderer);
}

int SDL_RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst) {
    QV_SDL_FN(SDL_RenderCopy);
    return fn(renderer, texture, src, dst);
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
    QV_SDL_FN(SDL_RenderPresent);
    fn(renderer);
}

SDL_Cursor* SDL_CreateSystemCursor(SDL_SystemCursor id) {
    QV_SDL_FN(SDL_CreateSystemCursor);
    return fn(id);
}

void SDL_FreeCursor(SDL_Cursor* cursor) {
    QV_SDL_FN(SDL_FreeCursor);
    fn(cursor);
}

void SDL_SetCursor(SDL_Cursor* cursor) {
    QV_SDL_FN(SDL_SetCursor);
    fn(cursor);
}

void SDL_StartTextInput() {
    QV_SDL_FN(SDL_StartTextInput);
    fn();
}

int SDL_WaitEventTimeout(SDL_Event* event, int timeout) {
    QV_SDL_FN(SDL_WaitEventTimeout);
    return fn(event, timeout);
}

int SDL_PollEvent(SDL_Event* event) {
    QV_SDL_FN(SDL_PollEvent);
    return fn(event);
}

int SDL_PushEvent(SDL_Event* event) {
    QV_SDL_FN(SDL_PushEvent);
    return fn(event);
}

SDL_Keycode SDL_GetKeyFromName(const char* name) {
    QV_SDL_FN(SDL_GetKeyFromName);
    return fn(name);
}
