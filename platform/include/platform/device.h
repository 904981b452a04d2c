// The device this process runs on: its root folder on the host and its profile.
// The root is QUORVIA_DEVICE, else $XDG_DATA_HOME/quorvia, else ~/.local/share/quorvia. It holds
// files/ (the device file system), registry.db, pim.vol, device.conf (the profile) and run/
// (the users' locks of registry.db and pim.vol among others). When a process first uses a root,
// the temporaries that writers which are gone left anywhere under it are removed.
// The profile is read from device.conf ("key = value" lines, '#' comments) and then from the
// environment: QUORVIA_SCREEN=WxH, QUORVIA_DPI, QUORVIA_OS=major.minor, QUORVIA_KEYPAD=0|1,
// QUORVIA_OEM, QUORVIA_SHORTDATE, QUORVIA_CODEPAGE=65001|1252, QUORVIA_HEADLESS.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "platform/types.h"

namespace platform {

struct DeviceProfile {
    int screenWidth = 240;
    int screenHeight = 320;
    int dpi = 96;  // 192 on VGA and larger screens unless set
    bool keypad = false;  // keypad device with soft keys, no touch screen
    std::u16string oemInfo = u"Quorvia Device";
    DWORD osMajor = 5;
    DWORD osMinor = 2;
    DWORD osBuild = 1236;
    std::u16string shortDate = u"M/d/yyyy";
    UINT ansiCodePage = 65001;
    bool headless = false;
    // Every key of device.conf as written, for areas with settings of their own (host names of the
    // network, the phone library...).
    std::map<std::string, std::string> values;
};

// The root folder; created on first use.
const std::filesystem::path& DeviceRoot();
// The profile, read once; tests replace it through platform/testing.h.
const DeviceProfile& Profile();
// Rereads device.conf and the environment (after the root or the environment changed).
void ReloadProfile();
// For the test API: points this process at another root and rereads the profile.
void SetDeviceRoot(const std::filesystem::path& root);
void SetProfile(const DeviceProfile& profile);

}  // namespace platform
