// GetSystemPowerStatusEx2 over the host's power supplies (Linux sysfs): each supply is a folder with
// a "type" file, batteries with "capacity" and "status", mains and USB supplies with "online".
#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/device.h"
#include "platform/system.h"

namespace platform {
namespace {

constexpr char kRootKey[] = "power_supply";
constexpr char kHostRoot[] = "/sys/class/power_supply";
constexpr int kHighFrom = 67;
constexpr int kLowBelow = 33;
constexpr int kCriticalBelow = 5;

std::filesystem::path SupplyRoot() {
    const auto& values = Profile().values;
    const auto found = values.find(kRootKey);
    return found == values.end() || found->second.empty() ? std::filesystem::path(kHostRoot)
                                                           : std::filesystem::path(found->second);
}

// The file's first line without trailing blanks; empty when it cannot be read.
std::string FirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
    return line;
}

struct Reading {
    bool battery = false;
    int percent = -1;
    bool charging = false;
    bool external = false;
    bool externalKnown = false;
};

void ReadSupply(const std::filesystem::path& folder, Reading& reading) {
    const std::string type = FirstLine(folder / "type");
    if (type == "Battery" && !reading.battery) {
        reading.battery = true;
        const std::string capacity = FirstLine(folder / "capacity");
        if (!capacity.empty() && std::all_of(capacity.begin(), capacity.end(), ::isdigit))
            reading.percent = std::min(std::stoi(capacity), 100);
        reading.charging = FirstLine(folder / "status") == "Charging";
    } else if (type == "Mains" || type == "USB") {
        reading.externalKnown = true;
        if (FirstLine(folder / "online") == "1") reading.external = true;
    }
}

BYTE BatteryFlags(const Reading& reading) {
    if (!reading.battery) return BATTERY_FLAG_NO_BATTERY;
    BYTE flags = reading.charging ? BATTERY_FLAG_CHARGING : 0;
    if (reading.percent < 0) return reading.charging ? flags : BATTERY_FLAG_UNKNOWN;
    if (reading.percent >= kHighFrom) flags |= BATTERY_FLAG_HIGH;
    if (reading.percent < kLowBelow) flags |= BATTERY_FLAG_LOW;
    if (reading.percent < kCriticalBelow) flags |= BATTERY_FLAG_CRITICAL;
    return flags;
}

}  // namespace
}  // namespace platform

DWORD GetSystemPowerStatusEx2(PSYSTEM_POWER_STATUS_EX2 status, DWORD length, BOOL) {
    using namespace platform;
    if (status == nullptr || length == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::filesystem::path root = SupplyRoot();
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    Reading reading;
    for (const auto& entry : std::filesystem::directory_iterator(root, error)) ReadSupply(entry.path(), reading);
    SYSTEM_POWER_STATUS_EX2 full{};
    full.ACLineStatus = !reading.externalKnown ? (reading.battery ? AC_LINE_OFFLINE : AC_LINE_UNKNOWN)
                        : reading.external    ? AC_LINE_ONLINE
                                              : AC_LINE_OFFLINE;
    full.BatteryFlag = BatteryFlags(reading);
    full.BatteryLifePercent = reading.percent >= 0 ? static_cast<BYTE>(reading.percent) : BATTERY_PERCENTAGE_UNKNOWN;
    full.BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BackupBatteryFlag = BATTERY_FLAG_UNKNOWN;
    full.BackupBatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
    full.BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BatteryChemistry = BATTERY_CHEMISTRY_UNKNOWN;
    const DWORD filled = std::min<DWORD>(length, sizeof(full));
    std::memcpy(status, &full, filled);
    return filled;
}
