// DrawTextW: text laid out in a rectangle, on one line or broken at words, aligned, cut with an
// ellipsis, with '&' marking the underlined character unless DT_NOPREFIX. Widths come from
// GetTextExtentExPointW, the same advances ExtTextOutW draws with.
#include <algorithm>
#include <string>
#include <vector>

#include "gdi/dc.h"
#include "platform/system.h"

namespace {

constexpr int kTabColumns = 8;
constexpr std::u16string_view kEllipsis = u"...";

struct Line {
    std::u16string text;
    int underline = -1;  // index in text of the prefixed character, or -1
};

class Measure {
public:
    explicit Measure(HDC dc) : dc_(dc) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        tabWidth_ = std::max<LONG>(1, tm.tmAveCharWidth) * kTabColumns;
    }
    // The width of text with tabs at every tab stop when expanding them.
    int Width(std::u16string_view text, bool tabs) const {
        int x = 0;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t tab = tabs ? text.find(u'\t', start) : std::u16string_view::npos;
            const std::u16string_view segment = text.substr(start, tab == std::u16string_view::npos ? text.npos : tab - start);
            SIZE size{};
            GetTextExtentPoint32W(dc_, segment.data(), static_cast<int>(segment.size()), &size);
            x += size.cx;
            if (tab == std::u16string_view::npos) break;
            x = (x / tabWidth_ + 1) * tabWidth_;
            start = tab + 1;
        }
        return x;
    }
    int TabWidth() const { return tabWidth_; }

private:
    HDC dc_;
    int tabWidth_;
};

// Removes the '&' marks: "&&" stands for '&', "&x" underlines x.
std::u16string StripPrefixes(std::u16string_view text, int& underline) {
    std::u16string out;
    underline = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&') underline = static_cast<int>(out.size());
        } else if (text[i] == u'&') {
            continue;
        }
        out += text[i];
    }
    return out;
}

std::vector<std::u16string> Paragraphs(const std::u16string& text, bool single) {
    std::vector<std::u16string> out;
    if (single) {
        std::u16string line;
        for (char16_t c : text)
            if (c != u'\r' && c != u'\n') line += c;
        out.push_back(line);
        return out;
    }
    std::u16string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            out.push_back(line);
            line.clear();
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            line += text[i];
        }
    }
    out.push_back(line);
    return out;
}

// Greedy breaking at blanks; a word longer than the line is broken only for edit controls.
void BreakParagraph(const std::u16string& text, int width, const Measure& m, bool tabs, bool breakWords,
                    std::vector<std::u16string>& lines) {
    std::size_t start = 0;
    while (true) {
        if (m.Width(std::u16string_view(text).substr(start), tabs) <= width) {
            lines.push_back(text.substr(start));
            return;
        }
        // The longest run of words from start that fits.
        std::size_t end = start, fitEnd = std::u16string::npos;
        while (end < text.size()) {
            std::size_t next = text.find(u' ', end);
            if (next == std::u16string::npos) next = text.size();
            if (m.Width(std::u16string_view(text).substr(start, next - start), tabs) > width) break;
            fitEnd = next;
            end = next + 1;
        }
        if (fitEnd == std::u16string::npos) {
            // Not even the first word fits.
            std::size_t wordEnd = text.find(u' ', start);
            if (wordEnd == std::u16string::npos) wordEnd = text.size();
            if (breakWords) {
                std::size_t n = 1;
                while (start + n < wordEnd &&
                       m.Width(std::u16string_view(text).substr(start, n + 1), tabs) <= width)
                    ++n;
                lines.push_back(text.substr(start, n));
                start += n;
                continue;
            }
            fitEnd = wordEnd;
        }
        lines.push_back(text.substr(start, fitEnd - start));
        start = fitEnd;
        while (start < text.size() && text[start] == u' ') ++start;
        if (start >= text.size()) return;
    }
}

