// The compiled resource script, placed in the program's read-only data by the assembler and
// registered as the program module's resources.
#include "resources/quorvia_resources.h"

#include <cstdint>

#include "platform/resources.h"
#include "platform/system.h"

// QV_RESOURCE_FILE is the .res this build compiled; the bytes start on a 16-byte boundary because
// the resource layout is read in place and needs its 4-byte alignment.
asm(".pushsection .rodata.quorvia_resources,\"a\"\n"
    ".balign 16\n"
    ".hidden qv_quorvia_res_begin\n"
    ".hidden qv_quorvia_res_end\n"
    "qv_quorvia_res_begin:\n"
    ".incbin \"" QV_RESOURCE_FILE "\"\n"
    "qv_quorvia_res_end:\n"
    ".popsection\n");

extern "C" {
extern const std::byte qv_quorvia_res_begin[] __attribute__((visibility("hidden")));
extern const std::byte qv_quorvia_res_end[] __attribute__((visibility("hidden")));
}

std::span<const std::byte> QuorviaResourceBytes() {
    const auto size =
        reinterpret_cast<std::uintptr_t>(qv_quorvia_res_end) - reinterpret_cast<std::uintptr_t>(qv_quorvia_res_begin);
    return {qv_quorvia_res_begin, static_cast<std::size_t>(size)};
}

bool RegisterQuorviaResources() {
    const auto bytes = QuorviaResourceBytes();
    return platform::RegisterModuleResources(GetModuleHandleW(nullptr), bytes.data(), bytes.size());
}
