// Reading the help pages' HTML into blocks; see help_html.h.
#include "shell/help_html.h"

#include <algorithm>
#include <optional>

namespace platform::help {
namespace {

struct ListLevel {
    bool numbered = false;
    int count = 0;
};

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f'; }

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::u16string LowerText(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) c = Lower(c);
    return out;
}

void AppendCodePoint(std::u16string& out, unsigned long cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes the character references of a text: the named ones a help page uses and numeric ones.
std::u16string DecodeEntities(std::u16string_view text) {
    static constexpr struct {
        std::u16string_view name;
        char16_t c;
    } kNamed[] = {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''},
                  {u"nbsp", 0x00A0}, {u"copy", 0x00A9}, {u"ndash", 0x2013}, {u"mdash", 0x2014}, {u"hellip", 0x2026}};
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semi = text[i] == u'&' ? text.find(u';', i) : std::u16string_view::npos;
        if (semi == std::u16string_view::npos || semi - i > 10) {
            out += text[i];
            continue;
        }
        const std::u16string_view name = text.substr(i + 1, semi - i - 1);
        bool done = false;
        if (!name.empty() && name[0] == u'#') {
            const bool hex = name.size() > 1 && Lower(name[1]) == u'x';
            unsigned long cp = 0;
            bool digits = name.size() > (hex ? 2u : 1u);
            for (std::size_t k = hex ? 2 : 1; k < name.size() && digits; ++k) {
                const char16_t c = Lower(name[k]);
                const int d = c >= u'0' && c <= u'9' ? c - u'0' : hex && c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
                if (d < 0 || cp > 0x10FFFF) digits = false;
                else cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
            }
            if (digits) {
                AppendCodePoint(out, cp);
                done = true;
            }
        } else {
            for (const auto& n : kNamed)
                if (n.name == name) {
                    out += n.c;
                    done = true;
                }
        }
        if (done) i = semi;
        else out += text[i];
    }
    return out;
}

struct Tag {
    std::u16string name;  // lower case
    bool closing = false;
    std::map<std::u16string, std::u16string> attributes;  // names lower case, values decoded
};

