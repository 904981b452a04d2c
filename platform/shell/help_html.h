// The help pages the device's help viewer reads: a small part of HTML (the title, headings h1 to h3,
// paragraphs, line breaks, bulleted and numbered lists, links and anchors, bold and italic), turned
// into blocks of runs. Everything else is read as its text; scripts and styles are skipped.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform::help {

struct Run {
    std::u16string text;  // white space already collapsed; "\n" alone is a line break
    bool bold = false;
    bool italic = false;
    std::u16string href;  // the link's target, empty when the run is no link
};

enum class BlockKind { Heading1, Heading2, Heading3, Paragraph, ListItem };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    int depth = 0;   // list nesting of a list item, from 1
    int number = 0;  // its number in a numbered list, 0 for a bullet
    std::vector<Run> runs;
};

struct Document {
    std::u16string title;
    std::vector<Block> blocks;
    std::map<std::u16string, std::size_t> anchors;  // name or id -> the block it marks
};

Document ParseHtml(std::u16string_view html);

}  // namespace platform::help