std::u16string WithEllipsis(const std::u16string& text, int width, const Measure& m, bool tabs) {
    if (m.Width(text, tabs) <= width) return text;
    // Widths grow with the head: halving finds the longest head that fits with "...", where
    // dropping one character at a time took minutes on a long text.
    std::size_t fits = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t mid = fits + (tooLong - fits) / 2;
        if (m.Width(text.substr(0, mid) + std::u16string(kEllipsis), tabs) <= width) fits = mid;
        else tooLong = mid;
    }
    return text.substr(0, fits) + std::u16string(kEllipsis);
}

}  // namespace

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    if (!rect || !text || !platform::gdi::LookupDc(dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string source(text, static_cast<std::size_t>(count < 0 ? std::char_traits<char16_t>::length(text) : count));
    if (source.empty()) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top;
        }
        return 0;
    }
    const bool single = format & DT_SINGLELINE;
    const bool tabs = format & DT_EXPANDTABS;
    int underline = -1;
    if (!(format & DT_NOPREFIX)) source = StripPrefixes(source, underline);

    const Measure m(dc);
    const int width = rect->right - rect->left;
    // Lines with the position of their first character in the stripped text (for the underline).
    std::vector<Line> lines;
    std::size_t offset = 0;
    for (const std::u16string& paragraph : Paragraphs(source, single)) {
        std::vector<std::u16string> broken;
        if ((format & DT_WORDBREAK) && !single)
            BreakParagraph(paragraph, width, m, tabs, format & DT_EDITCONTROL, broken);
        else
            broken.push_back(paragraph);
        std::size_t searchFrom = offset;
        for (const std::u16string& segment : broken) {
            const std::size_t at = source.find(segment, searchFrom);
            Line line{segment, -1};
            if (underline >= 0 && at != std::u16string::npos && static_cast<std::size_t>(underline) >= at &&
                static_cast<std::size_t>(underline) < at + segment.size())
                line.underline = underline - static_cast<int>(at);
            if (at != std::u16string::npos) searchFrom = at + segment.size();
            lines.push_back(line);
        }
        offset += paragraph.size() + 1;
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        for (Line& line : lines) {
            const std::u16string cut = WithEllipsis(line.text, width, m, tabs);
            if (cut != line.text && line.underline >= static_cast<int>(cut.size() - kEllipsis.size())) line.underline = -1;
            line.text = cut;
        }

    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const int height = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, m.Width(line.text, tabs));

    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    int top = rect->top;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    const int saved = SaveDC(dc);
    if (!(format & DT_NOCLIP)) IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    int y = top;
    for (const Line& line : lines) {
        const int lineWidth = m.Width(line.text, tabs);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (width - lineWidth) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - lineWidth;
        // Segments between tabs are drawn at their tab stops.
        std::size_t start = 0;
        int px = x;
        while (start <= line.text.size()) {
            const std::size_t tab = tabs ? line.text.find(u'\t', start) : std::u16string::npos;
            const std::size_t end = tab == std::u16string::npos ? line.text.size() : tab;
            ExtTextOutW(dc, px, y, 0, nullptr, line.text.data() + start, static_cast<UINT>(end - start), nullptr);
            px = x + m.Width(std::u16string_view(line.text).substr(0, end), tabs);
            if (tab == std::u16string::npos) break;
            px = x + ((px - x) / m.TabWidth() + 1) * m.TabWidth();
            start = tab + 1;
        }
        if (line.underline >= 0) {
            const int from = x + m.Width(std::u16string_view(line.text).substr(0, line.underline), tabs);
            const int to = x + m.Width(std::u16string_view(line.text).substr(0, line.underline + 1), tabs);
            HBRUSH brush = CreateSolidBrush(GetTextColor(dc));
            const RECT mark{from, y + tm.tmAscent + 1, to, y + tm.tmAscent + 2};
            FillRect(dc, &mark, brush);
            DeleteObject(brush);
        }
        y += lineHeight;
    }
    RestoreDC(dc, saved);
    if (single && (format & (DT_VCENTER | DT_BOTTOM))) return top - rect->top + lineHeight;
    return height;
}
