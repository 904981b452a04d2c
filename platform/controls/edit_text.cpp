// The edit control's text: selection, limit, undo and line layout (see edit_text.h).
#include "controls/edit_text.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {
namespace {

bool IsBreakAt(std::u16string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == u'\n' || (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n'));
}

std::size_t BreakLength(std::u16string_view text, std::size_t pos) { return text[pos] == u'\r' ? 2 : 1; }

bool IsWordChar(WCHAR c) { return IsCharAlphaNumericW(c) != FALSE || c == u'_'; }

}  // namespace

std::size_t EditText::Clamp(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    // Never between the two characters of "\r\n".
    if (pos > 0 && pos < text_.size() && text_[pos - 1] == u'\r' && text_[pos] == u'\n') --pos;
    return pos;
}

void EditText::SetText(std::u16string_view text) {
    text_.assign(text);
    anchor_ = caret_ = 0;
    canUndo_ = false;
}

void EditText::Select(std::size_t anchor, std::size_t caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void EditText::Remember() {
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    canUndo_ = true;
}

bool EditText::ReplaceSelection(std::u16string_view text, bool keepUndo) {
    const std::size_t start = SelStart();
    const std::size_t removed = SelEnd() - start;
    const std::size_t room = limit_ > text_.size() - removed ? limit_ - (text_.size() - removed) : 0;
    std::u16string_view fitting = text.substr(0, std::min(text.size(), room));
    // A cut never splits a break.
    if (!fitting.empty() && fitting.size() < text.size() && fitting.back() == u'\r' && text[fitting.size()] == u'\n')
        fitting.remove_suffix(1);
    const bool whole = fitting.size() == text.size();
    if (removed == 0 && fitting.empty()) return whole;
    if (keepUndo) Remember();
    text_.replace(start, removed, fitting);
    anchor_ = caret_ = start + fitting.size();
    modified_ = true;
    return whole;
}

bool EditText::DeleteBack() {
    if (!HasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = PrevPosition(caret_);
    }
    return ReplaceSelection({}), true;
}

bool EditText::DeleteForward() {
    if (!HasSelection()) {
        if (caret_ >= text_.size()) return false;
        anchor_ = NextPosition(caret_);
    }
    return ReplaceSelection({}), true;
}

bool EditText::Undo() {
    if (!canUndo_) return false;
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    modified_ = true;
    return true;
}

std::size_t EditText::PrevPosition(std::size_t pos) const {
    if (pos == 0) return 0;
    if (pos >= 2 && text_[pos - 1] == u'\n' && text_[pos - 2] == u'\r') return pos - 2;
    return pos - 1;
}

std::size_t EditText::NextPosition(std::size_t pos) const {
    if (pos >= text_.size()) return text_.size();
    if (IsBreakAt(text_, pos)) return pos + BreakLength(text_, pos);
    return pos + 1;
}

std::pair<std::size_t, std::size_t> EditText::WordAt(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    if (text_.empty()) return {0, 0};
    std::size_t at = pos < text_.size() ? pos : pos - 1;
    const bool word = IsWordChar(text_[at]);
    auto same = [&](WCHAR c) { return word ? IsWordChar(c) : (!IsWordChar(c) && c != u' ' && c != u'\r' && c != u'\n'); };
    if (!same(text_[at])) return {pos, pos};
    std::size_t start = at;
    while (start > 0 && same(text_[start - 1])) --start;
    std::size_t end = at;
    while (end < text_.size() && same(text_[end])) ++end;
    return {start, end};
}

FitRun FitByMeasure(MeasureRun measure) {
    return [measure = std::move(measure)](std::u16string_view text, int width) {
        std::size_t low = 0, high = text.size();
        while (low < high) {
            const std::size_t mid = (low + high + 1) / 2;
            if (measure(text.substr(0, mid)) <= width) low = mid;
            else high = mid - 1;
        }
        return low;
    };
}

std::vector<EditLine> LayoutEditLines(std::u16string_view text, int wrapWidth, const FitRun& fit) {
    std::vector<EditLine> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = start;
        while (end < text.size() && !IsBreakAt(text, end)) ++end;
        // Wrap the paragraph [start, end) into lines no wider than the width.
        std::size_t lineStart = start;
        while (wrapWidth > 0 && lineStart < end) {
            const std::size_t fits = fit(text.substr(lineStart, end - lineStart), wrapWidth);
            if (lineStart + fits >= end) break;
            const std::size_t over = lineStart + std::max<std::size_t>(fits, 1);  // at least one character per line
            // Break after the last space that fits, else inside the word.
            std::size_t cut = over;
            for (std::size_t i = over; i > lineStart; --i)
                if (text[i - 1] == u' ') {
                    cut = i;
                    break;
                }
            // Spaces at the end of a wrapped line stay on it.
            while (cut < end && text[cut] == u' ') ++cut;
            lines.push_back({lineStart, cut - lineStart, cut});
            lineStart = cut;
        }
        if (end >= text.size()) {
            lines.push_back({lineStart, end - lineStart, end});
            break;
        }
        const std::size_t next = end + BreakLength(text, end);
        lines.push_back({lineStart, end - lineStart, next});
        start = next;
    }
    return lines;
}

std::size_t LineOfPosition(const std::vector<EditLine>& lines, std::size_t pos) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (pos < lines[i + 1].start) return i;
    return lines.empty() ? 0 : lines.size() - 1;
}

std::size_t PositionAtX(std::u16string_view text, const EditLine& line, int x, const MeasureRun& measure) {
    if (x <= 0 || line.length == 0) return line.start;
    const std::u16string_view run = text.substr(line.start, line.length);
    // The longest beginning no wider than x, then whichever edge of the next character is nearer.
    const std::size_t n = FitByMeasure(measure)(run, x);
    if (n >= run.size()) return line.start + run.size();
    const int before = measure(run.substr(0, n));
    const int after = measure(run.substr(0, n + 1));
    return line.start + (x - before < after - x ? n : n + 1);
}

}  // namespace platform
