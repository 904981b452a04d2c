// TranslateMessage and the key state: WM_CHAR from WM_KEYDOWN by the host keyboard's layout.
#include "user/key_characters.h"

#include "platform/system.h"
#include "user/message_queue.h"
#include "user/window_table.h"

namespace platform {
namespace {

constexpr BYTE kKeyDown = 0x80;
constexpr BYTE kKeyToggled = 0x01;
constexpr WCHAR kFirstControlCharacter = 1;  // Ctrl+A

struct KeyCharacter {
    UINT key;
    WCHAR plain;
    WCHAR shifted;
};

// Keys other than letters that give a character.
constexpr KeyCharacter kKeyCharacters[] = {
    {'0', u'0', u')'}, {'1', u'1', u'!'}, {'2', u'2', u'@'}, {'3', u'3', u'#'}, {'4', u'4', u'$'},
    {'5', u'5', u'%'}, {'6', u'6', u'^'}, {'7', u'7', u'&'}, {'8', u'8', u'*'}, {'9', u'9', u'('},
    {VK_SPACE, u' ', u' '}, {VK_RETURN, u'\r', u'\r'}, {VK_BACK, u'\b', u'\b'}, {VK_TAB, u'\t', u'\t'},
    {VK_ESCAPE, 0x1B, 0x1B}, {VK_MULTIPLY, u'*', u'*'}, {VK_ADD, u'+', u'+'}, {VK_SUBTRACT, u'-', u'-'},
    {VK_DECIMAL, u'.', u'.'}, {VK_DIVIDE, u'/', u'/'}, {VK_OEM_1, u';', u':'}, {VK_OEM_PLUS, u'=', u'+'},
    {VK_OEM_COMMA, u',', u'<'}, {VK_OEM_MINUS, u'-', u'_'}, {VK_OEM_PERIOD, u'.', u'>'}, {VK_OEM_2, u'/', u'?'},
    {VK_OEM_3, u'`', u'~'}, {VK_OEM_4, u'[', u'{'}, {VK_OEM_5, u'\\', u'|'}, {VK_OEM_6, u']', u'}'},
    {VK_OEM_7, u'\'', u'"'},
};

bool Down(const ThreadQueue& q, int key) { return (q.keys[key] & kKeyDown) != 0; }

// 0 when the key gives no character.
WCHAR CharacterOf(const ThreadQueue& q, UINT key) {
    const bool shift = Down(q, VK_SHIFT);
    if (key >= 'A' && key <= 'Z') {
        if (Down(q, VK_CONTROL)) return static_cast<WCHAR>(kFirstControlCharacter + (key - 'A'));
        const bool upper = shift != ((q.keys[VK_CAPITAL] & kKeyToggled) != 0);
        return static_cast<WCHAR>((upper ? u'A' : u'a') + (key - 'A'));
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<WCHAR>(u'0' + (key - VK_NUMPAD0));
    if (Down(q, VK_CONTROL)) return 0;
    for (const KeyCharacter& k : kKeyCharacters)
        if (k.key == key) return shift ? k.shifted : k.plain;
    return 0;
}

}  // namespace

std::optional<KeyStroke> KeyForCharacter(WCHAR c) {
    if (c >= u'a' && c <= u'z') return KeyStroke{static_cast<UINT>('A' + (c - u'a')), false};
    if (c >= u'A' && c <= u'Z') return KeyStroke{static_cast<UINT>(c), true};
    // The main keyboard's keys before the keypad's, which give some of the same characters.
    for (const KeyCharacter& k : kKeyCharacters) {
        if (k.key >= VK_NUMPAD0 && k.key <= VK_DIVIDE) continue;
        if (k.plain == c) return KeyStroke{k.key, false};
        if (k.shifted == c) return KeyStroke{k.key, true};
    }
    return std::nullopt;
}

}  // namespace platform

using namespace platform;

BOOL TranslateMessage(const MSG* msg) {
    if (!msg) return FALSE;
    const bool keyDown = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    const bool keyMessage = keyDown || msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    if (!keyMessage) return FALSE;
    if (!keyDown || msg->wParam >= 256) return TRUE;
    const auto queue = CurrentQueue();
    const WCHAR c = CharacterOf(*queue, static_cast<UINT>(msg->wParam));
    if (!c) return TRUE;
    const UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    {
        // The character comes next, before anything posted after the key.
        const std::lock_guard guard(queue->lock);
        queue->posted.push_front(MSG{msg->hwnd, charMessage, c, msg->lParam, msg->time, msg->pt});
        queue->woken = true;
    }
    return TRUE;
}

SHORT GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= 256) return 0;
    const BYTE state = CurrentQueue()->keys[virtualKey];
    return static_cast<SHORT>(((state & kKeyDown) ? 0x8000 : 0) | (state & kKeyToggled));
}

SHORT GetAsyncKeyState(int virtualKey) { return GetKeyState(virtualKey); }
