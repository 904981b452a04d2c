// The test API: what tests use to give code under test a device of its own.
#pragma once

#include <filesystem>
#include <string>

#include "platform/device.h"
#include "platform/types.h"

namespace platform::testing {

// A temporary device root for one test, removed with the object; the process points at it while the
// object lives and at the previous root afterwards. The clock is left as it is.
class TestDevice {
public:
    TestDevice();
    explicit TestDevice(const DeviceProfile& profile);
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    // Host path of a device path ("\My Documents\x.txt").
    std::filesystem::path HostPath(const std::u16string& devicePath) const;
    // Writes or reads a whole device file directly on the host (for fixtures and checks).
    void WriteFile(const std::u16string& devicePath, const std::string& bytes) const;
    std::string ReadFile(const std::u16string& devicePath) const;
    bool FileExists(const std::u16string& devicePath) const;
    // Changes the profile of this device (screen, OS version...).
    void SetProfile(const DeviceProfile& profile);

private:
    std::filesystem::path root_;
    std::filesystem::path previousRoot_;
    DeviceProfile previousProfile_;
};

// The frozen clock. While frozen, GetLocalTime and GetSystemTime give the frozen moment, GetTickCount
// moves only when the clock is advanced, and timers fire when their time is reached on it.
void FreezeClock(const SYSTEMTIME& localTime);
void AdvanceClock(DWORD milliseconds);
void ThawClock();
bool ClockIsFrozen();

}  // namespace platform::testing
