// The edit control's text apart from its window: limit, breaks kept whole, undo, word wrap.
#include <gtest/gtest.h>

#include "controls/edit_text.h"

namespace platform {
namespace {

// Every character is 10 pixels wide.
const MeasureRun kCells = [](std::u16string_view text) { return static_cast<int>(text.size()) * 10; };

TEST(EditText, TypingStopsAtTheLimitWithoutSplittingABreak) {
    EditText t;
    t.SetLimit(5);
    EXPECT_TRUE(t.ReplaceSelection(u"abc"));
    EXPECT_FALSE(t.ReplaceSelection(u"d\r\nxyz"));  // only "d" fits whole: "\r\n" would pass the limit
    EXPECT_EQ(t.Text(), u"abcd");
    EXPECT_FALSE(t.ReplaceSelection(u"\r\n"));
    EXPECT_EQ(t.Text(), u"abcd");
    // Replacing a selection frees its room first.
    t.Select(0, 4);
    EXPECT_TRUE(t.ReplaceSelection(u"12345"));
    EXPECT_EQ(t.Text(), u"12345");
    EXPECT_EQ(t.Caret(), 5u);
}

TEST(EditText, SetTextIgnoresTheLimitAndEmptiesUndo) {
    EditText t;
    t.SetLimit(2);
    t.ReplaceSelection(u"ab");
    t.SetText(u"longer than the limit");
    EXPECT_EQ(t.Text(), u"longer than the limit");
    EXPECT_FALSE(t.CanUndo());
    EXPECT_EQ(t.Caret(), 0u);
}

TEST(EditText, BreaksAreDeletedAndSteppedOverWhole) {
    EditText t;
    t.SetText(u"a\r\nb");
    t.Select(3, 3);
    EXPECT_TRUE(t.DeleteBack());
    EXPECT_EQ(t.Text(), u"ab");
    t.SetText(u"a\r\nb");
    t.Select(1, 1);
    EXPECT_TRUE(t.DeleteForward());
    EXPECT_EQ(t.Text(), u"ab");
    t.SetText(u"a\r\nb");
    EXPECT_EQ(t.NextPosition(1), 3u);
    EXPECT_EQ(t.PrevPosition(3), 1u);
    t.Select(2, 2);  // between '\r' and '\n': moved off it
    EXPECT_EQ(t.Caret(), 1u);
    t.Select(100, 0);
    EXPECT_EQ(t.Anchor(), 4u);
    EXPECT_FALSE(EditText().DeleteBack());
}

TEST(EditText, UndoPutsTheLastChangeBackAndASecondUndoRedoes) {
    EditText t;
    t.ReplaceSelection(u"one");
    t.Select(0, 3);
    t.ReplaceSelection(u"two");
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), u"one");
    EXPECT_EQ(t.SelStart(), 0u);
    EXPECT_EQ(t.SelEnd(), 3u);
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), u"two");
    t.EmptyUndo();
    EXPECT_FALSE(t.Undo());
}

TEST(EditText, LinesWrapAtWordsAndInsideWordsTooLongForALine) {
    struct Case {
        std::u16string_view text;
        int width;
        std::vector<std::u16string_view> lines;
    };
    const Case cases[] = {
        {u"", 50, {u""}},
        {u"one two three", 80, {u"one two ", u"three"}},
        {u"abcdefghij", 40, {u"abcd", u"efgh", u"ij"}},
        {u"a\r\nb\nc", 0, {u"a", u"b", u"c"}},
        {u"end\r\n", 100, {u"end", u""}},
        {u"word  next", 50, {u"word  ", u"next"}},
    };
    for (const Case& c : cases) {
        const auto lines = LayoutEditLines(c.text, c.width, FitByMeasure(kCells));
        std::vector<std::u16string_view> shown;
        for (const EditLine& l : lines) shown.push_back(c.text.substr(l.start, l.length));
        EXPECT_EQ(shown, c.lines) << "width " << c.width;
        // Lines cover the text in order.
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].next, lines[i + 1].start);
    }
}

TEST(EditText, PositionsFollowXWithinALine) {
    const std::u16string text = u"abcd";
    const auto lines = LayoutEditLines(text, 0, FitByMeasure(kCells));
    EXPECT_EQ(LineOfPosition(lines, 4), 0u);
    EXPECT_EQ(PositionAtX(text, lines[0], -5, kCells), 0u);
    EXPECT_EQ(PositionAtX(text, lines[0], 14, kCells), 1u);
    EXPECT_EQ(PositionAtX(text, lines[0], 16, kCells), 2u);
    EXPECT_EQ(PositionAtX(text, lines[0], 500, kCells), 4u);
}

}  // namespace
}  // namespace platform
