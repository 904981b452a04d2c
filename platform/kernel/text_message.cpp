// Message texts with numbered inserts, as FormatMessageW fills them from a string.
#include <vector>

#include "platform/memory.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

constexpr int kMaxInsert = 99;

// The number of a "%n" insert at text[i] (after the '%'), with its length; 0 when there is none.
int InsertNumber(const WCHAR* text, std::size_t& length) {
    if (text[0] < u'1' || text[0] > u'9') return 0;
    int number = text[0] - u'0';
    length = 1;
    if (text[1] >= u'0' && text[1] <= u'9') {
        number = number * 10 + (text[1] - u'0');
        length = 2;
    }
    return number;
}

// One insert through its printf form ("!d!", "!5s!"; "s" when none is given).
std::u16string FormatInsert(const std::u16string& form, DWORD_PTR value) {
    const std::u16string format = u"%" + form;
    const WCHAR conversion = form.empty() ? u's' : form.back();
    switch (conversion) {
    case u's':
    case u'S':
        if (value == 0) return {};
        return platform::FormatW(format.c_str(), reinterpret_cast<const void*>(value));
    case u'c':
        return platform::FormatW(format.c_str(), static_cast<int>(value & 0xFFFF));
    default:
        if (form.find(u"I64") != std::u16string::npos) return platform::FormatW(format.c_str(), static_cast<LONGLONG>(value));
        return platform::FormatW(format.c_str(), static_cast<int>(static_cast<DWORD>(value)));
    }
}

// The text with its inserts filled and its escapes resolved; false for a bad insert.
bool Expand(const WCHAR* text, bool ignoreInserts, const std::vector<DWORD_PTR>& args, std::u16string& out) {
    for (std::size_t i = 0; text[i] != 0; ++i) {
        if (text[i] != u'%') {
            out += text[i];
            continue;
        }
        const WCHAR next = text[i + 1];
        if (next == 0) break;
        std::size_t length = 0;
        const int number = InsertNumber(text + i + 1, length);
        if (number > 0) {
            std::size_t end = i + 1 + length;
            std::u16string form = u"s";
            if (text[end] == u'!') {
                const std::u16string_view rest(text + end + 1);
                const auto close = rest.find(u'!');
                if (close == std::u16string_view::npos) return false;
                form.assign(rest.substr(0, close));
                end += close + 2;
            }
            if (ignoreInserts) {
                out.append(text + i, end - i);
            } else {
                if (static_cast<std::size_t>(number) > args.size()) return false;
                out += FormatInsert(form, args[static_cast<std::size_t>(number) - 1]);
            }
            i = end - 1;
            continue;
        }
        ++i;
        switch (next) {
        case u'0': return true;  // ends the text, without a line break
        case u'n': out += u"\r\n"; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        default: out += next; break;  // "%%", "%.", "%!", "% "
        }
    }
    return true;
}

// The highest insert number the text uses.
int HighestInsert(const WCHAR* text) {
    int highest = 0;
    for (std::size_t i = 0; text[i] != 0; ++i) {
        if (text[i] != u'%' || text[i + 1] == 0) continue;
        std::size_t length = 0;
        const int number = InsertNumber(text + i + 1, length);
        if (number > highest) highest = number;
        ++i;
    }
    return highest;
}

}  // namespace

DWORD FormatMessageW(DWORD flags, LPCVOID source, DWORD, DWORD, LPWSTR buffer, DWORD size, va_list* arguments) {
    if (!(flags & FORMAT_MESSAGE_FROM_STRING) || !source || !buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto* text = static_cast<const WCHAR*>(source);
    const bool ignoreInserts = (flags & FORMAT_MESSAGE_IGNORE_INSERTS) != 0;
    std::vector<DWORD_PTR> args;
    if (!ignoreInserts && arguments) {
        const int count = HighestInsert(text);
        if (flags & FORMAT_MESSAGE_ARGUMENT_ARRAY) {
            const auto* array = reinterpret_cast<const DWORD_PTR*>(arguments);
            args.assign(array, array + count);
        } else {
            // Inserts are read from the list in number order, each one pointer wide.
            for (int n = 0; n < count && n < kMaxInsert; ++n) args.push_back(va_arg(*arguments, DWORD_PTR));
        }
    }
    std::u16string out;
    if (!Expand(text, ignoreInserts, args, out)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto length = static_cast<DWORD>(out.size());
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        const DWORD chars = length + 1 > size ? length + 1 : size;
        auto* block = static_cast<LPWSTR>(LocalAlloc(LPTR, chars * sizeof(WCHAR)));
        if (!block) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        out.copy(block, length);
        *reinterpret_cast<LPWSTR*>(buffer) = block;
        return length;
    }
    if (length + 1 > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    out.copy(buffer, length);
    buffer[length] = 0;
    return length;
}
