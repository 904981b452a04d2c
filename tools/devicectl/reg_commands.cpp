// devicectl reg: read, write and list registry values of the device.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "devicectl/commands.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace devicectl {
namespace {

constexpr DWORD kNameChars = 256;

// The roots are handles made from numbers, so this table cannot be constexpr.
const struct {
    const char* name;
    HKEY key;
} kRoots[] = {
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER}, {"HKCU", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKLM", HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT}, {"HKCR", HKEY_CLASSES_ROOT},
};

// "HKCU\Software\X" into its root and the path below it.
bool SplitKey(const std::string& text, HKEY& root, std::u16string& path) {
    const std::size_t slash = text.find('\\');
    const std::string head = text.substr(0, slash);
    for (const auto& r : kRoots)
        if (head == r.name) {
            root = r.key;
            path = slash == std::string::npos ? u"" : platform::FromUtf8(text.substr(slash + 1));
            return true;
        }
    return false;
}

class Key {
public:
    Key(HKEY root, const std::u16string& path, bool create) {
        const LONG result = create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, 0, nullptr, &key_, nullptr)
                                   : RegOpenKeyExW(root, path.c_str(), 0, 0, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::string ValueText(DWORD type, const BYTE* data, DWORD bytes) {
    switch (type) {
    case REG_DWORD: {
        DWORD v = 0;
        for (DWORD i = 0; i < 4 && i < bytes; ++i) v |= static_cast<DWORD>(data[i]) << (8 * i);
        return std::to_string(v);
    }
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {
        std::u16string text(reinterpret_cast<const char16_t*>(data), bytes / sizeof(char16_t));
        while (!text.empty() && text.back() == 0) text.pop_back();
        for (char16_t& c : text)
            if (c == 0) c = u'|';
        return platform::ToUtf8(text);
    }
    default: {
        std::string hex;
        char b[4];
        for (DWORD i = 0; i < bytes; ++i) {
            std::snprintf(b, sizeof b, "%02X", data[i]);
            hex += b;
        }
        return hex;
    }
    }
}

const char* TypeName(DWORD type) {
    switch (type) {
    case REG_DWORD: return "dword";
    case REG_SZ: return "sz";
    case REG_EXPAND_SZ: return "expand_sz";
    case REG_MULTI_SZ: return "multi_sz";
    default: return "binary";
    }
}

int Get(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 && args.size() != 3) return 2;
    HKEY root = nullptr;
    std::u16string path;
    if (!SplitKey(args[1], root, path)) return 2;
    Key key(root, path, false);
    if (!key.Get()) {
        err << "devicectl: no key " << args[1] << "\n";
        return 1;
    }
    const std::u16string name = args.size() == 3 ? platform::FromUtf8(args[2]) : u"";
    const std::string shown = args.size() == 3 ? args[2] : "(default)";
    // Asked for its size first, so a value of any size is printed whole.
    DWORD bytes = 0;
    DWORD type = 0;
    std::vector<BYTE> data;
    LONG result = ERROR_MORE_DATA;
    while (result == ERROR_MORE_DATA) {
        result = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &bytes);
        if (result != ERROR_SUCCESS) break;
        data.resize(std::max<DWORD>(bytes, 1));
        result = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, data.data(), &bytes);
    }
    if (result == ERROR_FILE_NOT_FOUND) {
        err << "devicectl: no value " << shown << "\n";
        return 1;
    }
    if (result != ERROR_SUCCESS) {
        err << "devicectl: the value " << shown << " could not be read (" << result << ")\n";
        return 1;
    }
    out << ValueText(type, data.data(), bytes) << "\n";
    return 0;
}

// A dword as written: unsigned up to 0xFFFFFFFF or signed down to -2^31 (kept as its 32 bits);
// anything wider is refused rather than wrapped into another number.
bool ParseDword(const std::string& text, DWORD& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 0);
    if (errno == ERANGE || *end != '\0' || v < INT32_MIN || v > static_cast<long long>(UINT32_MAX)) return false;
    value = static_cast<DWORD>(static_cast<std::uint32_t>(v));
    return true;
}

int Set(const Args& args, std::ostream& err) {
    if (args.size() != 5) return 2;
    HKEY root = nullptr;
    std::u16string path;
    if (!SplitKey(args[1], root, path)) return 2;
    const std::u16string name = platform::FromUtf8(args[2]);
    DWORD number = 0;
    if (args[3] == "dword" && !ParseDword(args[4], number)) {
        err << "devicectl: " << args[4] << " is not a 32-bit number (-2147483648 to 4294967295)\n";
        return 2;
    }
    Key key(root, path, true);
    if (!key.Get()) {
        err << "devicectl: cannot open " << args[1] << "\n";
        return 1;
    }
    LONG result = ERROR_INVALID_PARAMETER;
    if (args[3] == "dword") {
        result = RegSetValueExW(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    } else if (args[3] == "sz") {
        const std::u16string text = platform::FromUtf8(args[4]);
        result = RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
    } else {
        return 2;
    }
    if (result != ERROR_SUCCESS) {
        err << "devicectl: the value was not written (" << result << ")\n";
        return 1;
    }
    return 0;
}

int List(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return 2;
    HKEY root = nullptr;
    std::u16string path;
    if (!SplitKey(args[1], root, path)) return 2;
    Key key(root, path, false);
    if (!key.Get()) {
        err << "devicectl: no key " << args[1] << "\n";
        return 1;
    }
    WCHAR name[kNameChars];
    for (DWORD i = 0;; ++i) {
        DWORD chars = kNameChars;
        if (RegEnumKeyExW(key.Get(), i, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        out << platform::ToUtf8(std::u16string(name, chars)) << "\\\n";
    }
    std::vector<BYTE> data(256);
    for (DWORD i = 0;; ++i) {
        DWORD chars = kNameChars;
        auto bytes = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG result = RegEnumValueW(key.Get(), i, name, &chars, nullptr, &type, data.data(), &bytes);
        if (result == ERROR_MORE_DATA) {  // a longer value: grow and read it again
            data.resize(bytes);
            chars = kNameChars;
            result = RegEnumValueW(key.Get(), i, name, &chars, nullptr, &type, data.data(), &bytes);
        }
        if (result != ERROR_SUCCESS) break;
        out << platform::ToUtf8(std::u16string(name, chars)) << "\t" << TypeName(type) << "\t"
            << ValueText(type, data.data(), bytes) << "\n";
    }
    return 0;
}

}  // namespace

int RunReg(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return 2;
    if (args[0] == "get") return Get(args, out, err);
    if (args[0] == "set") return Set(args, err);
    if (args[0] == "list") return List(args, out, err);
    return 2;
}

void WriteRegRoots(std::ostream& out) {
    out << "registry KEYs start with a root:";
    for (const auto& r : kRoots) out << " " << r.name;
    out << "\n  e.g. 'HKCU\\Software\\Hollyfen\\Quorvia\\Settings', the program's settings\n";
}

}  // namespace devicectl
