// Reading the content lines of iCalendar and vCard files.
#include "devicectl/content_lines.h"

#include <cctype>

namespace devicectl {

namespace {

// A quoted-printable value (vCard 2.1) whose line ends in '=' goes on on the next line.
bool SoftBreak(const std::string& line) {
    return !line.empty() && line.back() == '=' && Upper(line.substr(0, line.find(':'))).find("QUOTED-PRINTABLE") != std::string::npos;
}

}  // namespace

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::optional<std::vector<ContentLine>> ReadContentLines(const std::string& text, ImportError& error,
                                                         std::vector<ImportError>* leftOut) {
    // Join folded lines first, keeping each logical line's first line number.
    std::vector<std::pair<int, std::string>> logical;
    int number = 0;
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        // Some exports end their lines in CR CR LF.
        while (!line.empty() && line.back() == '\r') line.pop_back();
        ++number;
        pos = end + 1;
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !logical.empty())
            logical.back().second += line.substr(1);
        else if (!logical.empty() && SoftBreak(logical.back().second)) {
            logical.back().second.pop_back();  // quoted-printable goes on after a final '='
            logical.back().second += line;
        } else if (!line.empty())
            logical.emplace_back(number, std::move(line));
    }
    std::vector<ContentLine> lines;
    for (auto& [first, line] : logical) {
        // The name and parameters end at the first colon outside quotes.
        bool quoted = false;
        std::size_t colon = std::string::npos;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') quoted = !quoted;
            if (line[i] == ':' && !quoted) {
                colon = i;
                break;
            }
        }
        if (colon == std::string::npos || colon == 0) {
            if (!leftOut) {
                error = {first, "expected NAME:VALUE"};
                return std::nullopt;
            }
            leftOut->push_back({first, "expected NAME:VALUE; the line is left out", true});
            continue;
        }
        ContentLine out;
        out.number = first;
        out.value = line.substr(colon + 1);
        const std::string head = line.substr(0, colon);
        std::size_t semi = head.find(';');
        out.name = Upper(head.substr(0, semi));
        while (semi != std::string::npos) {
            const std::size_t next = head.find(';', semi + 1);
            const std::string param = head.substr(semi + 1, next == std::string::npos ? std::string::npos : next - semi - 1);
            const std::size_t eq = param.find('=');
            if (eq == std::string::npos) {
                std::string& type = out.params["TYPE"];
                type += (type.empty() ? "" : ",") + Upper(param);
            } else {
                std::string v = param.substr(eq + 1);
                if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
                std::string& slot = out.params[Upper(param.substr(0, eq))];
                slot += (slot.empty() ? "" : ",") + v;
            }
            semi = next;
        }
        // Group prefixes ("item1.EMAIL") name the same property.
        if (const std::size_t dot = out.name.find('.'); dot != std::string::npos) out.name = out.name.substr(dot + 1);
        lines.push_back(std::move(out));
    }
    return lines;
}

std::string Unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char c = value[++i];
            out += (c == 'n' || c == 'N') ? '\n' : c;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::vector<std::string> SplitEscaped(const std::string& value, char separator) {
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            current += value[i];
            current += value[++i];
        } else if (value[i] == separator) {
            parts.push_back(Unescape(current));
            current.clear();
        } else {
            current += value[i];
        }
    }
    parts.push_back(Unescape(current));
    return parts;
}

std::optional<std::string> DecodeQuotedPrintable(const std::string& text) {
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        const int high = hex(text[i + 1]);
        const int low = i + 2 < text.size() ? hex(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<std::string> DecodeBase64(const std::string& text) {
    auto digit = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : text) {
        if (c == '=' || c == ' ' || c == '\t') continue;
        const int d = digit(c);
        if (d < 0) return std::nullopt;
        buffer = (buffer << 6) | static_cast<unsigned>(d);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

}  // namespace devicectl
