// The imaging factory's pictures as the views draw them. Every factory, image and thumbnail is
// released and every device context given back on each path; nothing here shows a message.
#include "ui/imaging.h"

#include <algorithm>

#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/gdi_scope.h"

namespace {

// Releases a COM object at the end of its scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (object_) object_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* Get() const { return object_; }
    T** Out() { return &object_; }
    void** OutVoid() { return reinterpret_cast<void**>(&object_); }

private:
    T* object_ = nullptr;
};

constexpr int kMinDibBits = 16;

// The screen's device context for the length of a scope.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

HRESULT MakeFactory(DWORD context, ComRef<IImagingFactory>& factory) {
    return CoCreateInstance(CLSID_ImagingFactory, nullptr, context, IID_IImagingFactory, factory.OutVoid());
}

int ScaledSide(UINT side, float scale) {
    if (scale == kNoScale) return static_cast<int>(side);
    return static_cast<int>(static_cast<float>(side) * scale);
}

}  // namespace

SIZE FitAspect(int size, int width, int height) {
    if (width <= 0 || height <= 0) return SIZE{size, size};
    if (width <= height) return SIZE{static_cast<LONG>(static_cast<double>(size) / height * width), size};
    return SIZE{size, static_cast<LONG>(static_cast<double>(size) / width * height)};
}

HBITMAP ImageToDib(IImage* image) {
    ImageInfo info{};
    if (!image || FAILED(image->GetImageInfo(&info))) return nullptr;
    const ScreenDC screen;
    const MemoryDC memory(screen.Get());
    BITMAPINFO bitmapInfo{};
    bitmapInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmapInfo.bmiHeader.biWidth = static_cast<LONG>(info.Width);
    bitmapInfo.bmiHeader.biHeight = static_cast<LONG>(info.Height);  // bottom-up
    bitmapInfo.bmiHeader.biPlanes = 1;
    bitmapInfo.bmiHeader.biBitCount = static_cast<WORD>(std::max(GetDeviceCaps(screen.Get(), BITSPIXEL), kMinDibBits));
    bitmapInfo.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap section(CreateDIBSection(memory.Get(), &bitmapInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) return nullptr;
    const RECT target{0, 0, static_cast<LONG>(info.Width), static_cast<LONG>(info.Height)};
    HRESULT drawn = E_FAIL;
    {
        const SelectScope select(memory.Get(), section.Get());
        drawn = image->Draw(memory.Get(), &target, nullptr);
    }
    if (FAILED(drawn)) return nullptr;
    return section.Release();
}

HRESULT DecodeImageToDib(IStream* stream, HBITMAP* bitmap, int size, bool square) {
    if (!stream || !bitmap) return E_FAIL;
    ComRef<IImagingFactory> factory;
    HRESULT hr = MakeFactory(CLSCTX_INPROC_SERVER, factory);
    if (FAILED(hr)) return hr;
    ComRef<IImage> image;
    hr = factory.Get()->CreateImageFromStream(stream, image.Out());
    if (FAILED(hr)) return hr;
    ImageInfo info{};
    hr = image.Get()->GetImageInfo(&info);
    if (FAILED(hr)) return hr;
    if (info.Width == 0 || info.Height == 0) return E_FAIL;
    const SIZE target = square ? SIZE{size, size}
                               : FitAspect(size, static_cast<int>(info.Width), static_cast<int>(info.Height));
    // A picture too small to give a side of at least one pixel has nothing to show.
    if (target.cx <= 0 || target.cy <= 0) return E_FAIL;
    ComRef<IImage> thumbnail;
    hr = image.Get()->GetThumbnail(static_cast<UINT>(target.cx), static_cast<UINT>(target.cy), thumbnail.Out());
    if (FAILED(hr)) return hr;
    *bitmap = ImageToDib(thumbnail.Get());
    return *bitmap ? S_OK : E_FAIL;
}

HBITMAP ImageToBitmap(IImage* image) {
    ImageInfo info{};
    if (!image || FAILED(image->GetImageInfo(&info))) return nullptr;
    const ScreenDC screen;
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), static_cast<int>(info.Width), static_cast<int>(info.Height)));
    const MemoryDC memory(screen.Get());
    if (!bitmap || !memory.Get()) return nullptr;
    const RECT target{0, 0, static_cast<LONG>(info.Width), static_cast<LONG>(info.Height)};
    const SelectScope select(memory.Get(), bitmap.Get());
    image->Draw(memory.Get(), &target, nullptr);
    return bitmap.Release();
}

HBITMAP DecodeImageBuffer(const void* buffer, UINT length) {
    ComRef<IImagingFactory> factory;
    if (!buffer || FAILED(MakeFactory(CLSCTX_ALL, factory))) return nullptr;
    ComRef<IImage> image;
    if (FAILED(factory.Get()->CreateImageFromBuffer(buffer, length, BufferDisposalFlagNone, image.Out()))) return nullptr;
    return ImageToBitmap(image.Get());
}

int DrawImage(IImage* image, HDC dc, int x, int y, Placement placement, float scale) {
    ImageInfo info{};
    if (!image || FAILED(image->GetImageInfo(&info))) return 0;
    const int w = ScaledSide(info.Width, scale);
    const int h = ScaledSide(info.Height, scale);
    const RECT target = placement == Placement::Centred ? RECT{x - w / 2, y - h / 2, x + w / 2, y + h / 2}
                                                        : RECT{x, y, x + w, y + h};
    image->Draw(dc, &target, nullptr);
    return 1;
}

int DrawImageBuffer(const void* buffer, UINT length, HDC dc, int x, int y, Placement placement, float scale) {
    ComRef<IImagingFactory> factory;
    if (!buffer || FAILED(MakeFactory(CLSCTX_ALL, factory))) return 0;
    ComRef<IImage> image;
    if (FAILED(factory.Get()->CreateImageFromBuffer(buffer, length, BufferDisposalFlagNone, image.Out()))) return 0;
    return DrawImage(image.Get(), dc, x, y, placement, scale);
}

HBITMAP ScaleBitmap(HBITMAP bitmap, HWND window, int size, bool square) {
    if (!bitmap) return nullptr;
    BITMAP source{};
    if (!GetObjectW(bitmap, sizeof(source), &source)) return nullptr;
    const SIZE target = square ? SIZE{size, size} : FitAspect(size, source.bmWidth, source.bmHeight);
    const HDC windowDC = GetDC(window);
    OwnedBitmap scaled(CreateCompatibleBitmap(windowDC, target.cx, target.cy));
    {
        const MemoryDC from(windowDC);
        const MemoryDC to(windowDC);
        const SelectScope selectFrom(from.Get(), bitmap);
        const SelectScope selectTo(to.Get(), scaled.Get());
        StretchBlt(to.Get(), 0, 0, target.cx, target.cy, from.Get(), 0, 0, source.bmWidth, source.bmHeight, SRCCOPY);
    }
    ReleaseDC(window, windowDC);
    return scaled.Release();
}
