// The device's input as the stylus and the keys give it, turned into window messages: the stylus
// goes to the window under it (or the one that captured it), the keys to the focused window, the soft
// keys to the soft-key bar on screen, and the Back and Talk keys to the owner of that bar when it
// asked for them (SHCMBM_OVERRIDEKEY). Any thread may call these; the messages are posted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

enum class StylusPress { Tap, Hold };

// `time`: when the press came, in milliseconds on the caller's clock (the desktop's event times).
// A second press within the double-click time and rectangle (GetDoubleClickTime, SM_CXDOUBLECLK,
// SM_CYDOUBLECLK) of the first, on the same window whose class asks for double clicks (CS_DBLCLKS),
// comes as WM_LBUTTONDBLCLK instead of WM_LBUTTONDOWN; the press after a double click is a first
// press again.
void StylusDown(POINT screen, DWORD time, StylusPress press = StylusPress::Tap);
void StylusMove(POINT screen);
void StylusUp(POINT screen);

// A whole stylus gesture made up by a script or a test, pressed and lifted at one point. A tap or a
// hold comes well after any press before it; the second tap of a double tap right after the first.
enum class StylusGesture { Tap, Hold, DoubleTap };
void StylusGestureAt(POINT screen, StylusGesture gesture);

// A key of the device pressed or released (VK_ codes; the keypad's '*' and '#' are VK_TSTAR and
// VK_TPOUND and also give their characters).
void DeviceKey(UINT key, bool down);
// Typed text: WM_CHAR to the focused window, one per character.
void DeviceText(std::u16string_view text);
// Text typed on the device's keyboard: each character a key has is that key pressed (with Shift
// where it needs it), so windows that read key presses see them; others come as WM_CHAR.
void DeviceTypeKeys(std::u16string_view text);

// The key of a name a script or a test uses (UP, SOFT1, BACK, 7, STAR, A-Z or a-z...), or nullopt.
std::optional<UINT> KeyFromName(std::string_view name);

// The press the tap-and-hold recogniser asks about: the oldest press at `screen` not yet asked about
// (older ones are dropped). Held: the press was a hold; Lifted: the stylus came up or moved away;
// Down: it is still down there.
enum class PressState { None, Held, Lifted, Down };
PressState TakePressAt(POINT screen);
// While a press is Down: its state now, without taking it.
PressState PressStateAt(POINT screen);

}  // namespace platform
