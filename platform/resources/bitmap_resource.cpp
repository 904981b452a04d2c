// Reading bitmap resources in place; see bitmap_resource.h.
#include "resources/bitmap_resource.h"

#include <cstdlib>

#include "platform/resources.h"
#include "platform/system.h"
#include "resources/module_resources.h"
#include "resources/res_reader.h"

namespace platform {
namespace {

constexpr DWORD kCoreHeaderSize = 12;
constexpr DWORD kInfoHeaderSize = 40;
constexpr std::size_t kCoreColorBytes = 3;  // blue, green, red
constexpr std::size_t kColorBytes = 4;  // blue, green, red, reserved
constexpr std::size_t kBitFieldMaskBytes = 12;
constexpr LONG kMaxSide = 32767;

bool KnownDepth(WORD bitCount) {
    for (const WORD depth : {1, 4, 8, 16, 24, 32})
        if (bitCount == depth) return true;
    return false;
}

}  // namespace

std::optional<BitmapDib> ParseBitmapDib(std::span<const BYTE> bytes) {
    ResReader r(bytes);
    BitmapDib dib;
    const auto headerSize = r.Dword();
    if (!headerSize) return std::nullopt;
    dib.headerSize = *headerSize;
    WORD planes = 0;
    DWORD colorsUsed = 0;
    if (dib.headerSize == kCoreHeaderSize) {
        const auto width = r.Word(), height = r.Word(), p = r.Word(), bits = r.Word();
        if (!width || !height || !p || !bits) return std::nullopt;
        dib.width = *width, dib.height = *height, planes = *p, dib.bitCount = *bits;
    } else if (dib.headerSize >= kInfoHeaderSize) {
        const auto width = r.Dword(), height = r.Dword();
        const auto p = r.Word(), bits = r.Word();
        const auto compression = r.Dword(), sizeImage = r.Dword(), xppm = r.Dword(), yppm = r.Dword();
        const auto used = r.Dword();
        if (!width || !height || !p || !bits || !compression || !sizeImage || !xppm || !yppm || !used)
            return std::nullopt;
        dib.width = static_cast<LONG>(*width), dib.height = static_cast<LONG>(*height);
        planes = *p, dib.bitCount = *bits, dib.compression = *compression, colorsUsed = *used;
    } else {
        return std::nullopt;
    }
    if (planes != 1 || !KnownDepth(dib.bitCount)) return std::nullopt;
    if (dib.width <= 0 || dib.width > kMaxSide || dib.height == 0 || std::labs(dib.height) > kMaxSide)
        return std::nullopt;

    const bool core = dib.headerSize == kCoreHeaderSize;
    const DWORD fullTable = dib.bitCount <= 8 ? 1u << dib.bitCount : 0;
    dib.colorCount = colorsUsed != 0 && !core ? colorsUsed : fullTable;
    if (dib.colorCount > 256 && dib.bitCount <= 8) return std::nullopt;
    std::size_t tableBytes = static_cast<std::size_t>(dib.colorCount) * (core ? kCoreColorBytes : kColorBytes);
    if (dib.compression == kBitmapCompressionBitFields && dib.headerSize == kInfoHeaderSize)
        tableBytes += kBitFieldMaskBytes;
    const std::size_t infoBytes = dib.headerSize + tableBytes;
    if (infoBytes > bytes.size()) return std::nullopt;

    dib.stride = (static_cast<std::size_t>(dib.width) * dib.bitCount + 31) / 32 * 4;
    const std::size_t rowBytes = dib.stride * static_cast<std::size_t>(std::labs(dib.height));
    const bool compressed = dib.compression == kBitmapCompressionRle8 || dib.compression == kBitmapCompressionRle4;
    if (dib.compression != kBitmapCompressionRgb && dib.compression != kBitmapCompressionBitFields && !compressed)
        return std::nullopt;
    if (!compressed && bytes.size() - infoBytes < rowBytes) return std::nullopt;
    dib.info = bytes.first(infoBytes);
    dib.bits = bytes.subspan(infoBytes, compressed ? bytes.size() - infoBytes : rowBytes);
    return dib;
}

std::optional<BitmapDib> FindBitmapDib(HINSTANCE instance, LPCWSTR name) {
    const auto bytes = FindResourceData(instance, RT_BITMAP, name);
    if (!bytes) return std::nullopt;
    auto dib = ParseBitmapDib(*bytes);
    if (!dib) SetLastError(ERROR_INVALID_DATA);
    return dib;
}

}  // namespace platform
