// Choosing a reader by signature, the BMP reader (file header, then the DIB reader of the drawing
// area) and scaling for thumbnails.
#include <cstring>

#include "gdi/dib.h"
#include "imaging/picture.h"

namespace platform::imaging {
namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kJpegSignature[] = {0xFF, 0xD8, 0xFF};
constexpr std::uint8_t kGifSignature[] = {'G', 'I', 'F', '8'};
constexpr std::uint8_t kBmpSignature[] = {'B', 'M'};
constexpr std::uint32_t kOpaque = 0xFF000000u;

template <std::size_t N>
bool StartsWith(const std::uint8_t* data, std::size_t size, const std::uint8_t (&signature)[N]) {
    return size >= N && std::memcmp(data, signature, N) == 0;
}

thread_local bool refusedForSize = false;

}  // namespace

bool SizeAllowed(long long width, long long height) {
    if (width > kMaxPictureSide || height > kMaxPictureSide ||
        (width > 0 && height > 0 && width * height > kMaxPicturePixels)) {
        refusedForSize = true;
        return false;
    }
    return width > 0 && height > 0;
}

bool PictureTooLarge() { return refusedForSize; }

std::optional<Picture> ReadBmp(const std::uint8_t* data, std::size_t size) {
    if (!data || size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return std::nullopt;
    BITMAPFILEHEADER file;
    std::memcpy(&file, data, sizeof file);
    const std::uint8_t* info = data + sizeof file;
    const std::size_t infoBytes = size - sizeof file;
    if (file.bfOffBits < sizeof file || file.bfOffBits > size) return std::nullopt;
    const auto dib = gdi::DecodeDib(reinterpret_cast<const BITMAPINFO*>(info),
                                    std::min<std::size_t>(infoBytes, file.bfOffBits - sizeof file),
                                    data + file.bfOffBits, size - file.bfOffBits);
    if (!dib) return std::nullopt;
    if (!SizeAllowed(dib->width, dib->height)) return std::nullopt;
    Picture p;
    p.width = dib->width;
    p.height = dib->height;
    p.format = ImageFormatBMP;
    p.pixels.resize(dib->pixels.size());
    for (std::size_t i = 0; i < dib->pixels.size(); ++i) p.pixels[i] = dib->pixels[i] | kOpaque;
    return p;
}

std::optional<Picture> ReadPicture(const std::uint8_t* data, std::size_t size) {
    refusedForSize = false;
    if (!data) return std::nullopt;
    if (StartsWith(data, size, kPngSignature)) return ReadPng(data, size);
    if (StartsWith(data, size, kJpegSignature)) return ReadJpeg(data, size);
    if (StartsWith(data, size, kGifSignature)) return ReadGif(data, size);
    if (StartsWith(data, size, kBmpSignature)) return ReadBmp(data, size);
    return std::nullopt;
}

Picture Scaled(const Picture& from, int width, int height) {
    Picture to;
    to.width = width;
    to.height = height;
    to.hasAlpha = from.hasAlpha;
    to.format = from.format;
    to.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(static_cast<long long>(y) * from.height / height);
        const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<long long>(y + 1) * from.height / height));
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(static_cast<long long>(x) * from.width / width);
            const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<long long>(x + 1) * from.width / width));
            std::uint64_t sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t p = from.pixels[static_cast<std::size_t>(sy) * from.width + sx];
                    for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
                }
            const std::uint64_t n = static_cast<std::uint64_t>(y1 - y0) * (x1 - x0);
            std::uint32_t out = 0;
            for (int c = 0; c < 4; ++c) out |= static_cast<std::uint32_t>((sum[c] + n / 2) / n) << (8 * c);
            to.pixels[static_cast<std::size_t>(y) * width + x] = out;
        }
    }
    return to;
}

}  // namespace platform::imaging
