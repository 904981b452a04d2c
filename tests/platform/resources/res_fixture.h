// Helpers of the resource tests: the compiled test script read from the build, and small resource
// files built byte by byte for the cases a compiler never writes.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/resources.h"

namespace restest {

// Bytes kept on a 4-byte boundary, as the resource layout is read in place.
struct AlignedBytes {
    std::vector<std::uint32_t> words;
    std::size_t size = 0;

    const void* data() const { return words.data(); }
    const BYTE* bytes() const { return reinterpret_cast<const BYTE*>(words.data()); }
};

inline AlignedBytes Align(const std::vector<BYTE>& bytes) {
    AlignedBytes out;
    out.words.resize((bytes.size() + 3) / 4 + 1);
    if (!bytes.empty()) std::memcpy(out.words.data(), bytes.data(), bytes.size());
    out.size = bytes.size();
    return out;
}

// A resource script compiled by the build, read from the build folder.
inline AlignedBytes CompiledFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Align(bytes);
}

// The compiled tests/fixtures/resources/fixture.rc.
inline AlignedBytes FixtureFile() { return CompiledFile(QV_TEST_OUTPUT_DIR "/resources/fixture.res"); }

// Registers a resource file for a made-up module for the life of the object.
class Module {
public:
    Module(HINSTANCE handle, AlignedBytes bytes) : handle_(handle), bytes_(std::move(bytes)) {
        registered_ = platform::RegisterModuleResources(handle_, bytes_.data(), bytes_.size);
    }
    ~Module() { platform::UnregisterModuleResources(handle_); }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    HINSTANCE Handle() const { return handle_; }
    bool Registered() const { return registered_; }

private:
    HINSTANCE handle_;
    AlignedBytes bytes_;
    bool registered_ = false;
};

inline HINSTANCE FakeModule(std::uintptr_t n) { return reinterpret_cast<HINSTANCE>(0x510000 + n * 0x1000); }

// Writing the resource layout by hand.
inline void PutWord(std::vector<BYTE>& out, WORD w) {
    out.push_back(static_cast<BYTE>(w));
    out.push_back(static_cast<BYTE>(w >> 8));
}
inline void PutDword(std::vector<BYTE>& out, DWORD d) {
    PutWord(out, static_cast<WORD>(d));
    PutWord(out, static_cast<WORD>(d >> 16));
}
inline void PutText(std::vector<BYTE>& out, std::u16string_view text) {
    for (const WCHAR c : text) PutWord(out, c);
    PutWord(out, 0);
}
inline void PadTo4(std::vector<BYTE>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
}

// One entry named by ordinals, its data padded to 4 bytes.
inline void PutEntry(std::vector<BYTE>& out, WORD type, WORD name, const std::vector<BYTE>& data) {
    PutDword(out, static_cast<DWORD>(data.size()));
    PutDword(out, 32);
    PutWord(out, 0xFFFF), PutWord(out, type), PutWord(out, 0xFFFF), PutWord(out, name);
    PutDword(out, 0), PutWord(out, 0x1030), PutWord(out, 0x0409), PutDword(out, 0), PutDword(out, 0);
    out.insert(out.end(), data.begin(), data.end());
    PadTo4(out);
}

// A file beginning with the usual empty entry.
inline std::vector<BYTE> EmptyFile() {
    std::vector<BYTE> out;
    PutEntry(out, 0, 0, {});
    return out;
}

}  // namespace restest
