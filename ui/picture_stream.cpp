// The length of a picture stream, read before the picture is decoded.
#include "ui/imaging.h"

HRESULT GetStreamSize(IStream* stream, DWORD* length) {
    if (!stream || !length) return E_FAIL;
    ULARGE_INTEGER end{};
    const HRESULT hr = stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_END, &end);
    if (FAILED(hr)) return hr;
    *length = static_cast<DWORD>(end.QuadPart);
    return stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
}
