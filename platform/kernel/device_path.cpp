// Case-insensitive resolution of device paths under the device root's files/ folder.
#include "kernel/device_path.h"

#include <vector>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"

namespace platform {
namespace {

std::vector<std::u16string> SplitComponents(std::u16string_view path) {
    std::vector<std::u16string> parts;
    std::u16string current;
    for (const WCHAR c : path) {
        if (c == u'\\' || c == u'/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    std::vector<std::u16string> clean;
    for (auto& part : parts) {
        if (part == u".") continue;
        if (part == u"..") {
            if (!clean.empty()) clean.pop_back();
            continue;
        }
        clean.push_back(std::move(part));
    }
    return clean;
}

// The existing entry of dir whose name equals name without regard to case, else name as given.
std::filesystem::path MatchEntry(const std::filesystem::path& dir, const std::u16string& name) {
    const std::string utf8 = ToUtf8(name);
    std::error_code ec;
    if (std::filesystem::exists(dir / utf8, ec)) return dir / utf8;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (EqualNoCase(FromUtf8(entry.path().filename().string()), name)) return entry.path();
    }
    return dir / utf8;
}

}  // namespace

std::filesystem::path ResolveDevicePath(std::u16string_view devicePath) {
    std::filesystem::path host = DeviceRoot() / "files";
    for (const auto& part : SplitComponents(devicePath)) host = MatchEntry(host, part);
    return host;
}

std::u16string DevicePathOf(const std::filesystem::path& hostPath) {
    const std::filesystem::path files = (DeviceRoot() / "files").lexically_normal();
    const std::filesystem::path relative = hostPath.lexically_normal().lexically_relative(files);
    if (relative.empty() || *relative.begin() == "..") return {};
    std::u16string out;
    for (const auto& part : relative) {
        if (part == ".") continue;
        out += u'\\';
        out += FromUtf8(part.string());
    }
    return out.empty() ? u"\\" : out;
}

std::string HostPath(const WCHAR* devicePath) {
    if (!devicePath) return {};
    return ResolveDevicePath(devicePath).string();
}

}  // namespace platform
