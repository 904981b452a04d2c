// A temporary device root per test.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "kernel/device_path.h"
#include "platform/testing.h"

namespace platform::testing {
namespace {

std::filesystem::path MakeTempRoot() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvia-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary device root");
    return pattern;
}

}  // namespace

TestDevice::TestDevice() : TestDevice(DeviceProfile{}) {}

TestDevice::TestDevice(const DeviceProfile& profile)
    : root_(MakeTempRoot()), previousRoot_(DeviceRoot()), previousProfile_(platform::Profile()) {
    SetDeviceRoot(root_);
    platform::SetProfile(profile);
}

TestDevice::~TestDevice() {
    SetDeviceRoot(previousRoot_);
    platform::SetProfile(previousProfile_);
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::filesystem::path TestDevice::HostPath(const std::u16string& devicePath) const {
    return ResolveDevicePath(devicePath);
}

void TestDevice::WriteFile(const std::u16string& devicePath, const std::string& bytes) const {
    const std::filesystem::path path = HostPath(devicePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestDevice::ReadFile(const std::u16string& devicePath) const {
    std::ifstream in(HostPath(devicePath), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool TestDevice::FileExists(const std::u16string& devicePath) const {
    std::error_code ec;
    return std::filesystem::exists(HostPath(devicePath), ec);
}

void TestDevice::SetProfile(const DeviceProfile& profile) { platform::SetProfile(profile); }

}  // namespace platform::testing
