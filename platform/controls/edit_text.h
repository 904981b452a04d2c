// The text of an edit control apart from its window: the characters, the selection (an anchor and
// the caret), the limit, the modify flag, one step of undo, and the lines the text is laid out in.
// Line breaks are "\r\n" (a lone "\n" breaks too); a break counts as the end of its line.
//
// Invariants:
//  1. 0 <= anchor, caret <= text.size(), and neither lies between the '\r' and '\n' of a break.
//  2. Lines cover the text in order; each line's `next` is the start of the following one.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

// The default limit of an edit control, and the most EM_LIMITTEXT with 0 allows.
constexpr std::size_t kEditDefaultLimit = 30000;
constexpr std::size_t kEditMostLimit = 0x7FFFFFFE;

struct EditLine {
    std::size_t start = 0;
    std::size_t length = 0;  // characters shown, without the break
    std::size_t next = 0;    // where the following line starts
};

// Width in pixels of a run of characters as shown.
using MeasureRun = std::function<int(std::u16string_view)>;
// How many characters from the start of a run fit in a width.
using FitRun = std::function<std::size_t(std::u16string_view, int width)>;
// A fit found from the widths of the run's beginnings (they only grow).
FitRun FitByMeasure(MeasureRun measure);

class EditText {
public:
    const std::u16string& Text() const { return text_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t Caret() const { return caret_; }
    std::size_t SelStart() const { return std::min(anchor_, caret_); }
    std::size_t SelEnd() const { return std::max(anchor_, caret_); }
    bool HasSelection() const { return anchor_ != caret_; }

    // Replaces everything (WM_SETTEXT): no limit applies, the selection goes to the start, undo is emptied.
    void SetText(std::u16string_view text);
    // Sets the selection; positions are clamped to the text and moved off the middle of a break.
    void Select(std::size_t anchor, std::size_t caret);
    // Replaces the selection with `text` cut to the limit, as typing or pasting does; the caret
    // follows the new text. False when something had to be cut (nothing or part went in).
    bool ReplaceSelection(std::u16string_view text, bool keepUndo = true);
    // Deletes the selection, or one character (a break as a whole) before or after the caret.
    bool DeleteBack();
    bool DeleteForward();

    std::size_t Limit() const { return limit_; }
    void SetLimit(std::size_t limit) { limit_ = limit == 0 ? kEditMostLimit : limit; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    bool CanUndo() const { return canUndo_; }
    // Puts the text and selection back as they were before the last change; a second undo redoes.
    bool Undo();
    void EmptyUndo() { canUndo_ = false; }

    // Moves of the caret by character and by word; `extend` keeps the anchor.
    std::size_t PrevPosition(std::size_t pos) const;
    std::size_t NextPosition(std::size_t pos) const;
    // The word around a position (letters and digits, or a run of anything else but spaces).
    std::pair<std::size_t, std::size_t> WordAt(std::size_t pos) const;

private:
    std::size_t Clamp(std::size_t pos) const;
    void Remember();

    std::u16string text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t limit_ = kEditDefaultLimit;
    bool modified_ = false;
    bool canUndo_ = false;
    std::u16string undoText_;
    std::size_t undoAnchor_ = 0;
    std::size_t undoCaret_ = 0;
};

// Lays `text` out in lines: at breaks, and when `wrapWidth` > 0 also at word ends (or inside a word
// longer than the width) so that no line is wider than the width.
std::vector<EditLine> LayoutEditLines(std::u16string_view text, int wrapWidth, const FitRun& fit);
// The line that holds a position (the last line for the end of the text).
std::size_t LineOfPosition(const std::vector<EditLine>& lines, std::size_t pos);
// The position in a line nearest to x pixels from the line's left.
std::size_t PositionAtX(std::u16string_view text, const EditLine& line, int x, const MeasureRun& measure);

}  // namespace platform