Tag ParseTag(std::u16string_view inside) {
    Tag tag;
    std::size_t i = 0;
    if (i < inside.size() && inside[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const std::size_t nameStart = i;
    while (i < inside.size() && !IsSpace(inside[i]) && inside[i] != u'/') ++i;
    tag.name = LowerText(inside.substr(nameStart, i - nameStart));
    while (i < inside.size()) {
        while (i < inside.size() && (IsSpace(inside[i]) || inside[i] == u'/')) ++i;
        const std::size_t attrStart = i;
        while (i < inside.size() && !IsSpace(inside[i]) && inside[i] != u'=' && inside[i] != u'/') ++i;
        const std::u16string name = LowerText(inside.substr(attrStart, i - attrStart));
        while (i < inside.size() && IsSpace(inside[i])) ++i;
        std::u16string value;
        if (i < inside.size() && inside[i] == u'=') {
            ++i;
            while (i < inside.size() && IsSpace(inside[i])) ++i;
            if (i < inside.size() && (inside[i] == u'"' || inside[i] == u'\'')) {
                const char16_t quote = inside[i++];
                const std::size_t end = inside.find(quote, i);
                const std::size_t stop = end == std::u16string_view::npos ? inside.size() : end;
                value = DecodeEntities(inside.substr(i, stop - i));
                i = stop + 1;
            } else {
                const std::size_t start = i;
                while (i < inside.size() && !IsSpace(inside[i])) ++i;
                value = DecodeEntities(inside.substr(start, i - start));
            }
        }
        if (!name.empty()) tag.attributes[name] = value;
    }
    return tag;
}

class Builder {
public:
    Document Take() { return std::move(doc_); }

    void OnTag(const Tag& tag) {
        const std::u16string& n = tag.name;
        if (n == u"script" || n == u"style") {
            skipping_ = !tag.closing;
            return;
        }
        if (n == u"title") {
            inTitle_ = !tag.closing;
            return;
        }
        if (!tag.closing) {
            if (const auto it = tag.attributes.find(u"id"); it != tag.attributes.end()) pendingAnchors_.push_back(it->second);
            if (n == u"a")
                if (const auto it = tag.attributes.find(u"name"); it != tag.attributes.end()) pendingAnchors_.push_back(it->second);
        }
        if (n == u"h1" || n == u"h2" || n == u"h3") {
            EndBlock();
            if (!tag.closing) Begin(n == u"h1" ? BlockKind::Heading1 : n == u"h2" ? BlockKind::Heading2 : BlockKind::Heading3);
        } else if (n == u"p" || n == u"div" || n == u"body" || n == u"section" || n == u"table" || n == u"tr") {
            EndBlock();
        } else if (n == u"ul" || n == u"ol") {
            EndBlock();
            if (tag.closing) {
                if (!lists_.empty()) lists_.pop_back();
            } else {
                lists_.push_back({n == u"ol", 0});
            }
        } else if (n == u"li") {
            EndBlock();
            if (!tag.closing) {
                Begin(BlockKind::ListItem);
                Block& b = doc_.blocks.back();
                b.depth = std::max<int>(1, static_cast<int>(lists_.size()));
                if (!lists_.empty() && lists_.back().numbered) b.number = ++lists_.back().count;
            }
        } else if (n == u"br") {
            if (current_) {
                Current().runs.push_back({u"\n", false, false, {}});
                lastSpace_ = true;
            }
        } else if (n == u"b" || n == u"strong") {
            bold_ += tag.closing ? -1 : 1;
        } else if (n == u"i" || n == u"em") {
            italic_ += tag.closing ? -1 : 1;
        } else if (n == u"a") {
            if (tag.closing) href_.clear();
            else if (const auto it = tag.attributes.find(u"href"); it != tag.attributes.end()) href_ = it->second;
        }
        bold_ = std::max(bold_, 0);
        italic_ = std::max(italic_, 0);
    }

    void OnText(std::u16string_view raw) {
        if (skipping_) return;
        const std::u16string text = DecodeEntities(raw);
        if (inTitle_) {
            for (const char16_t c : text) {
                if (IsSpace(c)) {
                    if (!doc_.title.empty() && doc_.title.back() != u' ') doc_.title += u' ';
                } else {
                    doc_.title += c;
                }
            }
            return;
        }
        std::u16string collapsed;
        for (const char16_t c : text) {
            if (IsSpace(c)) {
                if (!lastSpace_) collapsed += u' ';
                lastSpace_ = true;
            } else {
                collapsed += c == 0x00A0 ? u' ' : c;
                lastSpace_ = false;
            }
        }
        if (collapsed.empty() || (!current_ && collapsed == u" ")) return;
        if (!current_) {
            // The new block starts after a blank; this text's own end says whether the next text's
            // leading blank is one more.
            const bool endedInBlank = lastSpace_;
            Begin(BlockKind::Paragraph);
            lastSpace_ = endedInBlank;
            if (!collapsed.empty() && collapsed.front() == u' ') collapsed.erase(0, 1);
        }
        Block& b = Current();
        if (b.runs.empty() && !collapsed.empty() && collapsed.front() == u' ') collapsed.erase(0, 1);
        if (collapsed.empty()) return;
        Run run{collapsed, bold_ > 0, italic_ > 0, href_};
        if (!b.runs.empty() && b.runs.back().bold == run.bold && b.runs.back().italic == run.italic &&
            b.runs.back().href == run.href && b.runs.back().text != u"\n") {
            b.runs.back().text += run.text;
        } else {
            b.runs.push_back(std::move(run));
        }
    }

    void Finish() {
        EndBlock();
        // Anchors at the very end mark the last block.
        for (const std::u16string& a : pendingAnchors_)
            doc_.anchors.emplace(a, doc_.blocks.empty() ? 0 : doc_.blocks.size() - 1);
        pendingAnchors_.clear();
    }

private:
    Block& Current() { return doc_.blocks.back(); }

    void Begin(BlockKind kind) {
        doc_.blocks.push_back({kind, 0, 0, {}});
        current_ = true;
        lastSpace_ = true;
        for (const std::u16string& a : pendingAnchors_) doc_.anchors.emplace(a, doc_.blocks.size() - 1);
        pendingAnchors_.clear();
    }

    void EndBlock() {
        if (!current_) return;
        current_ = false;
        Block& b = Current();
        while (!b.runs.empty()) {
            std::u16string& t = b.runs.back().text;
            while (!t.empty() && t.back() == u' ') t.pop_back();
            if (!t.empty()) break;
            b.runs.pop_back();
        }
        // An empty paragraph is dropped, but anchors that pointed at it move to the next block.
        if (b.runs.empty() && b.kind == BlockKind::Paragraph) {
            const std::size_t index = doc_.blocks.size() - 1;
            for (auto it = doc_.anchors.begin(); it != doc_.anchors.end();) {
                if (it->second == index) {
                    pendingAnchors_.push_back(it->first);
                    it = doc_.anchors.erase(it);
                } else {
                    ++it;
                }
            }
            doc_.blocks.pop_back();
        }
    }

    Document doc_;
    std::vector<ListLevel> lists_;
    std::vector<std::u16string> pendingAnchors_;
    std::u16string href_;
    int bold_ = 0;
    int italic_ = 0;
    bool current_ = false;
    bool lastSpace_ = true;
    bool skipping_ = false;
    bool inTitle_ = false;
};

}  // namespace

Document ParseHtml(std::u16string_view html) {
    Builder builder;
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t lt = html.find(u'<', i);
        if (lt == std::u16string_view::npos) {
            builder.OnText(html.substr(i));
            break;
        }
        if (lt > i) builder.OnText(html.substr(i, lt - i));
        if (html.substr(lt, 4) == u"<!--") {
            const std::size_t end = html.find(u"-->", lt + 4);
            i = end == std::u16string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t gt = html.find(u'>', lt + 1);
        if (gt == std::u16string_view::npos) {
            builder.OnText(html.substr(lt));
            break;
        }
        const std::u16string_view inside = html.substr(lt + 1, gt - lt - 1);
        if (!inside.empty() && inside[0] != u'!' && inside[0] != u'?') builder.OnTag(ParseTag(inside));
        i = gt + 1;
    }
    builder.Finish();
    return builder.Take();
}

}  // namespace platform::help
