// The system's random source for keys and passwords: the kernel's getrandom, never a seeded
// generator.
#include <sys/random.h>

#include <cerrno>

#include "platform/system.h"

BOOL CeGenRandom(DWORD dwLen, LPBYTE pbBuffer) {
    if (dwLen > 0 && !pbBuffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD filled = 0;
    while (filled < dwLen) {
        const ssize_t got = ::getrandom(pbBuffer + filled, dwLen - filled, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            SetLastError(ERROR_GEN_FAILURE);
            return FALSE;
        }
        filled += static_cast<DWORD>(got);
    }
    return TRUE;
}
