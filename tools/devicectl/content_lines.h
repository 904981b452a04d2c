// Lines of iCalendar and vCard files: folded lines joined, each with the line number it began on,
// split into name, parameters and value, and their text escapes undone.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace devicectl {

struct ContentLine {
    int number = 0;  // where it begins in the file
    std::string name;  // upper case
    std::map<std::string, std::string> params;  // names upper case; a bare parameter ("CELL") is TYPE
    std::string value;
};

// An import that stops: the line it failed on and why.
struct ImportError {
    int line = 0;
    std::string message;
    bool unreadable = false;  // a line that is no NAME:VALUE at all
};

// A line without a colon is left out, named in `leftOut`; with no `leftOut` it refuses the file:
// null, with `error` set.
std::optional<std::vector<ContentLine>> ReadContentLines(const std::string& text, ImportError& error,
                                                         std::vector<ImportError>* leftOut);

// "\n", "\,", "\;" and "\\" undone.
std::string Unescape(const std::string& value);
// Splits at unescaped `separator`s and unescapes each part.
std::vector<std::string> SplitEscaped(const std::string& value, char separator);
std::string Upper(std::string text);
// Decodes quoted-printable ("=C3=A9", a final '=' a soft break); null when it is not.
std::optional<std::string> DecodeQuotedPrintable(const std::string& text);
// Decodes base64; null when it is not.
std::optional<std::string> DecodeBase64(const std::string& text);

}  // namespace devicectl
