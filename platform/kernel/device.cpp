// The device root and its profile (device.conf and the environment).
#include "platform/device.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include "kernel/atomic_file.h"
#include "platform/text.h"

namespace platform {
namespace {

struct DeviceState {
    std::mutex lock;
    std::filesystem::path root;
    DeviceProfile profile;
    bool rootSet = false;
    bool profileRead = false;
};

DeviceState& State() {
    static DeviceState state;
    return state;
}

std::filesystem::path DefaultRoot() {
    if (const char* dir = std::getenv("QUORVIA_DEVICE"); dir && *dir) return dir;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::filesystem::path(data) / "quorvia";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".local/share/quorvia";
}

std::string Trim(const std::string& s) {
    const auto begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    const auto end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

// Where a setting came from, for the warning about a value that cannot be used.
struct SettingSource {
    std::string name;  // "device.conf line N" or the environment variable
};

bool ParseCount(const std::string& text, long low, long high, long& value) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stol(text);
    return value >= low && value <= high;
}

bool ParseScreen(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    long w = 0;
    long h = 0;
    if (!ParseCount(Trim(text.substr(0, x)), 64, 4096, w) || !ParseCount(Trim(text.substr(x + 1)), 64, 4096, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// A yes-or-no setting; false when the value is neither.
bool ParseSwitch(std::string value, bool& on) {
    for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static constexpr const char* kOn[] = {"1", "yes", "true", "on"};
    static constexpr const char* kOff[] = {"0", "no", "false", "off"};
    const auto in = [&](const auto& words) {
        return std::find(std::begin(words), std::end(words), value) != std::end(words);
    };
    if (!in(kOn) && !in(kOff)) return false;
    on = in(kOn);
    return true;
}

// "major.minor", each a small number.
bool ParseOsVersion(const std::string& value, DWORD& major, DWORD& minor) {
    const auto dot = value.find('.');
    long ma = 0;
    long mi = 0;
    if (!ParseCount(value.substr(0, dot), 1, 99, ma)) return false;
    if (dot != std::string::npos && !ParseCount(value.substr(dot + 1), 0, 99, mi)) return false;
    major = static_cast<DWORD>(ma);
    minor = static_cast<DWORD>(mi);
    return true;
}

// A short-date picture: day, month and year fields, separators, and quoted text.
bool IsDatePicture(const std::string& value) {
    bool quoted = false;
    bool day = false;
    bool month = false;
    bool year = false;
    for (const char c : value) {
        if (c == '\'') quoted = !quoted;
        else if (quoted) continue;
        else if (c == 'd') day = true;
        else if (c == 'M') month = true;
        else if (c == 'y') year = true;
        else if (std::isalpha(static_cast<unsigned char>(c))) return false;
    }
    return !quoted && day && month && year && value.size() <= 80;
}

std::string ScreenText(const DeviceProfile& p) {
    return std::to_string(p.screenWidth) + "x" + std::to_string(p.screenHeight);
}

// A value that cannot be used is named with where it came from and what is used instead, so that a
// mistyped profile is not silently a different device.
void WarnSetting(const SettingSource& source, const std::string& key, const std::string& value,
                 const std::string& used) {
    std::fprintf(stderr, "quorvia: %s: %s = \"%s\" cannot be used; using %s\n", source.name.c_str(), key.c_str(),
                 value.c_str(), used.c_str());
}

// One setting, from device.conf or the environment; unknown keys are kept for other areas.
void ApplySetting(DeviceProfile& p, const SettingSource& source, const std::string& key, const std::string& value,
                  bool& dpiSet) {
    p.values[key] = value;
    bool on = false;
    if (key == "screen") {
        if (!ParseScreen(value, p.screenWidth, p.screenHeight)) WarnSetting(source, key, value, ScreenText(p));
    } else if (key == "dpi") {
        long dpi = 0;
        if (ParseCount(value, 48, 600, dpi)) {
            p.dpi = static_cast<int>(dpi);
            dpiSet = true;
        } else {
            WarnSetting(source, key, value,
                        dpiSet ? std::to_string(p.dpi) : "the screen's default (96, or 192 from 480 pixels)");
        }
    } else if (key == "keypad" || key == "headless") {
        bool& field = key == "keypad" ? p.keypad : p.headless;
        if (ParseSwitch(value, on)) field = on;
        else WarnSetting(source, key, value, field ? "1" : "0");
    } else if (key == "oem") {
        p.oemInfo = FromUtf8(value);
    } else if (key == "os") {
        if (!ParseOsVersion(value, p.osMajor, p.osMinor))
            WarnSetting(source, key, value, std::to_string(p.osMajor) + "." + std::to_string(p.osMinor));
    } else if (key == "shortdate") {
        if (IsDatePicture(value)) p.shortDate = FromUtf8(value);
        else WarnSetting(source, key, value, ToUtf8(p.shortDate));
    } else if (key == "codepage") {
        if (value == "1252" || value == "65001") p.ansiCodePage = value == "1252" ? 1252u : 65001u;
        else WarnSetting(source, key, value, std::to_string(p.ansiCodePage));
    }
}

DeviceProfile ReadProfile(const std::filesystem::path& root) {
    DeviceProfile p;
    bool dpiSet = false;
    std::ifstream conf(root / "device.conf");
    std::string line;
    for (int number = 1; std::getline(conf, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const SettingSource source{"device.conf line " + std::to_string(number)};
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "quorvia: %s: \"%s\" is not \"key = value\"; left out\n", source.name.c_str(),
                         line.c_str());
            continue;
        }
        ApplySetting(p, source, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), dpiSet);
    }
    static constexpr struct {
        const char* variable;
        const char* key;
    } kEnvironment[] = {
        {"QUORVIA_SCREEN", "screen"},     {"QUORVIA_DPI", "dpi"},
        {"QUORVIA_OS", "os"},             {"QUORVIA_KEYPAD", "keypad"},
        {"QUORVIA_OEM", "oem"},           {"QUORVIA_SHORTDATE", "shortdate"},
        {"QUORVIA_CODEPAGE", "codepage"}, {"QUORVIA_HEADLESS", "headless"},
    };
    for (const auto& e : kEnvironment)
        if (const char* value = std::getenv(e.variable); value && *value)
            ApplySetting(p, SettingSource{e.variable}, e.key, Trim(value), dpiSet);
    if (!dpiSet) p.dpi = (p.screenWidth >= 480 || p.screenHeight >= 480) ? 192 : 96;
    return p;
}

// A device comes with its standard folders, and the program is installed in its own folder there.
void PrepareRoot(const std::filesystem::path& root) {
    static constexpr const char* kFolders[] = {"files/My Documents", "files/Program Files/Quorvia", "files/Windows",
                                               "run"};
    std::error_code ec;
    for (const char* folder : kFolders) std::filesystem::create_directories(root / folder, ec);
}

// Whole-file writes killed half-way leave their temporaries; those of processes that are gone are
// removed when the device is first used, wherever they lie.
void SweepStaleTemporaries(const std::filesystem::path& root) {
    RemoveStaleTemporaries(root, {});
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(
             root, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc) && !it->is_symlink(typeEc)) RemoveStaleTemporaries(it->path(), {});
    }
}

}  // namespace

