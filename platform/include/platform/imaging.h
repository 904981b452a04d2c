// Pictures: the imaging factory that decodes PNG, JPEG, BMP and GIF from memory, files and
// streams into images that draw themselves into a device context, and PNG writing.
// The factory and its images are COM-style objects that count their references.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "platform/com.h"
#include "platform/types.h"

// The class contexts the factory's callers name (the factory lives in the process in every case).
#ifndef CLSCTX_ALL
#define CLSCTX_ALL 0x17
#endif

// Who frees a buffer handed to CreateImageFromBuffer once the image is released.
enum BufferDisposalFlag {
    BufferDisposalFlagNone = 0,
    BufferDisposalFlagGlobalFree = 1,
    BufferDisposalFlagLocalFree = 2,
    BufferDisposalFlagUnmapView = 3,
};

using PixelFormatID = INT;
#define PixelFormat24bppRGB 0x00021808
#define PixelFormat32bppARGB 0x0026200A

#define ImageFlagsHasAlpha 0x0002
#define ImageFlagsColorSpaceRGB 0x0010
#define ImageFlagsHasRealDPI 0x1000
#define ImageFlagsHasRealPixelSize 0x2000

struct ImageInfo {
    GUID RawDataFormat;
    PixelFormatID PixelFormat;
    UINT Width;
    UINT Height;
    UINT TileWidth;
    UINT TileHeight;
    double Xdpi;
    double Ydpi;
    UINT Flags;
};

// The formats a picture was read from (ImageInfo::RawDataFormat). Identifiers of our own.
inline constexpr GUID ImageFormatBMP = {0x51a30001, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x01}};
inline constexpr GUID ImageFormatJPEG = {0x51a30002, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x02}};
inline constexpr GUID ImageFormatGIF = {0x51a30003, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x03}};
inline constexpr GUID ImageFormatPNG = {0x51a30004, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x04}};

struct IImage : IUnknown {
    // The size in hundredths of a millimetre.
    virtual HRESULT GetPhysicalDimension(SIZE* size) = 0;
    virtual HRESULT GetImageInfo(ImageInfo* info) = 0;
    virtual HRESULT SetImageFlags(UINT flags) = 0;
    // Draws into dstRect, stretched, blended by the picture's alpha. srcRect (hundredths of a
    // millimetre) picks a part of the picture; null draws it whole.
    virtual HRESULT Draw(HDC dc, const RECT* dstRect, const RECT* srcRect) = 0;
    virtual HRESULT PushIntoSink(IUnknown* sink) = 0;
    // A new image of the given size made from this one (scaled down with averaging).
    virtual HRESULT GetThumbnail(UINT width, UINT height, IImage** thumbnail) = 0;

protected:
    ~IImage() = default;
};

struct IImagingFactory : IUnknown {
    virtual HRESULT CreateImageFromStream(IStream* stream, IImage** image) = 0;
    virtual HRESULT CreateImageFromFile(LPCWSTR path, IImage** image) = 0;
    virtual HRESULT CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal,
                                          IImage** image) = 0;

protected:
    ~IImagingFactory() = default;
};

inline constexpr CLSID CLSID_ImagingFactory = {0x51a30010, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x10}};
inline constexpr IID IID_IImagingFactory = {0x51a30011, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x11}};
inline constexpr IID IID_IImage = {0x51a30012, 0x7c1e, 0x4d0a, {0x9a, 0x51, 0x51, 0x56, 0x49, 0x4d, 0x47, 0x12}};

namespace platform {

// Makes the imaging factory (what CoCreateInstance of CLSID_ImagingFactory gives).
HRESULT CreateImagingFactory(REFIID iid, void** factory);

// Writes 0x00RRGGBB pixels (rows strideBytes apart, negative for bottom-up) as an RGB PNG file,
// whole or not at all.
bool WritePngFile(const std::filesystem::path& file, const std::uint32_t* firstRow, int width, int height,
                  std::ptrdiff_t strideBytes);

}  // namespace platform
