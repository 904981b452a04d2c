// The window records of this process and the tree they form, for every area that works on windows
// (drawing, shell, dialogs, controls). Every field of a record is read and written under WindowLock();
// window procedures are never called with it held.
//
// Invariants:
//  1. A handle is never reused; a destroyed window's record stays reachable only through shared_ptr
//     copies, and lookups of its handle fail.
//  2. Rectangles are in screen coordinates; moving a window moves its descendants with it.
//  3. `children` and the top-level list are in z-order, topmost first. Owned windows lie above their owner.
//  4. A window belongs to the thread that created it; only that thread calls its procedure.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user.h"

namespace platform {

struct ThreadQueue;
struct WindowClass;

enum class WindowLife { Creating, Alive, Destroying, Destroyed };

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    std::shared_ptr<ThreadQueue> queue;  // of the thread that created it
    DWORD threadId = 0;
    WindowLife life = WindowLife::Creating;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string text;
    RECT rect{};              // screen coordinates
    HWND parent = nullptr;    // child windows
    HWND owner = nullptr;     // top-level windows
    std::vector<HWND> children;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;          // control identifier of a child, menu of a top-level window
    HINSTANCE instance = nullptr;
    std::vector<BYTE> extra;  // the class's window extra bytes
    // Scroll bars shown beside the client area (the scroll bar area sets these).
    bool vscrollShown = false;
    bool hscrollShown = false;
    // What needs painting, in client coordinates; empty when nothing does.
    RECT update{};
    bool updateErase = false;
    unsigned validations = 0;  // counts validations, so a WM_PAINT left unanswered can be noticed
};

std::recursive_mutex& WindowLock();

// The live record of a handle (being created, alive or being destroyed); nullptr otherwise.
std::shared_ptr<Window> FindWindowRecord(HWND handle);
// As above, but sets ERROR_INVALID_WINDOW_HANDLE when there is none.
std::shared_ptr<Window> WindowOrFail(HWND handle);
// The record of a handle in a window of the calling thread; ERROR_WINDOW_OF_OTHER_THREAD otherwise.
std::shared_ptr<Window> OwnWindowOrFail(HWND handle);

// With WindowLock() held: the record of a handle without reference counting.
Window* Peek(HWND handle);

// A fresh handle from the window handle space (proxies of other processes' windows use it too).
HWND NewWindowHandle();
HWND AddWindow(const std::shared_ptr<Window>& window, bool onTop);  // enters it in the tree
void RemoveWindow(Window& window);                                  // takes it out of the tree
std::vector<HWND> TopLevelWindows();                                // z-order, topmost first
std::vector<HWND> WindowsOfThread(DWORD threadId);                  // every live window, parents first
bool AnyWindowOfClass(const WindowClass* cls);
void RaiseInZOrder(Window& window);  // to the top of its siblings, owned windows above it

// With WindowLock() held.
bool IsTopLevel(const Window& window);
bool IsVisibleChain(const Window& window);  // it and all its parents are visible
Window* TopLevelOf(Window& window);
bool IsDescendant(const Window& ancestor, const Window& window);
void MoveTree(Window& window, LONG dx, LONG dy);  // it and its descendants, in screen coordinates
RECT ClientRectScreen(const Window& window);  // the client area in screen coordinates
POINT ClientOrigin(const Window& window);

// The text kept for a window (DefWindowProcW's WM_SETTEXT and WM_GETTEXT).
void StoreWindowText(HWND hwnd, LPCWSTR text);
std::u16string WindowText(HWND hwnd);

// The desktop window: the whole screen, parent of the top-level windows in GetWindow walks.
HWND DesktopHandle();

}  // namespace platform
