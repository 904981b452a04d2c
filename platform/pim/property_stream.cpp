// Streams over an item's stream properties (the contact picture). Reading sees the bytes as they
// were when the stream was opened; a writable stream puts its bytes back into the item on Commit
// and on its last Release, to be stored with the item's Save.
#include <algorithm>
#include <cstring>

#include "pim/objects.h"

namespace platform::pim {
namespace {

class PropertyStream final : public ComObject<IStream> {
public:
    PropertyStream(std::shared_ptr<ItemState> state, CEPROPID prop, bool writable)
        : s_(std::move(state)), prop_(prop), writable_(writable) {
        if (const auto* bytes = s_->Data().Bytes(prop_)) bytes_ = *bytes;
    }
    ~PropertyStream() override {
        if (writable_ && dirty_) Commit(0);
    }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IStream, static_cast<IStream*>(this)},
                                 {&IID_ISequentialStream, static_cast<ISequentialStream*>(this)}});
    }
    HRESULT Read(void* buffer, ULONG bytes, ULONG* read) override {
        if (!buffer && bytes) return E_POINTER;
        const std::size_t n = position_ < bytes_.size() ? std::min<std::size_t>(bytes, bytes_.size() - position_) : 0;
        if (n) std::memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
        if (read) *read = static_cast<ULONG>(n);
        return n == bytes ? S_OK : S_FALSE;
    }
    HRESULT Write(const void* buffer, ULONG bytes, ULONG* written) override {
        if (!writable_) return STG_E_ACCESSDENIED;
        if (!buffer && bytes) return E_POINTER;
        if (position_ + bytes > bytes_.size()) bytes_.resize(position_ + bytes);
        if (bytes) std::memcpy(bytes_.data() + position_, buffer, bytes);
        position_ += bytes;
        dirty_ = true;
        if (written) *written = bytes;
        return S_OK;
    }
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override {
        std::int64_t base = 0;
        switch (origin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = static_cast<std::int64_t>(position_); break;
        case STREAM_SEEK_END: base = static_cast<std::int64_t>(bytes_.size()); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        const std::int64_t target = base + move.QuadPart;
        if (target < 0) return STG_E_INVALIDFUNCTION;
        position_ = static_cast<std::size_t>(target);
        if (newPosition) newPosition->QuadPart = static_cast<ULONGLONG>(target);
        return S_OK;
    }
    HRESULT SetSize(ULARGE_INTEGER size) override {
        if (!writable_) return STG_E_ACCESSDENIED;
        bytes_.resize(static_cast<std::size_t>(size.QuadPart));
        dirty_ = true;
        return S_OK;
    }
    HRESULT Commit(DWORD) override {
        if (!writable_) return S_OK;
        if (bytes_.empty()) s_->Edit().props.erase(prop_);
        else s_->Edit().props[prop_] = bytes_;
        dirty_ = false;
        return S_OK;
    }
    HRESULT Stat(STATSTG* stat, DWORD) override {
        if (!stat) return E_POINTER;
        std::memset(stat, 0, sizeof(*stat));
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = bytes_.size();
        return S_OK;
    }

private:
    std::shared_ptr<ItemState> s_;
    CEPROPID prop_;
    bool writable_;
    bool dirty_ = false;
    std::vector<BYTE> bytes_;
    std::size_t position_ = 0;
};

}  // namespace

IStream* NewPropertyStream(std::shared_ptr<ItemState> state, CEPROPID prop, bool writable) {
    return new PropertyStream(std::move(state), prop, writable);
}

}  // namespace platform::pim
