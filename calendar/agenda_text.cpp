// Word wrapping for the agenda lists and previews: a line breaks at the last blank that fits, or
// inside a word that alone is wider than the line.
#include "calendar/agenda_text.h"

#include <algorithm>

#include "platform/gdi.h"
#include "ui/draw_prims.h"

int AgendaLineHeight(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, u"XXX", 3, &size);
    return size.cy;
}

int AgendaTextWidth(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawAgendaText(HDC dc, int x, int y, std::u16string_view text) { ReadableTextOut(dc, x, y, text); }

std::u16string TrimTrailing(std::u16string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == u' ' || text[end - 1] == u'\t' || text[end - 1] == u'\r' ||
                       text[end - 1] == u'\n')) {
        --end;
    }
    return std::u16string(text.substr(0, end));
}

namespace {

// How many characters of the text start a line no wider than the width (at least one). A line is
// taken to hold no more characters than it is wide in pixels, and only that head is measured:
// measuring the whole rest of a long text for each of its lines takes time by the square of its length.
std::size_t FitLine(HDC dc, std::u16string_view text, int width) {
    width = std::max(width, 1);
    const std::u16string_view head = text.substr(0, static_cast<std::size_t>(width) + 1);
    const std::u16string_view line = head.substr(0, head.find_first_of(u"\r\n"));
    int fits = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, line.data(), static_cast<int>(line.size()), width, &fits, nullptr, &size);
    if (static_cast<std::size_t>(fits) >= line.size()) return line.size();
    const std::size_t blank = line.substr(0, static_cast<std::size_t>(fits) + 1).find_last_of(u' ');
    if (blank != std::u16string_view::npos && blank > 0) return blank;
    return std::max<std::size_t>(static_cast<std::size_t>(fits), 1);
}

}  // namespace

int WrapAgendaText(HDC dc, int x, int y, int firstWidth, int left, int width, std::u16string_view text, int draw,
                   int spacing) {
    const int lineHeight = AgendaLineHeight(dc);
    int height = 0;
    bool firstLine = true;
    while (!text.empty()) {
        const std::size_t count = FitLine(dc, text, firstLine ? firstWidth : width);
        if (draw) DrawAgendaText(dc, firstLine ? x : left, y + height, text.substr(0, count));
        height += lineHeight + spacing;
        text.remove_prefix(count);
        if (!text.empty() && text.front() == u'\r') text.remove_prefix(1);
        if (!text.empty() && (text.front() == u'\n' || text.front() == u' ')) text.remove_prefix(1);
        firstLine = false;
    }
    return height;
}
