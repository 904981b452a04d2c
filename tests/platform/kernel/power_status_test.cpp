// The power status read from a folder of power supplies laid out as the host kernel lays them out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/system.h"
#include "platform/testing.h"

namespace {

using Supplies = std::map<std::string, std::map<std::string, std::string>>;

class PowerStatus : public ::testing::Test {
protected:
    // Points the device at a folder holding the supplies; returns what the call fills in.
    DWORD Read(const Supplies& supplies, SYSTEM_POWER_STATUS_EX2& status) {
        const std::filesystem::path root = device_.Root() / "power";
        std::filesystem::remove_all(root);
        for (const auto& [name, files] : supplies) {
            std::filesystem::create_directories(root / name);
            for (const auto& [file, text] : files) std::ofstream(root / name / file) << text << "\n";
        }
        std::filesystem::create_directories(root);
        UseFolder(root);
        status = {};
        return GetSystemPowerStatusEx2(&status, sizeof status, TRUE);
    }
    void UseFolder(const std::filesystem::path& root) {
        platform::DeviceProfile profile;
        profile.values["power_supply"] = root.string();
        device_.SetProfile(profile);
    }
    platform::testing::TestDevice device_;
};

TEST_F(PowerStatus, BatteryAndMainsReadings) {
    struct Case {
        const char* name;
        Supplies supplies;
        BYTE line;
        BYTE flag;
        BYTE percent;
    };
    const Case cases[] = {
        {"high, unplugged",
         {{"BAT0", {{"type", "Battery"}, {"capacity", "80"}, {"status", "Discharging"}}},
          {"AC", {{"type", "Mains"}, {"online", "0"}}}},
         AC_LINE_OFFLINE, BATTERY_FLAG_HIGH, 80},
        {"charging on the mains",
         {{"BAT1", {{"type", "Battery"}, {"capacity", "20"}, {"status", "Charging"}}},
          {"ADP1", {{"type", "Mains"}, {"online", "1"}}}},
         AC_LINE_ONLINE, BATTERY_FLAG_LOW | BATTERY_FLAG_CHARGING, 20},
        {"nearly empty, no mains supply listed",
         {{"BAT0", {{"type", "Battery"}, {"capacity", "3"}, {"status", "Discharging"}}}},
         AC_LINE_OFFLINE, BATTERY_FLAG_LOW | BATTERY_FLAG_CRITICAL, 3},
        {"in the middle", {{"BAT0", {{"type", "Battery"}, {"capacity", "50"}}}}, AC_LINE_OFFLINE, 0, 50},
        {"battery without a charge reading", {{"BAT0", {{"type", "Battery"}, {"status", "Unknown"}}}},
         AC_LINE_OFFLINE, BATTERY_FLAG_UNKNOWN, BATTERY_PERCENTAGE_UNKNOWN},
        {"a desktop on the mains", {{"AC", {{"type", "Mains"}, {"online", "1"}}}}, AC_LINE_ONLINE,
         BATTERY_FLAG_NO_BATTERY, BATTERY_PERCENTAGE_UNKNOWN},
        {"an empty folder", {}, AC_LINE_UNKNOWN, BATTERY_FLAG_NO_BATTERY, BATTERY_PERCENTAGE_UNKNOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SYSTEM_POWER_STATUS_EX2 status{};
        ASSERT_EQ(Read(c.supplies, status), sizeof status);
        EXPECT_EQ(status.ACLineStatus, c.line);
        EXPECT_EQ(status.BatteryFlag, c.flag);
        EXPECT_EQ(status.BatteryLifePercent, c.percent);
        EXPECT_EQ(status.BatteryLifeTime, BATTERY_LIFE_UNKNOWN);
    }
}

TEST_F(PowerStatus, NoFolderAndBadArgumentsFail) {
    UseFolder(device_.Root() / "no such folder");
    SYSTEM_POWER_STATUS_EX2 status{};
    SetLastError(0);
    EXPECT_EQ(GetSystemPowerStatusEx2(&status, sizeof status, TRUE), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(GetSystemPowerStatusEx2(nullptr, sizeof status, TRUE), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    // A shorter buffer gets the first fields only.
    SYSTEM_POWER_STATUS_EX2 part{};
    part.BatteryChemistry = 7;
    const std::filesystem::path root = device_.Root() / "power";
    std::filesystem::create_directories(root / "BAT0");
    std::ofstream(root / "BAT0" / "type") << "Battery\n";
    std::ofstream(root / "BAT0" / "capacity") << "64\n";
    UseFolder(root);
    EXPECT_EQ(GetSystemPowerStatusEx2(&part, 4, TRUE), 4u);
    EXPECT_EQ(part.BatteryLifePercent, 64);
    EXPECT_EQ(part.BatteryChemistry, 7);
}

}  // namespace