const std::filesystem::path& DeviceRoot() {
    DeviceState& s = State();
    const std::lock_guard guard(s.lock);
    if (!s.rootSet) {
        s.root = DefaultRoot();
        s.rootSet = true;
        PrepareRoot(s.root);
        SweepStaleTemporaries(s.root);
    }
    return s.root;
}

const DeviceProfile& Profile() {
    const std::filesystem::path root = DeviceRoot();
    DeviceState& s = State();
    const std::lock_guard guard(s.lock);
    if (!s.profileRead) {
        s.profile = ReadProfile(root);
        s.profileRead = true;
    }
    return s.profile;
}

void ReloadProfile() {
    const std::filesystem::path root = DeviceRoot();
    DeviceState& s = State();
    const std::lock_guard guard(s.lock);
    s.profile = ReadProfile(root);
    s.profileRead = true;
}

void SetDeviceRoot(const std::filesystem::path& root) {
    {
        DeviceState& s = State();
        const std::lock_guard guard(s.lock);
        s.root = root;
        s.rootSet = true;
        // Test devices start bare: each test makes the folders it needs.
        std::error_code ec;
        std::filesystem::create_directories(root / "files", ec);
        std::filesystem::create_directories(root / "run", ec);
        SweepStaleTemporaries(root);
    }
    ReloadProfile();
}

void SetProfile(const DeviceProfile& profile) {
    DeviceState& s = State();
    const std::lock_guard guard(s.lock);
    s.profile = profile;
    s.profileRead = true;
}

}  // namespace platform
