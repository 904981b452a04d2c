#include "fuzz/fuzz_device.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/program_folder.h"
#include "platform/testing.h"

namespace fuzz {
namespace {

platform::DeviceProfile HeadlessProfile() {
    platform::DeviceProfile profile;
    profile.headless = true;
    return profile;
}

// Lives for the whole run (removed at exit): a temporary root per input would cost more than the reader.
platform::testing::TestDevice& Device() {
    static const std::unique_ptr<platform::testing::TestDevice> device = [] {
        auto made = std::make_unique<platform::testing::TestDevice>(HeadlessProfile());
        std::filesystem::create_directories(made->HostPath(ProgramFolderFile(u"")));
        return made;
    }();
    return *device;
}

}  // namespace

void EnsureDevice() { Device(); }

std::u16string WriteDeviceFile(const std::u16string& devicePath, const std::uint8_t* data, std::size_t size) {
    Device().WriteFile(devicePath, std::string(reinterpret_cast<const char*>(data), size));
    return devicePath;
}

std::u16string WriteProgramFile(const std::u16string& name, const std::uint8_t* data, std::size_t size) {
    return WriteDeviceFile(ProgramFolderFile(name), data, size);
}

void WriteRootFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(Device().Root() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz
