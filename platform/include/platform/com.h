// COM as the PIM object model uses it: reference-counted interfaces, BSTR texts, VARIANT_BOOL,
// CoInitializeEx/CoCreateInstance/CoUninitialize and the class of the PIM application object.
// Interfaces are C++ abstract classes; every interface derives from IUnknown.
#pragma once

#include "platform/types.h"

using BSTR = WCHAR*;
using VARIANT_BOOL = SHORT;
#define VARIANT_TRUE (static_cast<VARIANT_BOOL>(-1))
#define VARIANT_FALSE (static_cast<VARIANT_BOOL>(0))

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2
#define CLSCTX_INPROC_SERVER 0x1

#define CO_E_NOTINITIALIZED static_cast<HRESULT>(0x800401F0)
#define REGDB_E_CLASSNOTREG static_cast<HRESULT>(0x80040154)
#define CLASS_E_NOAGGREGATION static_cast<HRESULT>(0x80040110)
#define STG_E_INVALIDFUNCTION static_cast<HRESULT>(0x80030001)
#define STG_E_ACCESSDENIED static_cast<HRESULT>(0x80030005)

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;  // objects end through Release
};

// The object model's items are dispatch objects on the device; here the name only marks them.
struct IDispatch : IUnknown {
protected:
    ~IDispatch() = default;
};

// Streams: what OpenProperty gives for a stream property (the contact picture).
#define STREAM_SEEK_SET 0
#define STREAM_SEEK_CUR 1
#define STREAM_SEEK_END 2
#define STATFLAG_DEFAULT 0
#define STATFLAG_NONAME 1
#define STGTY_STREAM 2

struct STATSTG {
    LPWSTR pwcsName;  // always null here
    DWORD type;
    ULARGE_INTEGER cbSize;
    FILETIME mtime;
    FILETIME ctime;
    FILETIME atime;
    DWORD grfMode;
    DWORD grfLocksSupported;
    CLSID clsid;
    DWORD grfStateBits;
    DWORD reserved;
};

struct ISequentialStream : IUnknown {
    virtual HRESULT Read(void* buffer, ULONG bytes, ULONG* read) = 0;
    virtual HRESULT Write(const void* buffer, ULONG bytes, ULONG* written) = 0;

protected:
    ~ISequentialStream() = default;
};

struct IStream : ISequentialStream {
    virtual HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) = 0;
    virtual HRESULT SetSize(ULARGE_INTEGER size) = 0;
    virtual HRESULT Commit(DWORD flags) = 0;
    virtual HRESULT Stat(STATSTG* stat, DWORD flags) = 0;

protected:
    ~IStream() = default;
};

inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_ISequentialStream = {0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
inline constexpr IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The PIM application object (the object model's root).
inline constexpr CLSID CLSID_Application = {0x05058F23, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};

// BSTR texts: a length word before the characters, always terminated. SysFreeString(nullptr) is allowed.
BSTR SysAllocString(LPCWSTR text);
BSTR SysAllocStringLen(LPCWSTR text, UINT chars);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

// One process-wide apartment: the first CoInitializeEx starts it, each call is matched by CoUninitialize.
// CoCreateInstance knows CLSID_Application only.
HRESULT CoInitializeEx(LPVOID reserved, DWORD flags);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, LPVOID* out);
