// Project categories and link-file names: the only record of what a project holds. The forms are
// read back from items and files other programs may have written, so parsing is lenient about the
// prefix's case and keeps any further separator inside the deepest level.
#include "core/prj_cats.h"

#include "core/ansi_text.h"
#include "core/program_folder.h"
#include "platform/text.h"

namespace {

constexpr std::u16string_view kCatPrefix = u"Prj:";
constexpr std::u16string_view kLinkPrefix = u"Prj-";
constexpr std::u16string_view kWebMark = u"Lnk-";
constexpr std::u16string_view kLinksFolder = u"ProjectLinks\\";
constexpr std::size_t kPrefixChars = 4;
constexpr WCHAR kCatSeparator = u'>';
constexpr WCHAR kLinkSeparator = u'^';
constexpr WCHAR kTitleMark = u'#';
constexpr std::u16string_view kLinkExtension = u".lnk";
// The file text's count covers the quotes; the web text's count is two more than its own length.
constexpr std::size_t kFileCountExtra = 2;
constexpr std::size_t kUrlCountExtra = 11;

// Compared whole when shorter than the prefix, and so never equal.
bool StartsNoCase(std::u16string_view text, std::u16string_view prefix) {
    return platform::CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

std::u16string Trimmed(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && iswspace(text[first])) ++first;
    while (last > first && iswspace(text[last - 1])) --last;
    return std::u16string(text.substr(first, last - first));
}

std::string CountedShortcut(std::size_t count, std::u16string_view body) {
    const std::u16string text = platform::FormatW(u"%d#", static_cast<int>(count)) + std::u16string(body);
    return ToAnsi(text, kMaxShortcutBytes);
}

}  // namespace

std::u16string GetPrjLinksDir() { return ProgramFolderFile(kLinksFolder); }

bool IsPrjCat(std::u16string_view name) { return StartsNoCase(name, u"prj:"); }

bool HasPrjCat(const StrArray& categories) {
    for (const std::u16string& name : categories)
        if (IsPrjCat(name)) return true;
    return false;
}

int ParsePrjCat(std::u16string_view text, std::u16string& project, std::u16string& sub, std::u16string& subSub,
                LONG& isWeb, PrjParseMode mode) {
    const bool link = mode == PrjParseMode::kLinkName;
    const std::u16string_view prefix = link ? kLinkPrefix : kCatPrefix;
    const WCHAR separator = link ? kLinkSeparator : kCatSeparator;
    if (!StartsNoCase(text, prefix)) return 0;
    std::u16string head(text.substr(kPrefixChars));
    if (link && StartsNoCase(head, kWebMark)) {
        head.erase(0, kWebMark.size());
        isWeb = 1;
    }
    project = head;
    const std::size_t first = head.find(separator);
    if (head.empty() || first == std::u16string::npos) return 1;
    project = head.substr(0, first);
    const std::u16string rest = head.substr(first + 1);
    const std::size_t second = rest.find(separator);
    if (second == std::u16string::npos) {
        sub = rest;
        return 1;
    }
    // A further separator stays inside the deepest level.
    sub = rest.substr(0, second);
    subSub = rest.substr(second + 1);
    return 1;
}

int ParsePrjLinkName(std::u16string_view path, std::u16string& project, std::u16string& sub,
                     std::u16string& subSub, std::u16string& title, LONG& isWeb) {
    const std::u16string dir = GetPrjLinksDir();
    if (path.find(dir) == std::u16string_view::npos) return 0;
    // The name is the path's tail as long as what follows the folder (the folder may sit anywhere).
    std::u16string name(path.substr(dir.size()));
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string::npos) name.resize(dot);
    std::u16string head;
    const std::size_t mark = name.rfind(kTitleMark);
    if (mark != std::u16string::npos) {
        head = name.substr(0, mark);
        name.erase(0, mark + 1);
    }
    title = name;
    ParsePrjCat(head, project, sub, subSub, isWeb, PrjParseMode::kLinkName);
    return 1;
}

bool CatListHasName(std::u16string list, std::u16string_view name) {
    if (list.empty() || list.back() != u',') list += u',';
    std::size_t start = 0;
    for (std::size_t comma = list.find(u','); comma != std::u16string::npos; comma = list.find(u',', start)) {
        const std::u16string entry = Trimmed(std::u16string_view(list).substr(start, comma - start));
        if (!entry.empty() && platform::CompareNoCase(entry, name) == 0) return true;
        start = comma + 1;
    }
    return false;
}

std::u16string BuildPrjCat(std::u16string_view project, std::u16string_view sub, std::u16string_view subSub) {
    std::u16string text(kCatPrefix);
    text += project;
    if (sub.empty()) return text;
    text += kCatSeparator;
    text += sub;
    if (!subSub.empty()) {
        text += kCatSeparator;
        text += subSub;
    }
    return text;
}

std::u16string BuildPrjLinkName(std::u16string_view title, std::u16string_view project, std::u16string_view sub,
                                std::u16string_view subSub, bool isWeb) {
    std::u16string name = GetPrjLinksDir();
    name += kLinkPrefix;
    if (isWeb) name += kWebMark;
    name += project;
    for (const std::u16string_view level : {sub, subSub}) {
        if (level.empty()) continue;
        name += kLinkSeparator;
        name += level;
    }
    name += kTitleMark;
    name += title;
    name += kLinkExtension;
    return name;
}

std::string MakeFileShortcut(std::u16string_view path) {
    std::u16string body = u"\"";
    body += path;
    body += u'"';
    return CountedShortcut(path.size() + kFileCountExtra, body);
}

std::string MakeUrlShortcut(std::u16string_view address) {
    std::u16string body = u"iexplore ";
    body += address;
    return CountedShortcut(address.size() + kUrlCountExtra, body);
}
