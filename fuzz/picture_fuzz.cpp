// Pictures: PNG, JPEG, GIF and BMP bytes decoded by the imaging readers, and a decoded picture
// scaled as the thumbnails are.
#include <cstddef>
#include <cstdint>

#include "imaging/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = platform::imaging::ReadPicture(data, size);
    if (picture && picture->width > 0 && picture->height > 0) (void)platform::imaging::Scaled(*picture, 7, 5);
    return 0;
}
