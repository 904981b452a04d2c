// Pictures through the imaging routines: the size of a picture stream and its decoding into a
// device-independent bitmap (the contact photos of the PIM store).
#pragma once

#include "platform/com.h"
#include "platform/types.h"

// The stream's length (its low 32 bits), the stream left at its start; E_FAIL for a null stream.
HRESULT GetStreamSize(IStream* stream, DWORD* length);
// Decodes the picture in the stream into a bitmap of at most size by size (square: exactly that).
HRESULT DecodeImageToDib(IStream* stream, HBITMAP* bitmap, int size, bool square);
