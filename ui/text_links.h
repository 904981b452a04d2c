// Text as every painter draws it: plainly, with the shadow the settings ask for, or with the links
// in it (contact names in brackets, phone numbers, e-mail and web addresses) underlined in the link
// colour, so that the user sees what a tap on the item opens.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// The kinds of link ClassifyLinkText finds.
enum LinkKind : int {
    kLinkNone = 0,
    kLinkPhone = 2,
    kLinkMail = 4,
    kLinkWeb = 5,
    kLinkContact = 14,
};

// Blue-ish link colour (red 0x50, green 0x50, blue 0xE0).
inline constexpr COLORREF kLinkColor = 0xE05050;

// DrawStrAt's last argument.
inline constexpr int kPlainText = 0;
inline constexpr int kWithLinks = 1;

// Draws the text with its top-left corner at (x, y) in the context's current font and colours.
void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int withLinks);
// The text along one line from x, its links underlined in the link colour.
void DrawTextWithLinks(HDC dc, int x, int y, std::u16string_view text);
// True with the kind when the text is a link.
bool ClassifyLinkText(std::u16string_view text, int& kind);
bool IsMailAddress(std::u16string_view text);
bool IsWebAddress(std::u16string_view text);
