// Drawing text word by word with its links marked, and telling which words are links. Words that
// cannot stand alone (an unclosed bracket tag, a lone group of digits) are joined with the next.
#include "ui/text_links.h"

#include "core/app_settings.h"
#include "core/text_util.h"
#include "platform/gdi.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;

// Draws one run of text at x and returns the x after it.
int DrawRun(HDC dc, int x, int y, std::u16string_view run) {
    if (run.empty()) return x;
    const int count = static_cast<int>(run.size());
    ReadableTextOut(dc, x, y, run);
    SIZE extent{};
    GetTextExtentExPointW(dc, run.data(), count, 0, nullptr, nullptr, &extent);
    return x + extent.cx;
}

// The underlined font is made on the first link of a call and kept for the rest of it; when it
// cannot be made the link is drawn in the current font.
int DrawLink(HDC dc, int x, int y, std::u16string_view word, OwnedFont& linkFont) {
    if (!linkFont) linkFont.Reset(CreateUnderlineFont(dc));
    const COLORREF previous = SetTextColor(dc, kLinkColor);
    int next = x;
    {
        const SelectScope select(dc, linkFont.Get());
        next = DrawRun(dc, x, y, word);
    }
    SetTextColor(dc, previous);
    return next;
}

int DrawClassified(HDC dc, int x, int y, std::u16string_view word, OwnedFont& linkFont) {
    int kind = kLinkNone;
    if (ClassifyLinkText(word, kind)) return DrawLink(dc, x, y, word, linkFont);
    return DrawRun(dc, x, y, word);
}

bool AllPass(std::u16string_view text, bool (*test)(WCHAR)) {
    for (const WCHAR c : text) {
        if (!test(c)) return false;
    }
    return true;
}

}  // namespace

void DrawStrAt(HDC dc, int x, int y, std::u16string_view text, int withLinks) {
    if (g_Settings.shadowText) {
        DrawShadowText(dc, x, y, text);
    } else if (withLinks == kPlainText) {
        ReadableTextOut(dc, x, y, text);
    } else {
        DrawTextWithLinks(dc, x, y, text);
    }
}

void DrawTextWithLinks(HDC dc, int x, int y, std::u16string_view text) {
    OwnedFont linkFont;
    std::u16string_view rest = text;
    std::size_t sp = rest.find(u' ');
    if (sp == kNone) {
        DrawClassified(dc, x, y, rest, linkFont);
        return;
    }
    std::u16string pending;
    while (true) {
        std::u16string word(rest.substr(0, sp));
        if (IsNoLinkWord(word)) {
            // Only two words are ever joined.
            rest.remove_prefix(sp + 1);
            sp = rest.find(u' ');
            word += u' ';
            if (sp != kNone) {
                word.append(rest.substr(0, sp));
            } else {
                word.append(rest);
                rest = {};
            }
        }
        word = TrimSpaces(word);
        int kind = kLinkNone;
        if (!ClassifyLinkText(word, kind)) {
            pending += word;
            pending += u' ';
        } else {
            x = DrawRun(dc, x, y, pending);
            x = DrawLink(dc, x, y, word, linkFont);
            pending = u" ";
        }
        if (sp == kNone) break;
        rest.remove_prefix(sp + 1);
        sp = rest.find(u' ');
    }
    if (pending == u" " && rest.empty()) pending.clear();
    x = DrawRun(dc, x, y, pending);
    if (!rest.empty()) DrawClassified(dc, x, y, rest, linkFont);
}

bool ClassifyLinkText(std::u16string_view text, int& kind) {
    if (IsCtsName(text)) {
        kind = kLinkContact;
    } else if (LooksLikePhoneNumber(text)) {
        kind = kLinkPhone;
    } else if (IsMailAddress(text)) {
        kind = kLinkMail;
    } else if (IsWebAddress(text)) {
        kind = kLinkWeb;
    } else {
        return false;
    }
    return true;
}

bool IsMailAddress(std::u16string_view text) {
    const std::size_t at = text.find(u'@');
    if (at == kNone) return false;
    const std::size_t dot = text.rfind(u'.');
    if (dot == kNone || dot == at || dot == at + 1 || dot + 1 == text.size()) return false;
    // A last dot before the at sign fails here: the at sign is no e-mail character.
    if (dot < at) return false;
    return AllPass(text.substr(0, at), IsEmailChar) && AllPass(text.substr(at + 1, dot - at - 1), IsEmailChar) &&
           AllPass(text.substr(dot), IsEmailChar);
}

bool IsWebAddress(std::u16string_view text) {
    const std::size_t d1 = text.find(u'.');
    if (d1 == kNone) return false;
    const std::size_t d2 = d1 + 1 < text.size() ? text.find(u'.', d1 + 1) : kNone;
    if (d2 != kNone && (d2 == d1 + 1 || d2 == d1 + 2)) return false;
    if (text.back() == u'.' || d1 + 2 >= text.size()) return false;
    if (!AllPass(text, IsUrlChar)) return false;
    return DetectUrl(text);
}
