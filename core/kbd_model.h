// The device's keyboard model, read from its OEM text at start-up, and the translations between
// the letter keys of thumb keyboards and the digits printed on them.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

inline constexpr LONG kKbdModelUnknown = -1;

// Known models; the code is stored and compared as a plain number.
enum KbdModel : LONG {
    kKbdMotoQ = 0,
    kKbdMotoQ9H = 1,
    kKbdMotoQ9M = 2,
    kKbdSamsungSeries = 3,
    kKbdSamsungAce = 4,
    kKbdSamsungBJ2 = 5,
    kKbdDash = 6,
    kKbdPalmTreo = 7,
    kKbdPalmTreo500 = 8,
    kKbdSamsungJack = 9,
    kKbdHtcSnap = 10,
};

// The key code of Shift, which carries the digit 0 on every model.
inline constexpr int kShiftKeyCode = 16;

// The model the OEM text names, or `model` unchanged when none matches.
LONG KbdModelFromOemText(std::u16string_view oem, LONG model);
// Reads the OEM text of the device and sets `model` when it names a known keyboard.
void DetectKbdModel(LONG& model);
// The model's display name; empty for an unknown model.
std::u16string GetKbdModelName(LONG model);

// 1 when `key` is `digit` itself or a letter key that carries it.
int KeyCarriesDigit(LONG model, int key, WCHAR digit);
// The digit character the key carries on this model, or 0.
WCHAR KeyToDigit(LONG model, int key);
// 1 and the capital letter key of a digit in `out`, or 0. On the two-key model the first key is
// chosen when `which` equals the digit's value, else the second.
int DigitToKey(LONG model, WCHAR digit, int which, WCHAR& out);
// Replaces a digit in place by the lower-case letter of its key; other characters stay.
void DigitCharToKeyLetter(LONG model, WCHAR& ch, int which);
// The character to use instead of a typed 'w' or 'x' on models that place other letters there.
WCHAR RemapKbdKey(LONG model, WCHAR ch);
// On the model with symbols printed on its letter keys: the letter of that key.
WCHAR MapSymbolKey(LONG model, WCHAR ch);
