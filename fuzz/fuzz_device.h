// What every fuzz target shares: one device for the whole run, the program folder on it, and the
// input written to a device file for readers that take a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Creates the device on first use (headless, with the program folder); later calls reuse it.
void EnsureDevice();
// Writes the bytes to the device file, replacing it, and returns its device path.
std::u16string WriteDeviceFile(const std::u16string& devicePath, const std::uint8_t* data, std::size_t size);
// The program folder's file of that name ("\Program Files\Quorvia\<name>").
std::u16string WriteProgramFile(const std::u16string& name, const std::uint8_t* data, std::size_t size);

// A file at the top of the device root, beside its folders ("device.conf").
void WriteRootFile(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
