// Text of item rows shared by the views and the lists: fitting, splitting and wrapping, and the
// categories' icons.
#include "ui/text_wrap.h"

#include <algorithm>

#include "core/cat_record.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/item_paint.h"

namespace {

bool IsLeadSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string TrimRight(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::u16string(text);
}

std::u16string TrimLeft(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return std::u16string(text);
}

// The longest head of text whose `fits` holds (0 when none does). Widths grow with the head, so the
// head is found by doubling and then halving, in a few measurements of about its own length: a long
// text measured one character shorter at a time froze the lists.
template <class Fits>
std::size_t LongestFittingHead(std::u16string_view text, Fits fits) {
    std::size_t good = 0;
    std::size_t bad = text.size() + 1;
    for (std::size_t probe = std::min<std::size_t>(64, text.size()); probe < bad;
         probe = std::min(probe * 2, text.size())) {
        if (!fits(probe)) {
            bad = probe;
            break;
        }
        good = probe;
        if (probe == text.size()) break;
    }
    while (bad - good > 1) {
        const std::size_t mid = good + (bad - good) / 2;
        if (fits(mid)) good = mid;
        else bad = mid;
    }
    return good;
}

const CatRecord* FindCategory(std::u16string_view name) {
    for (int i = 0; i < g_CatList.Size(); ++i)
        if (platform::CompareNoCase(g_CatList[i].name, name) == 0) return &g_CatList[i];
    return nullptr;
}

bool DrawCatFromList(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset, ItemImageList list) {
    const CatRecord* cat = FindCategory(name);
    if (!cat || cat->icon == -1) return false;
    if (draw) DrawItemImage(dc, list, cat->icon, x, y + yOffset);
    return true;
}

}  // namespace

SIZE TextExtent(HDC dc, std::u16string_view text) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

std::size_t EllipsisHeadLength(HDC dc, std::u16string_view text, int width, std::u16string_view tail) {
    std::u16string candidate;
    std::size_t fits = LongestFittingHead(text.substr(0, std::min(text.size(), kFitTextChars)), [&](std::size_t n) {
        candidate.assign(text.substr(0, n));
        candidate += tail;
        return TextExtent(dc, candidate).cx <= width;
    });
    if (fits > 0 && fits < text.size() && IsLeadSurrogate(text[fits - 1])) --fits;
    return fits;
}

std::u16string FitTextWithEllipsis(HDC dc, std::u16string_view text, int width) {
    if (width <= 0) return {};
    if (text.size() <= kFitTextChars && TextExtent(dc, text).cx <= width) return std::u16string(text);
    std::u16string fitted(text.substr(0, EllipsisHeadLength(dc, text, width)));
    fitted += kEllipsis;
    return fitted;
}

std::u16string BreaksToBlanks(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (c == u'\r' || c == u'\n') c = u' ';
    return out;
}

int TextHeight(HDC dc, std::u16string_view sample) { return TextExtent(dc, sample).cy; }

void SplitFirstLine(HDC dc, std::u16string_view text, std::u16string& line, std::u16string& rest, int x,
                    int maxWidth) {
    if (maxWidth < 0) return;
    const auto fits = [&](std::u16string_view part) { return x + TextExtent(dc, part).cx <= maxWidth; };
    const std::size_t cr = text.find(u'\r');
    if (cr != std::u16string_view::npos && fits(text.substr(0, cr))) {
        line = TrimRight(text.substr(0, cr));
        rest = TrimLeft(text.substr(cr + 1));
        return;
    }
    std::size_t length = LongestFittingHead(text, [&](std::size_t n) { return fits(text.substr(0, n)); });
    // The last blank whose head fits ends the line; else as many characters as fit.
    if (const std::size_t blank = text.rfind(u' ', length); blank != std::u16string_view::npos && blank > 0) {
        line = std::u16string(text.substr(0, blank));
        rest = std::u16string(text.substr(blank + 1));
        return;
    }
    // Where not even one character fits, one character still goes on the line, so that a wrap
    // always moves on.
    if (length == 0 && !text.empty()) length = 1;
    line = std::u16string(text.substr(0, length));
    rest = std::u16string(text.substr(length));
}

int DrawWrappedText(HDC dc, std::u16string_view text, int x, int& y, int firstWidth, int nextWidth, int maxY,
                    bool draw, int maxLines, int drawMode, bool strike, int lineGap) {
    if (firstWidth < 1 || nextWidth < 1) return 0;
    std::u16string remaining = TrimRight(text);
    int lastWidth = 0;
    const int sampleHeight = TextHeight(dc, u"X");
    for (int lineNo = 1; !remaining.empty(); ++lineNo) {
        const int limit = lineNo == 1 ? firstWidth : nextWidth;
        std::u16string line;
        std::u16string rest;
        const SIZE whole = TextExtent(dc, remaining);
        if (x + whole.cx > limit || remaining.find(u'\r') != std::u16string::npos) {
            SplitFirstLine(dc, remaining, line, rest, x, limit);
        } else {
            line = remaining;
        }
        const SIZE extent = TextExtent(dc, line);
        const int h = extent.cy > 0 ? extent.cy : sampleHeight;
        lastWidth = extent.cx;
        if (draw) {
            DrawStrAt(dc, x, y, line, drawMode);
            if (strike) {
                MoveToEx(dc, x - 1, y + h / 2 + 1, nullptr);
                LineTo(dc, x + extent.cx + 2, y + h / 2 + 1);
            }
        }
        y += h + lineGap;
        if (maxY != kNoLimit && y >= maxY) break;
        if (maxLines != kNoLimit && lineNo >= maxLines) break;
        remaining = TrimRight(TrimLeft(rest));
    }
    return lastWidth;
}

bool DrawCatIconEx(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset) {
    const bool medium = IsVgaScreen() || IsSquare320Screen();
    return DrawCatFromList(dc, x, y, name, draw, yOffset, medium ? ItemImageList::Medium : ItemImageList::Small);
}

bool DrawCatIcon(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset) {
    return DrawCatFromList(dc, x, y, name, draw, yOffset, ItemImageList::Small);
}

bool DrawCatIconAlt(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset) {
    return DrawCatFromList(dc, x, y, name, draw, yOffset, ItemImageList::Large);
}
