// The soft-key bars of this process, for the input that presses their keys and the painter that
// draws them. A bar is a top-level window at the bottom of the screen, owned by the window it serves
// (its parent in SHMENUBARINFO); the bar on screen is the topmost visible one whose owner takes input.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace platform {

struct SoftKeyButton {
    UINT command = 0;
    std::u16string text;
    bool enabled = true;
    int subMenu = -1;  // the pop-up of the bar's menu it opens, or -1
};

// A copy of a bar's buttons and background for the painter; empty when `bar` is no bar.
struct SoftKeyBarView {
    std::vector<SoftKeyButton> buttons;
    std::optional<COLORREF> background;
    int pressed = -1;  // the button whose menu is open
};
std::optional<SoftKeyBarView> ViewOfBar(HWND bar);

// The bar the soft keys act on now, or nullptr.
HWND ShownMenuBar();
// The owner-side handling of a device key given to the bar on screen: what SHCMBM_OVERRIDEKEY set.
WORD BarKeyOverride(HWND bar, UINT key);
HWND BarParent(HWND bar);
// Presses soft key 0 (left) or 1 (right): sends its command or opens its menu.
void PressSoftKey(HWND bar, int index);
// The button under a point of the bar's client area, or -1.
int SoftKeyAt(HWND bar, POINT client);

// A bar of the device's own applications, made from buttons rather than resources; the menu (owned by
// the bar, may be null) holds the pop-ups that buttons with a subMenu open. Its commands go to `parent`,
// but no window owns it: an application may keep it for its next window (ReuseSoftKeyBar), which then
// shows it on top with new buttons; false when `bar` is no such bar.
HWND CreateSoftKeyBar(HWND parent, std::vector<SoftKeyButton> buttons, HMENU menu = nullptr);
bool ReuseSoftKeyBar(HWND bar, HWND parent, std::vector<SoftKeyButton> buttons);

// Where the shell's bars sit: the height of the title and soft-key bars for the present screen.
int ShellBarHeight();
// Moves every bar to the bottom of the screen (after the screen turned).
void PlaceMenuBars();

// The window classes of the shell, registered once.
inline constexpr const WCHAR* kMenuBarClass = u"MS_SOFTKEY_CE_1.0";
inline constexpr const WCHAR* kPopupMenuClass = u"QvPopupMenu";
inline constexpr const WCHAR* kNavBarClass = u"QvNavBar";

}  // namespace platform
