// The device root and its profile (device.conf and the environment).
#include "platform/device.h"

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

bool ParseScreen(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const int w = std::atoi(text.substr(0, x).c_str());
    const int h = std::atoi(text.substr(x + 1).c_str());
    if (w < 64 || h < 64 || w > 4096 || h > 4096) return false;
    width = w;
    height = h;
    return true;
}

bool IsTrue(const std::string& value) {
    return value == "1" || value == "yes" || value == "true" || value == "on";
}

// One setting, from device.conf or the environment; unknown keys are kept for other areas.
void ApplySetting(DeviceProfile& p, const std::string& key, const std::string& value, bool& dpiSet) {
    p.values[key] = value;
    if (key == "screen") {
        ParseScreen(value, p.screenWidth, p.screenHeight);
    } else if (key == "dpi") {
        const int dpi = std::atoi(value.c_str());
        if (dpi >= 48 && dpi <= 600) {
            p.dpi = dpi;
            dpiSet = true;
        }
    } else if (key == "keypad") {
        p.keypad = IsTrue(value);
    } else if (key == "oem") {
        p.oemInfo = FromUtf8(value);
    } else if (key == "os") {
        const auto dot = value.find('.');
        p.osMajor = static_cast<DWORD>(std::atoi(value.substr(0, dot).c_str()));
        p.osMinor = dot == std::string::npos ? 0 : static_cast<DWORD>(std::atoi(value.substr(dot + 1).c_str()));
    } else if (key == "shortdate") {
        p.shortDate = FromUtf8(value);
    } else if (key == "codepage") {
        p.ansiCodePage = value == "1252" ? 1252u : 65001u;
    } else if (key == "headless") {
        p.headless = IsTrue(value);
    }
}

DeviceProfile ReadProfile(const std::filesystem::path& root) {
    DeviceProfile p;
    bool dpiSet = false;
    std::ifstream conf(root / "device.conf");
    std::string line;
    while (std::getline(conf, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        ApplySetting(p, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), dpiSet);
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
        if (const char* value = std::getenv(e.variable); value && *value) ApplySetting(p, e.key, value, dpiSet);
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
