// The imaging factory and its images: COM-style objects counting their references. A picture is
// decoded whole when its image is made, so a picture that cannot be read fails at once.
#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "gdi/blit.h"
#include "gdi/draw_record.h"
#include "imaging/picture.h"
#include "kernel/device_path.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/testing_gdi.h"
#include "resources/module_resources.h"

namespace platform::imaging {
namespace {

// Pictures carry no resolution of their own here; sizes in hundredths of a millimetre use this.
constexpr double kPictureDpi = 96.0;
constexpr double kHimetricPerInch = 2540.0;

std::atomic<std::size_t> liveObjects{0};

template <class Interface>
class RefCounted : public Interface {
public:
    RefCounted() { ++liveObjects; }
    virtual ~RefCounted() { --liveObjects; }
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    std::atomic<ULONG> refs_{1};
};

class Image final : public RefCounted<IImage> {
public:
    explicit Image(Picture picture, std::function<void()> dispose = {})
        : picture_(std::move(picture)), dispose_(std::move(dispose)) {}
    // Where the picture came from, for the draw record.
    void SetOrigin(int resourceId, std::u16string file) {
        origin_.resourceId = resourceId;
        origin_.file = std::move(file);
    }
    ~Image() override {
        if (dispose_) dispose_();
    }

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IImage) {
            AddRef();
            *object = static_cast<IImage*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    HRESULT GetPhysicalDimension(SIZE* size) override {
        if (!size) return E_POINTER;
        size->cx = static_cast<LONG>(picture_.width * kHimetricPerInch / kPictureDpi + 0.5);
        size->cy = static_cast<LONG>(picture_.height * kHimetricPerInch / kPictureDpi + 0.5);
        return S_OK;
    }

    HRESULT GetImageInfo(ImageInfo* info) override {
        if (!info) return E_POINTER;
        *info = {};
        info->RawDataFormat = picture_.format;
        info->PixelFormat = picture_.hasAlpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
        info->Width = static_cast<UINT>(picture_.width);
        info->Height = static_cast<UINT>(picture_.height);
        info->TileWidth = info->Width;
        info->TileHeight = 1;
        info->Xdpi = info->Ydpi = kPictureDpi;
        info->Flags = ImageFlagsColorSpaceRGB | ImageFlagsHasRealPixelSize | (picture_.hasAlpha ? ImageFlagsHasAlpha : 0);
        return S_OK;
    }

    HRESULT SetImageFlags(UINT) override { return S_OK; }

    HRESULT Draw(HDC dc, const RECT* dstRect, const RECT* srcRect) override {
        if (!dstRect) return E_INVALIDARG;
        RECT source{0, 0, picture_.width, picture_.height};
        if (srcRect) {
            auto pixels = [](LONG himetric) {
                return static_cast<LONG>(himetric * kPictureDpi / kHimetricPerInch + 0.5);
            };
            source = {pixels(srcRect->left), pixels(srcRect->top), pixels(srcRect->right), pixels(srcRect->bottom)};
        }
        if (!gdi::DrawArgbPixels(dc, *dstRect, picture_.pixels.data(), picture_.width, picture_.height, source))
            return E_INVALIDARG;
        gdi::RecordPictureOnDc(dc, *dstRect, origin_);
        return S_OK;
    }

    HRESULT PushIntoSink(IUnknown*) override { return E_NOTIMPL; }

    HRESULT GetThumbnail(UINT width, UINT height, IImage** thumbnail) override {
        if (!thumbnail) return E_POINTER;
        *thumbnail = nullptr;
        if (!SizeAllowed(width, height)) return E_INVALIDARG;
        *thumbnail = new Image(Scaled(picture_, static_cast<int>(width), static_cast<int>(height)));
        return S_OK;
    }

private:
    Picture picture_;
    std::function<void()> dispose_;  // frees the caller's buffer, as its disposal flag asked
    testing::DrawnPicture origin_;
};

HRESULT MakeImage(const std::uint8_t* data, std::size_t size, IImage** image, std::function<void()> dispose = {},
                  int resourceId = 0, std::u16string file = {}) {
    if (!image) return E_POINTER;
    *image = nullptr;
    if (!data || size == 0) return E_INVALIDARG;
    auto picture = ReadPicture(data, size);
    // Too large for the screen is told apart from a picture that cannot be read.
    if (!picture) return PictureTooLarge() ? E_OUTOFMEMORY : E_FAIL;
    auto* made = new Image(std::move(*picture), std::move(dispose));
    made->SetOrigin(resourceId, std::move(file));
    *image = made;
    return S_OK;
}

class Factory final : public RefCounted<IImagingFactory> {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IImagingFactory) {
            AddRef();
            *object = static_cast<IImagingFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    // Reads the stream from where it stands to its end.
    HRESULT CreateImageFromStream(IStream* stream, IImage** image) override {
        if (!stream || !image) return E_POINTER;
        *image = nullptr;
        std::vector<std::uint8_t> bytes;
        std::uint8_t chunk[16 * 1024];
        for (;;) {
            ULONG read = 0;
            const HRESULT hr = stream->Read(chunk, sizeof chunk, &read);
            if (FAILED(hr)) return hr;
            bytes.insert(bytes.end(), chunk, chunk + read);
            if (read < sizeof chunk) break;
            if (static_cast<long long>(bytes.size()) > kMaxPicturePixels) return E_OUTOFMEMORY;
        }
        return MakeImage(bytes.data(), bytes.size(), image);
    }

    HRESULT CreateImageFromFile(LPCWSTR path, IImage** image) override {
        if (!path || !image) return E_POINTER;
        *image = nullptr;
        std::ifstream in(ResolveDevicePath(path), std::ios::binary);
        if (!in) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return MakeImage(bytes.data(), bytes.size(), image, {}, 0, path);
    }

    // The picture is decoded at once; a buffer handed over with a disposal flag is freed when the
    // image goes, and stays the caller's when the image cannot be made.
    HRESULT CreateImageFromBuffer(const void* buffer, UINT size, BufferDisposalFlag disposal, IImage** image) override {
        if (!image) return E_POINTER;
        *image = nullptr;
        std::function<void()> dispose;
        switch (disposal) {
        case BufferDisposalFlagNone: break;
        case BufferDisposalFlagGlobalFree:  // one heap serves both here
        case BufferDisposalFlagLocalFree:
            dispose = [buffer] { LocalFree(const_cast<void*>(buffer)); };
            break;
        case BufferDisposalFlagUnmapView: dispose = [buffer] { UnmapViewOfFile(buffer); }; break;
        default: return E_INVALIDARG;
        }
        return MakeImage(static_cast<const std::uint8_t*>(buffer), size, image, std::move(dispose),
                         ResourceIdAt(buffer));
    }
};

}  // namespace
}  // namespace platform::imaging

namespace platform {

HRESULT CreateImagingFactory(REFIID iid, void** factory) {
    if (!factory) return E_POINTER;
    *factory = nullptr;
    auto* made = new imaging::Factory();
    const HRESULT hr = made->QueryInterface(iid, factory);
    made->Release();
    return hr;
}

namespace testing {

std::size_t LiveImagingObjectCount() { return imaging::liveObjects.load(); }

}  // namespace testing
}  // namespace platform
