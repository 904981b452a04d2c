// SPI_GETOEMINFO: the model text of the device profile, which programs read to tell keyboards apart.
#include "user/oem_info.h"

#include <cstring>

#include "platform/device.h"
#include "platform/system.h"

namespace platform {

BOOL CopyOemInfo(UINT outBytes, PVOID out) {
    if (out == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::u16string& text = Profile().oemInfo;
    const std::size_t bytes = (text.size() + 1) * sizeof(WCHAR);
    if (outBytes < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(out, text.c_str(), bytes);
    return TRUE;
}

}  // namespace platform
