// CEPROPVAL buffers of property values.
#include "pim/prop_buffer.h"

#include <cstring>

#include "pim/ole_date.h"
#include "platform/memory.h"

namespace platform::pim {
namespace {

std::size_t Align(std::size_t n) { return (n + 7) & ~std::size_t{7}; }

std::size_t ExtraBytes(const PropOut& p) {
    const PropValue* v = p.Value();
    if (!v) return 0;
    if (const auto* s = std::get_if<std::u16string>(v)) return Align((s->size() + 1) * sizeof(WCHAR));
    if (const auto* b = std::get_if<std::vector<BYTE>>(v)) return Align(b->size());
    return 0;
}

std::int64_t AsInt(const PropValue& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
    if (const auto* d = std::get_if<double>(&v)) return static_cast<std::int64_t>(*d);
    return 0;
}

}  // namespace

HRESULT WritePropBuffer(const std::vector<PropOut>& values, DWORD flags, BYTE** buffer, DWORD* bytes, HANDLE heap) {
    if (!buffer || !bytes) return E_POINTER;
    std::size_t needed = Align(values.size() * sizeof(CEPROPVAL));
    for (const PropOut& p : values) needed += ExtraBytes(p);
    if (needed == 0) needed = sizeof(CEPROPVAL);
    if (flags & CEDB_ALLOWREALLOC) {
        if (!heap) heap = GetProcessHeap();
        if (!*buffer) {
            *buffer = static_cast<BYTE*>(HeapAlloc(heap, 0, needed));
        } else if (*bytes < needed) {
            void* grown = HeapReAlloc(heap, 0, *buffer, needed);
            if (!grown) return E_OUTOFMEMORY;
            *buffer = static_cast<BYTE*>(grown);
        }
        if (!*buffer) return E_OUTOFMEMORY;
        if (*bytes < needed) *bytes = static_cast<DWORD>(needed);
    } else if (!*buffer || *bytes < needed) {
        *bytes = static_cast<DWORD>(needed);
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    }
    auto* records = reinterpret_cast<CEPROPVAL*>(*buffer);
    BYTE* extra = *buffer + Align(values.size() * sizeof(CEPROPVAL));
    for (std::size_t i = 0; i < values.size(); ++i) {
        CEPROPVAL& out = records[i];
        std::memset(&out, 0, sizeof(out));
        const PropOut& p = values[i];
        out.propid = p.id;
        if (!p.Value()) {
            out.wFlags = CEDB_PROPNOTFOUND;
            continue;
        }
        const PropValue& v = *p.Value();
        switch (TypeFromPropID(p.id)) {
        case CEVT_I2: out.val.iVal = static_cast<SHORT>(AsInt(v)); break;
        case CEVT_UI2: out.val.uiVal = static_cast<USHORT>(AsInt(v)); break;
        case CEVT_I4: out.val.lVal = static_cast<LONG>(AsInt(v)); break;
        case CEVT_UI4:
        case CEVT_RECID: out.val.ulVal = static_cast<ULONG>(AsInt(v)); break;
        case CEVT_BOOL: out.val.boolVal = AsInt(v) != 0 ? TRUE : FALSE; break;
        case CEVT_R8:
            out.val.dblVal = std::holds_alternative<double>(v) ? std::get<double>(v) : static_cast<double>(AsInt(v));
            break;
        case CEVT_FILETIME:
            out.val.filetime = FileTimeFromOle(std::holds_alternative<double>(v) ? std::get<double>(v) : kNoDate);
            break;
        case CEVT_LPWSTR: {
            const auto* held = std::get_if<std::u16string>(&v);
            const std::u16string_view text = held ? std::u16string_view(*held) : std::u16string_view();
            auto* target = reinterpret_cast<WCHAR*>(extra);
            std::memcpy(target, text.data(), text.size() * sizeof(WCHAR));
            target[text.size()] = 0;
            out.val.lpwstr = target;
            out.wLenData = static_cast<WORD>(std::min<std::size_t>((text.size() + 1) * sizeof(WCHAR), 0xFFFF));
            extra += ExtraBytes(p);
            break;
        }
        case CEVT_BLOB:
        case CEVT_STREAM: {
            const auto* b = std::get_if<std::vector<BYTE>>(&v);
            out.val.blob.dwCount = b ? static_cast<DWORD>(b->size()) : 0;
            out.val.blob.lpb = b && !b->empty() ? extra : nullptr;
            if (b && !b->empty()) std::memcpy(extra, b->data(), b->size());
            extra += ExtraBytes(p);
            break;
        }
        default: out.wFlags = CEDB_PROPNOTFOUND; break;
        }
    }
    return S_OK;
}

std::optional<PropValue> ReadPropVal(const CEPROPVAL& value) {
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2: return std::int64_t{value.val.iVal};
    case CEVT_UI2: return std::int64_t{value.val.uiVal};
    case CEVT_I4: return std::int64_t{value.val.lVal};
    case CEVT_UI4:
    case CEVT_RECID: return std::int64_t{value.val.ulVal};
    case CEVT_BOOL: return std::int64_t{value.val.boolVal != 0 ? 1 : 0};
    case CEVT_R8: return value.val.dblVal;
    case CEVT_FILETIME: return OleFromFileTime(value.val.filetime);
    case CEVT_LPWSTR: {
        std::u16string text;
        if (value.val.lpwstr)
            for (const WCHAR* p = value.val.lpwstr; *p; ++p) text += *p;
        return text;
    }
    case CEVT_BLOB:
    case CEVT_STREAM: {
        const BYTE* b = value.val.blob.lpb;
        if (!b) return std::vector<BYTE>{};
        return std::vector<BYTE>(b, b + value.val.blob.dwCount);
    }
    default: return std::nullopt;
    }
}

}  // namespace platform::pim
